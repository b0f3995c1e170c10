# The install folder and the release zip: the five programs, the default
# settings, both character models, the sample clipboard text and a README
# for users. `cmake --install build/windows --prefix build/dist` lays it out;
# `cpack` in build/windows makes the versioned zip with its checksum.
if(NOT WIN32)
  return()
endif()

set(PIPIT_ASSETS ${PROJECT_SOURCE_DIR}/assets)

install(TARGETS pipitlauncher RUNTIME DESTINATION .)
install(TARGETS transweb routeweb dictweb clipcmd RUNTIME DESTINATION extention)
install(DIRECTORY ${PIPIT_ASSETS}/model ${PIPIT_ASSETS}/model_simple DESTINATION .)
install(FILES ${PIPIT_ASSETS}/extention/aisatsu.txt DESTINATION extention)
install(FILES ${PIPIT_ASSETS}/README.txt DESTINATION .)
# The kanji readings (tools/) and the licence notice of their dictionary.
install(FILES ${PIPIT_READING_TABLE} ${PIPIT_READING_NOTICE} DESTINATION .)
# The settings the launcher has saved are the user's: a new install over an
# old folder leaves them alone.
install(CODE "
  set(target \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/config.txt\")
  if(NOT EXISTS \"\${target}\")
    file(INSTALL \"${PIPIT_ASSETS}/config.txt\" DESTINATION \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}\")
  endif()")

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME pipitlauncher)
set(CPACK_PACKAGE_VERSION 1.03)
set(CPACK_SYSTEM_NAME win64)
set(CPACK_PACKAGE_CHECKSUM SHA256)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
include(CPack)
