# The Debian package, made by CPack from the install layout (scripts/package).
if(WIN32)
    return()
endif()

include(GNUInstallDirs)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tesmolen)
set(CPACK_PACKAGE_VENDOR Tesmolen)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Tesmolen developers <developers@tesmolen.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "blocks advertising hosts through the system hosts file")
set(CPACK_PACKAGE_DESCRIPTION "\
Tesmolen keeps a list of rules, each a site name and the hosts to block
for it, and writes them into the system hosts file, so that no program
on the machine reaches those hosts. It reads the rules back, builds new
ones in an editor, backs the hosts file up, and imports and exports
enciphered rule files. Its window is in Chinese.
.
The window runs as the user. Saving into the hosts file asks for an
administrator's password through polkit and is done by a small helper
that writes that one file.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION net)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Chinese text needs a CJK font, and Qt's own dialogs their translations; the links open pages
# through xdg-open.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "pkexec, fonts-wqy-microhei | fonts-noto-cjk, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS xdg-utils)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://tesmolen.example.org/")
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)

# A native package's changelog and copyright, in Debian's places.
configure_file(data/debian/changelog.in ${CMAKE_BINARY_DIR}/data/changelog @ONLY)
execute_process(COMMAND gzip -9nc ${CMAKE_BINARY_DIR}/data/changelog
    OUTPUT_FILE ${CMAKE_BINARY_DIR}/data/changelog.gz COMMAND_ERROR_IS_FATAL ANY)
install(FILES ${CMAKE_BINARY_DIR}/data/changelog.gz data/debian/copyright
    DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/tesmolen)

# The manual pages, compressed as Debian keeps them.
foreach(page IN ITEMS tesmolen.1 tesmolen-rulefile.1)
    configure_file(data/man/${page} ${CMAKE_BINARY_DIR}/data/man/${page} @ONLY)
    execute_process(COMMAND gzip -9nc ${CMAKE_BINARY_DIR}/data/man/${page}
        OUTPUT_FILE ${CMAKE_BINARY_DIR}/data/man/${page}.gz COMMAND_ERROR_IS_FATAL ANY)
    install(FILES ${CMAKE_BINARY_DIR}/data/man/${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()
include(CPack)
