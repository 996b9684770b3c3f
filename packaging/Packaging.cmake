# The Debian package (scripts/package): orvane, modara-sim and pklib, the
# desktop entry and icon, the key list, the launcher that starts the console
# in the user's own folder, the manual pages, and the copyright, changelog and
# README under share/doc/orvane.
install(PROGRAMS ${CMAKE_CURRENT_LIST_DIR}/orvane-launcher DESTINATION bin)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/orvane.desktop DESTINATION share/applications)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/orvane.svg DESTINATION share/icons/hicolor/scalable/apps)
install(FILES ${CMAKE_SOURCE_DIR}/data/orvane_hotkeys.dat DESTINATION share/orvane)

# Manual pages and the changelog go in compressed, as Debian keeps them.
set(ORVANE_COMPRESSED)
foreach(source IN ITEMS man/orvane.1 man/orvane-launcher.1 man/modara-sim.1 man/pklib.1 doc/changelog)
  get_filename_component(name ${source} NAME)
  set(packed ${CMAKE_BINARY_DIR}/packaging/${name}.gz)
  add_custom_command(OUTPUT ${packed}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/packaging
    COMMAND sh -c "gzip -9n -c \"$1\" > \"$2\"" gzip ${CMAKE_CURRENT_LIST_DIR}/${source} ${packed}
    DEPENDS ${CMAKE_CURRENT_LIST_DIR}/${source} VERBATIM)
  list(APPEND ORVANE_COMPRESSED ${packed})
endforeach()
add_custom_target(orvane_package_docs ALL DEPENDS ${ORVANE_COMPRESSED})
list(FILTER ORVANE_COMPRESSED INCLUDE REGEX "\\.1\\.gz$")
install(FILES ${ORVANE_COMPRESSED} DESTINATION share/man/man1)
install(FILES ${CMAKE_BINARY_DIR}/packaging/changelog.gz ${CMAKE_CURRENT_LIST_DIR}/doc/copyright
  ${CMAKE_SOURCE_DIR}/README.md DESTINATION share/doc/orvane)

set(CPACK_PACKAGE_NAME orvane)
set(CPACK_PACKAGE_CONTACT "Orvane developers <orvane@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Operator's console for the Modara HF data modem")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "The console configures the modem, sends typed text and files, holds ARQ\nlinks and shows what the modem reports. Ships with modara-sim, a simulated\nmodem on a pseudo-terminal, and pklib, the implode codec on the command line.")
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
