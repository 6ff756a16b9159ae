# The Debian package (scripts/package.sh runs CPack): the installed tree of install.cmake under /usr.
# Depends is worked out by dpkg-shlibdeps from the programs' libraries, plus a font with Chinese
# glyphs for the Chinese texts and Qt's translations for the texts of Qt's own dialogs. No
# maintainer scripts: the menu, icon and data-file type caches are refreshed by the triggers of
# desktop-file-utils, hicolor-icon-theme and shared-mime-info. The users' settings live in their
# home folders, which removing the package leaves alone.
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "moxcps")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_VENDOR "The moxcps developers")
set(CPACK_PACKAGE_CONTACT "The moxcps developers <moxcps@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "programming software for MOX-5HK hand-held radios")
set(CPACK_PACKAGE_DESCRIPTION "\
Reads the configuration of a MOX-5HK UHF hand-held radio (RB516, RB516G)\n\
through its programming cable on a serial port, edits its channels and\n\
radio-wide settings, keeps configurations as data files and writes them\n\
back. Includes moxcps-cli for scripts and moxsim, a simulated radio.")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "hamradio")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-noto-cjk | fonts-wqy-microhei, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
