# `cpack` (or the `package` target) in the build folder writes melodeck_<version>_amd64.deb:
# everything `cmake --install` lays out, under /usr.
set(MELODECK_PACKAGE_MAINTAINER "melodeck maintainers <maintainers@users.noreply.c-seed-f0e03d1c.example>"
    CACHE STRING "Maintainer field of the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME melodeck)
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "karaoke player for MIDI karaoke songs")
set(CPACK_PACKAGE_DESCRIPTION [=[
melodeck plays Standard MIDI karaoke songs (.kar and .mid) from a folder of
the user's own through the FluidSynth synthesiser, and shows each song's
lyric full screen over a slideshow of pictures, every line drawn shortly
before it is sung and lit syllable by syllable. Songs can be transposed,
played in order, repeated or shuffled, and the lyric drawn in ten
Vietnamese fonts that are installed for the login session only.

Demo songs, pictures and lyric fonts are included.]=])

set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${MELODECK_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries the programs link come from dpkg-shlibdeps. Added by hand what they load
# at run time: a General MIDI SoundFont for the sound; Qt's platform plugins, without which
# no window opens (libqt6gui6 only recommends them); Liberation Serif, the narrow serif
# the panel's status line is measured for (DejaVu Serif, all a bare system has, cuts
# longer song titles off).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "fluid-soundfont-gm | timgm6mb-soundfont, qt6-qpa-plugins, fonts-liberation2 | fonts-liberation")

include(CPack)
