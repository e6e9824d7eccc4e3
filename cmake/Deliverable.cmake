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

# melodeck_add_gtest(<target> [QT] [NO_LEAK_CHECK]): registers a GoogleTest program with
# CTest. QT gives it a main that owns a QApplication. Tests run with no display and no
# sound card, and find the built deliverables through MELODECK_APP_DIR. NO_LEAK_CHECK keeps
# AddressSanitizer but skips LeakSanitizer's exit scan, for programs where that scan
# itself crashes (it misreads a thread's dynamic TLS range); say why where it is used.
function(melodeck_add_gtest target)
  cmake_parse_arguments(ARG "QT;NO_LEAK_CHECK" "" "" ${ARGN})
  melodeck_warnings(${target})
  target_link_libraries(${target} PRIVATE melodeck_testkit GTest::gtest GTest::gmock)
  if(ARG_QT)
    target_link_libraries(${target} PRIVATE melodeck_testkit_qtmain)
  else()
    target_link_libraries(${target} PRIVATE GTest::gtest_main)
  endif()
  # Test discovery flattens lists, so each property carries one variable.
  set(environment "QT_QPA_PLATFORM=offscreen")
  if(ARG_NO_LEAK_CHECK)
    if(NOT ARG_QT)
      message(FATAL_ERROR "NO_LEAK_CHECK needs QT, whose main picks the offscreen platform")
    endif()
    set(environment "ASAN_OPTIONS=detect_leaks=0:abort_on_error=1")
  endif()
  gtest_discover_tests(${target}
    DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "${environment}"
               ENVIRONMENT_MODIFICATION "MELODECK_APP_DIR=set:${MELODECK_APP_DIR}")
endfunction()
