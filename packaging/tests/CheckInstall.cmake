# Installs the build twice and checks what lands, file by file: into a prefix whose path
# holds a space (as home folders may), and into /usr through DESTDIR, as the Debian
# package does. Then the desktop entry and the AppStream metadata go through their
# validators. Run with -DEXPECTED=<expected-layout.cmake> -DWORK=<scratch folder>.
include("${EXPECTED}")

function(fail)
  string(JOIN "" text ${ARGN})
  message(FATAL_ERROR "${text}")
endfunction()

function(tool var name)
  find_program(${var} ${name})
  if(NOT ${var})
    fail("${name} is not installed (scripts/install-deps installs it)")
  endif()
endfunction()
tool(DESKTOP_FILE_VALIDATE desktop-file-validate)
tool(APPSTREAMCLI appstreamcli)
tool(READELF readelf)

# Every file and link under a folder, relative to it, sorted.
function(tree var dir)
  file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE "${dir}" "${dir}/*")
  list(SORT files)
  set(${var} "${files}" PARENT_SCOPE)
endfunction()

function(check_layout root prefix)
  set(entry "share/applications/${APP_ID}.desktop")
  set(metainfo "share/metainfo/${APP_ID}.metainfo.xml")
  set(want bin/didizir ${entry} ${metainfo} share/icons/hicolor/scalable/apps/melodeck.svg)
  foreach(file IN LISTS PROGRAMS)
    list(APPEND want "${PROGRAM_DIR}/${file}")
  endforeach()
  foreach(file IN LISTS DEMO_FILES)
    list(APPEND want "${DEMO_DIR}/${file}")
  endforeach()
  if(KAR_MIME)
    list(APPEND want share/mime/packages/melodeck.xml)
  endif()
  list(SORT want)
  tree(have "${root}")
  if(NOT have STREQUAL want)
    set(missing ${want})
    list(REMOVE_ITEM missing ${have})
    set(extra ${have})
    list(REMOVE_ITEM extra ${want})
    fail("the install under ${prefix} is not as laid out:\n  missing: ${missing}\n  not wanted: ${extra}")
  endif()

  file(READ_SYMLINK "${root}/bin/didizir" link)
  if(NOT link STREQUAL "../${PROGRAM_DIR}/didizir")
    fail("bin/didizir points to '${link}'")
  endif()
  foreach(file IN LISTS PROGRAMS)
    set(path "${root}/${PROGRAM_DIR}/${file}")
    execute_process(COMMAND "${READELF}" -d "${path}" OUTPUT_VARIABLE dynamic COMMAND_ERROR_IS_FATAL ANY)
    if(NOT dynamic MATCHES "(RPATH|RUNPATH)[^\n]*\\[\\$ORIGIN\\]")
      fail("${file} does not find its libraries in its own folder (no RPATH $ORIGIN)")
    endif()
  endforeach()
  foreach(program didizir melodeck textpull)
    execute_process(COMMAND test -x "${root}/${PROGRAM_DIR}/${program}" RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
      fail("${PROGRAM_DIR}/${program} is not executable")
    endif()
  endforeach()

  # The path the programs are given to find the demo folder from their own.
  cmake_path(APPEND root "${PROGRAM_DIR}" "${DEMO_FROM_PROGRAM_DIR}" OUTPUT_VARIABLE demo)
  file(GLOB songs "${demo}/*.kar")
  if(NOT songs)
    fail("${PROGRAM_DIR}/${DEMO_FROM_PROGRAM_DIR} holds no songs")
  endif()

  execute_process(COMMAND "${DESKTOP_FILE_VALIDATE}" "${root}/${entry}"
                  RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT result EQUAL 0 OR NOT out STREQUAL "")
    fail("desktop-file-validate finds fault with ${entry}:\n${out}")
  endif()
  execute_process(COMMAND "${APPSTREAMCLI}" validate --no-net "${root}/${metainfo}"
                  RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT result EQUAL 0)
    fail("appstreamcli validate refuses ${metainfo}:\n${out}")
  endif()
endfunction()

function(install_into prefix destdir)
  set(ENV{DESTDIR} "${destdir}")
  execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${prefix}"
                  RESULT_VARIABLE result OUTPUT_QUIET ERROR_VARIABLE error)
  unset(ENV{DESTDIR})
  if(NOT result EQUAL 0)
    fail("cmake --install --prefix ${prefix} failed (${result}):\n${error}")
  endif()
endfunction()

function(exec_line var root)
  file(STRINGS "${root}/share/applications/${APP_ID}.desktop" line REGEX "^Exec=")
  set(${var} "${line}" PARENT_SCOPE)
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
