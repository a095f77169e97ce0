# `make package`: a Debian package of the installed tree. The shared
# libraries the programs link are found by dpkg-shlibdeps; what Qt loads at
# run time as plug-ins (the X11 platform and the SVG icon reader) is named by
# hand.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pigmentrix)
set(CPACK_PACKAGE_VENDOR "Dunmoore Software")
set(CPACK_PACKAGE_CONTACT "Dunmoore Software <support@pigmentrix.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "small, exact desktop colour picker")
set(CPACK_PACKAGE_DESCRIPTION
  "Take any screen pixel with an eyedropper and magnifier, read and type it in\n\
twenty-two colour notations, edit it with RGB, HSV and alpha boxes and sliders,\n\
find it among named colours and keep a palette. pigmentrix-cli converts\n\
colours and palette files from scripts.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://pigmentrix.org/")
set(CPACK_PACKAGE_INSTALL_DIRECTORY /usr)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# LittleCMS is loaded only when a display profile is read, so the shared
# library check cannot see it.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, ca-certificates, liblcms2-2")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "xdg-utils")
include(CPack)
