# A Debian package of the installed files: `cpack -G DEB` in the build folder writes
# lumaret_<version>_<arch>.deb. dpkg-shlibdeps (package dpkg-dev) works out the library
# dependencies from the executables.
set(LUMARET_PACKAGE_MAINTAINER "Lumaret developers <lumaret@localhost>"
    CACHE STRING "The Maintainer field of the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lumaret)
set(CPACK_PACKAGE_VENDOR "Lumaret")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${LUMARET_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "analysis of measured antenna radiation patterns")
# The long description under the summary line; its lines stay under 80 characters.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Lumaret reads the pattern files of an antenna measurement campaign (MSI,"
  "PLN and exact-data files), computes the indicators of base-station panel"
  "antennas (beamwidths, front-to-back ratios, side lobes, squint, tilt error,"
  "null fill, XPD, tracking, sector power ratio, gain, directivity, efficiency)"
  "and exports pattern files, antenna XML, spreadsheets and reports."
  ""
  "The package holds the desktop program lumaret and the command-line tool"
  "lumaret-cli.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# The build is RelWithDebInfo; the package carries stripped executables.
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${LUMARET_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The fonts of the plot and report texts (Latin and Chinese); Qt finds others if absent.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core, fonts-wqy-microhei")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "qt6-wayland")
# lumaret_<version>_<arch>.deb
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)

include(CPack)
