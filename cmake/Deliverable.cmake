# A deliverable is built straight into the application folder and finds its sibling
# libraries there, wherever the folder is moved to.
function(melodeck_deliverable target)
  set_target_properties(${target} PROPERTIES
    RUNTIME_OUTPUT_DIRECTORY "${MELODECK_APP_DIR}"
    LIBRARY_OUTPUT_DIRECTORY "${MELODECK_APP_DIR}"
    BUILD_RPATH "$ORIGIN"
    INSTALL_RPATH "$ORIGIN")
  melodeck_warnings(${target})
endfunction()

# melodeck_add_gtest(<target> [QT]): registers a GoogleTest program with CTest.
# QT gives it a main that owns a QApplication. Tests run with no display and no sound
# card, and find the built deliverables through MELODECK_APP_DIR.
function(melodeck_add_gtest target)
  cmake_parse_arguments(ARG "QT" "" "" ${ARGN})
  melodeck_warnings(${target})
  target_link_libraries(${target} PRIVATE melodeck_testkit GTest::gtest GTest::gmock)
  if(ARG_QT)
    target_link_libraries(${target} PRIVATE melodeck_testkit_qtmain)
  else()
    target_link_libraries(${target} PRIVATE GTest::gtest_main)
  endif()
  gtest_discover_tests(${target}
    DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
               ENVIRONMENT_MODIFICATION "MELODECK_APP_DIR=set:${MELODECK_APP_DIR}")
endfunction()
