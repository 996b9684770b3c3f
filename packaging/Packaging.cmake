# The Debian package (scripts/package): orvane, modara-sim and pklib, the
# desktop entry and icon, the key list, and the launcher that starts the
# console in the user's own folder.
install(PROGRAMS ${CMAKE_CURRENT_LIST_DIR}/orvane-launcher DESTINATION bin)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/orvane.desktop DESTINATION share/applications)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/orvane.svg DESTINATION share/icons/hicolor/scalable/apps)
install(FILES ${CMAKE_SOURCE_DIR}/data/orvane_hotkeys.dat DESTINATION share/orvane)

set(CPACK_PACKAGE_NAME orvane)
set(CPACK_PACKAGE_CONTACT "Orvane developers <orvane@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Operator's console for the Modara HF data modem")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "Operator's console for the Modara HF data modem\nThe console configures the modem, sends typed text and files, holds ARQ\nlinks and shows what the modem reports. Ships with modara-sim, a simulated\nmodem on a pseudo-terminal, and pklib, the implode codec on the command line.")
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# The libraries the programs link come from dpkg-shlibdeps; the Qt platform
# plugins (windows on X11 and Wayland, offscreen) are loaded at run time.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
set(CPACK_OUTPUT_FILE_PREFIX package)
include(CPack)
