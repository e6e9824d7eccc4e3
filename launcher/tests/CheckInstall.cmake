# Installs the build into a fresh prefix and checks the desktop layout: the application
# folder with the launcher and its fonts, the launcher in bin/, the menu entry and icon.
# Run with -DBUILD_DIR=... -DPREFIX=...
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

foreach(file lib/melodeck/didizir lib/melodeck/Vswisec.ttf lib/melodeck/Sncencol.ttf
             share/icons/hicolor/scalable/apps/melodeck.svg share/applications/melodeck.desktop)
  if(NOT EXISTS "${PREFIX}/${file}")
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()

file(READ_SYMLINK "${PREFIX}/bin/didizir" link)
if(NOT link STREQUAL "../lib/melodeck/didizir")
  message(FATAL_ERROR "bin/didizir points to '${link}'")
endif()
file(READ "${PREFIX}/share/applications/melodeck.desktop" entry)
if(NOT entry MATCHES "\nExec=${PREFIX}/lib/melodeck/didizir\n" OR NOT entry MATCHES "\nIcon=melodeck\n")
  message(FATAL_ERROR "the menu entry does not start the installed launcher:\n${entry}")
endif()
file(REMOVE_RECURSE "${PREFIX}")
