# System libraries the programs load on first use rather than at start: a
# program starts by mapping every library it imports, and these are large and
# wanted only later (the shell for starting commands and the tray icon, the
# file chooser, COM for drops and the browser object). Their import libraries
# are remade as delay-import libraries, listing every function the system's
# import library lists; the first call of one loads the library.
set(PIPIT_DELAY_LOADED shell32 comdlg32 ole32 oleaut32 shlwapi)

# The link name to use for a system library: the delay-import one for those
# above when building for Windows, the library itself otherwise.
function(pipit_system_library out name)
  if(NOT WIN32 OR NOT name IN_LIST PIPIT_DELAY_LOADED)
    set(${out} ${name} PARENT_SCOPE)
    return()
  endif()
  set(target pipit_delay_${name})
  if(NOT TARGET ${target})
    find_library(PIPIT_IMPORT_${name} NAMES ${name} REQUIRED)
    set(folder ${PROJECT_BINARY_DIR}/delayload)
    file(MAKE_DIRECTORY ${folder})
    execute_process(COMMAND ${CMAKE_NM} -g --defined-only ${PIPIT_IMPORT_${name}}
                    OUTPUT_VARIABLE symbols COMMAND_ERROR_IS_FATAL ANY)
    string(REGEX MATCHALL " I __imp_[A-Za-z0-9_@?$]+" imports "${symbols}")
    list(TRANSFORM imports REPLACE " I __imp_" "")
    list(REMOVE_DUPLICATES imports)
    list(JOIN imports "\n" exports)
    file(WRITE ${folder}/${name}.def "LIBRARY ${name}.dll\nEXPORTS\n${exports}\n")
    execute_process(
      COMMAND ${CMAKE_DLLTOOL} --input-def ${folder}/${name}.def --dllname ${name}.dll
              --output-delaylib ${folder}/lib${name}_delay.a
      COMMAND_ERROR_IS_FATAL ANY)
    add_library(${target} STATIC IMPORTED GLOBAL)
    set_target_properties(${target} PROPERTIES IMPORTED_LOCATION ${folder}/lib${name}_delay.a
                                               INTERFACE_LINK_LIBRARIES delayimp)
  endif()
  set(${out} ${target} PARENT_SCOPE)
endfunction()
