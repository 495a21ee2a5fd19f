# The Debian package of zbk: `cpack -G DEB` in a build tree, or
# `cmake --workflow --preset package` (what scripts/package runs), which
# writes out/zbk_VERSION_amd64.deb. It holds what `cmake --install` puts
# under /usr: the program, its menu entry, its icons and its AppStream
# description. The libraries it needs are found by dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zbk)
set(CPACK_PACKAGE_VENDOR "Pracownia Zbiorka")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "catalogue of archive disks, searched without the disks")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Zbiorek catalogues archive disks (USB sticks, external drives, CDs, old
disks) into plain-text files, one per volume, and later searches all of
those catalogues at once, without the disks. Its window is in Polish;
catalogue files are Windows-1250 text, kept in ~/Zbiorek when the program
is started from the menu, in the current folder when from a terminal.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The field needs an address; this one is made up.
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Pracownia Zbiorka <zbiorek@example.org>")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window's font where Consolas is missing: data, which dpkg-shlibdeps
# cannot see.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-dejavu-core)
include(CPack)
