# The Debian package: `cpack -G DEB` in a build folder configured with the install prefix
# /usr (preset "release") gives orvik3_<version>_<arch>.deb.
set(CPACK_PACKAGE_NAME orvik3)
set(CPACK_PACKAGE_VENDOR "Orvik3")
set(CPACK_PACKAGE_CONTACT "Orvik3 developers <orvik3@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Radio-navigation trainer for student pilots")
set(CPACK_PACKAGE_DESCRIPTION
  "A desktop trainer for radio navigation (HSI, VOR, ADF/RMI, holdings, DME arcs, QDM/QDR, wind)\n with its exercise panel as a C++/Qt library, the study-file tool for instructors and a sample installation.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
# A Debian package installs below /usr whatever prefix the build folder was configured for.
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
# Libraries the programs link are found by dpkg-shlibdeps.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What shlibdeps cannot see: the panel's texts are measured in Liberation Sans and the
# trainer's readout is DejaVu Sans Mono; without any font file Qt draws no text at all.
# The xcb and offscreen platform plugins come with libqt6gui6, which shlibdeps finds; Qt SQL's
# SQLite driver, which keeps the review log of practice, is a plugin it cannot see.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, fonts-dejavu-core, libqt6sql6-sqlite")
# Qt's own German words (dialog buttons) are loaded at run time; without them only those stay English.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
include(CPack)
