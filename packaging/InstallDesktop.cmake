# Runs at install time, when the prefix is known (cmake --install --prefix may change it):
# links the launcher into bin/ and writes the desktop entry that starts it.
# Needs MELODECK_PACKAGING_SOURCE, MELODECK_INSTALL_PROGRAM_DIR and MELODECK_APP_ID.
cmake_path(SET prefix NORMALIZE "${CMAKE_INSTALL_PREFIX}")
string(REGEX REPLACE "(.)/$" "\\1" prefix "${prefix}")
set(root "$ENV{DESTDIR}${prefix}")

set(link "${root}/bin/didizir")
file(MAKE_DIRECTORY "${root}/bin")
message(STATUS "Installing: ${link}")
file(CREATE_LINK "../${MELODECK_INSTALL_PROGRAM_DIR}/didizir" "${link}" SYMBOLIC)
list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${link}")

# Every PATH has /usr/bin and /usr/local/bin; any other prefix is named in full, quoted
# and escaped as the desktop entry format asks, since a home folder may hold spaces.
if(prefix STREQUAL "/usr" OR prefix STREQUAL "/usr/local")
  set(MELODECK_EXEC "didizir")
else()
  set(exec "${prefix}/bin/didizir")
  string(REPLACE "\\" "\\\\\\\\" exec "${exec}")
  foreach(c "\"" "`" "$")
    string(REPLACE "${c}" "\\\\${c}" exec "${exec}")
  endforeach()
  string(REPLACE "%" "%%" exec "${exec}")
  set(MELODECK_EXEC "\"${exec}\"")
endif()

set(entry "${root}/share/applications/${MELODECK_APP_ID}.desktop")
message(STATUS "Installing: ${entry}")
configure_file("${MELODECK_PACKAGING_SOURCE}/melodeck.desktop.in" "${entry}" @ONLY)
list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${entry}")
