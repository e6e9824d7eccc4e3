# Builds the Debian package with cpack and checks it: unpacked, it holds the /usr layout
# and nothing else, all root's, with the desktop entry naming /usr and not the folder
# cpack staged it in; its Depends carry what the programs load besides their libraries.
# Run with -DEXPECTED=<expected-layout.cmake> -DWORK=<scratch folder> -DCPACK=<cpack>.
include("${CMAKE_CURRENT_LIST_DIR}/LayoutChecks.cmake")
tool(DPKG_DEB dpkg-deb)

file(REMOVE_RECURSE "${WORK}")
execute_process(COMMAND "${CPACK}" -G DEB -B "${WORK}/package" WORKING_DIRECTORY "${BUILD_DIR}"
                RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
file(GLOB debs "${WORK}/package/melodeck_*_*.deb")
list(LENGTH debs count)
if(NOT result EQUAL 0 OR NOT count EQUAL 1)
  fail("cpack -G DEB did not write one melodeck_<version>_<arch>.deb (${result}):\n${out}")
endif()

execute_process(COMMAND "${DPKG_DEB}" -c "${debs}" OUTPUT_VARIABLE contents COMMAND_ERROR_IS_FATAL ANY)
string(REGEX MATCHALL "\n[^\n]*" lines "\n${contents}")
foreach(line IN LISTS lines)
  if(line MATCHES "^\n[^ ]+ ([^ ]+) " AND NOT CMAKE_MATCH_1 STREQUAL "root/root")
    fail("the package holds a file not root's:${line}")
  endif()
endforeach()

execute_process(COMMAND "${DPKG_DEB}" -x "${debs}" "${WORK}/root" COMMAND_ERROR_IS_FATAL ANY)
file(GLOB top RELATIVE "${WORK}/root" "${WORK}/root/*")
if(NOT top STREQUAL "usr")
  fail("the package holds more than usr/: ${top}")
endif()
check_layout("${WORK}/root/usr" /usr)
exec_line(exec "${WORK}/root/usr")
if(NOT exec STREQUAL "Exec=didizir %F")
  fail("the packaged desktop entry does not start didizir by name: ${exec}")
endif()

execute_process(COMMAND "${DPKG_DEB}" -f "${debs}" Package Section Depends
                OUTPUT_VARIABLE control COMMAND_ERROR_IS_FATAL ANY)
foreach(field "Package: melodeck" "Section: sound" "fluid-soundfont-gm | timgm6mb-soundfont"
              "qt6-qpa-plugins" "fonts-liberation2 | fonts-liberation" "libfluidsynth3"
              "libqt6widgets6")
  string(FIND "${control}" "${field}" at)
  if(at LESS 0)
    fail("the package's control lacks '${field}':\n${control}")
  endif()
endforeach()
file(REMOVE_RECURSE "${WORK}")
