# Runs at install time, when the prefix is known (cmake --install --prefix may change it):
# links the launcher into bin/ and writes the menu entry that starts it.
set(prefix "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
file(MAKE_DIRECTORY "${prefix}/bin")
message(STATUS "Installing: ${prefix}/bin/didizir")
file(CREATE_LINK "../lib/melodeck/didizir" "${prefix}/bin/didizir" SYMBOLIC)

set(MELODECK_LAUNCHER "${CMAKE_INSTALL_PREFIX}/lib/melodeck/didizir")
message(STATUS "Installing: ${prefix}/share/applications/melodeck.desktop")
configure_file("${MELODECK_DESKTOP_SOURCE}/melodeck.desktop.in"
               "${prefix}/share/applications/melodeck.desktop" @ONLY)
