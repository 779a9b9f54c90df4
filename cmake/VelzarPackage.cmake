# The Debian package (bash scripts/package.sh). Its library dependencies come
# from the libraries the program links (dpkg-shlibdeps); the fonts it draws
# Cyrillic text with are not linked, so they are named here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velzar)
set(CPACK_PACKAGE_VERSION 0.1.0)
set(CPACK_PACKAGE_VENDOR "Velzar")
set(CPACK_PACKAGE_CONTACT "Velzar developers <developers@velzar.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "ground program for the Velzar rocket flight controller")
set(CPACK_PACKAGE_DESCRIPTION
    "Downloads the flight logs of the Velzar flight controller over USB, shows them on a chart, sets the flight settings and updates the firmware. The interface is in Russian.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core, fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA
    ${PROJECT_SOURCE_DIR}/packaging/debian/postinst ${PROJECT_SOURCE_DIR}/packaging/debian/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
