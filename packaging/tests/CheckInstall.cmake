# Installs the build twice and checks what lands, file by file: into a prefix whose path
# holds a space (as home folders may), and into /usr through DESTDIR, as the Debian
# package does. Then the desktop entry and the AppStream metadata go through their
# validators. Run with -DEXPECTED=<expected-layout.cmake> -DWORK=<scratch folder>.
include("${CMAKE_CURRENT_LIST_DIR}/LayoutChecks.cmake")

function(install_into prefix destdir)
  set(ENV{DESTDIR} "${destdir}")
  execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${prefix}"
                  RESULT_VARIABLE result OUTPUT_QUIET ERROR_VARIABLE error)
  unset(ENV{DESTDIR})
  if(NOT result EQUAL 0)
    fail("cmake --install --prefix ${prefix} failed (${result}):\n${error}")
  endif()
endfunction()

file(REMOVE_RECURSE "${WORK}")

# A prefix named in full in the desktop entry, quoted for its space.
set(prefix "${WORK}/home of user/.local")
install_into("${prefix}" "")
check_layout("${prefix}" "${prefix}")
exec_line(exec "${prefix}")
if(NOT exec STREQUAL "Exec=\"${prefix}/bin/didizir\" %F")
  fail("the desktop entry does not start the launcher of ${prefix}: ${exec}")
endif()

# /usr as the package has it: the launcher by name, as it is on every PATH.
set(stage "${WORK}/stage")
install_into(/usr "${stage}")
check_layout("${stage}/usr" /usr)
exec_line(exec "${stage}/usr")
if(NOT exec STREQUAL "Exec=didizir %F")
  fail("the desktop entry of /usr does not start didizir by name: ${exec}")
endif()
execute_process(COMMAND "${APPSTREAMCLI}" validate-tree --no-net "${stage}"
                RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT result EQUAL 0)
  fail("appstreamcli validate-tree refuses the /usr install:\n${out}")
endif()

file(REMOVE_RECURSE "${WORK}")
