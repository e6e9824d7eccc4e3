# Where `cmake --install` puts things, relative to the prefix. The program folder and the
# demo folder are fixed (not GNUInstallDirs' multiarch lib/), so that a program can find
# the demo folder from its own folder by one relative path, under any prefix.
set(MELODECK_INSTALL_PROGRAM_DIR "lib/melodeck")
set(MELODECK_INSTALL_DEMO_DIR "share/melodeck/demo")
cmake_path(RELATIVE_PATH MELODECK_INSTALL_DEMO_DIR BASE_DIRECTORY "${MELODECK_INSTALL_PROGRAM_DIR}"
           OUTPUT_VARIABLE MELODECK_DEMO_DIR_FROM_PROGRAM_DIR)

# The AppStream component id; the desktop entry and the metainfo file are named after it.
# No domain of the project's own exists yet: example.org stands in until one does.
set(MELODECK_APP_ID "org.example.melodeck")

# The same paths for the programs, in a generated header of an interface library.
configure_file("${CMAKE_CURRENT_LIST_DIR}/InstallLayout.h.in"
               "${CMAKE_BINARY_DIR}/generated/install-layout/InstallLayout.h" @ONLY)
add_library(melodeck_install_layout INTERFACE)
target_include_directories(melodeck_install_layout INTERFACE
                           "${CMAKE_BINARY_DIR}/generated/install-layout")
