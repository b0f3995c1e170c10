# The warnings of our own code, on one interface target that every target
# of ours links; GoogleTest, built beside us on Windows, keeps its own.
add_library(pipit_warnings INTERFACE)
if(NOT MSVC)
  target_compile_options(pipit_warnings INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wnon-virtual-dtor -Woverloaded-virtual
    -Wimplicit-fallthrough
    # GCC 12 warns falsely when a literal is put in front of a temporary
    # string ("\"" + path + "\""): nothing overlaps there.
    $<$<AND:$<CXX_COMPILER_ID:GNU>,$<VERSION_LESS:$<CXX_COMPILER_VERSION>,13>>:-Wno-restrict>)
  # Errors with the compilers the project builds with; the fuzzing build's
  # clang may warn of more, which stays a warning there.
  if(NOT PIPIT_FUZZ)
    target_compile_options(pipit_warnings INTERFACE -Werror)
  endif()
endif()

# Links the warnings into every target defined under `dir` and its
# subdirectories, skipping what lives outside the project.
function(pipit_apply_warnings dir)
  get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
  foreach(target IN LISTS targets)
    get_target_property(type ${target} TYPE)
    if(type MATCHES "^(EXECUTABLE|STATIC_LIBRARY|SHARED_LIBRARY|OBJECT_LIBRARY)$")
      target_link_libraries(${target} PRIVATE pipit_warnings)
    endif()
  endforeach()
  get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
  foreach(subdir IN LISTS subdirs)
    cmake_path(IS_PREFIX PROJECT_SOURCE_DIR "${subdir}" NORMALIZE inside)
    if(inside)
      pipit_apply_warnings(${subdir})
    endif()
  endforeach()
endfunction()
