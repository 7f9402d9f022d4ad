# Installation layout for a Linux desktop and the Debian package.
include(GNUInstallDirs)

set(TERRASOND_APP_ID "org.terrasond.Terrasond")
set(desktop_dir "${PROJECT_SOURCE_DIR}/data/desktop")

install(FILES "${desktop_dir}/${TERRASOND_APP_ID}.desktop"
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES "${desktop_dir}/${TERRASOND_APP_ID}.metainfo.xml"
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES "${desktop_dir}/icons/terrasond.svg"
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${TERRASOND_APP_ID}.svg)
foreach(size 16 32 48 64 128 256)
    install(FILES "${desktop_dir}/icons/terrasond-${size}.png"
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME ${TERRASOND_APP_ID}.png)
endforeach()
install(FILES README.md DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_PACKAGE_NAME "terrasond")
set(CPACK_PACKAGE_VENDOR "Orvane")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Demonstration of a powersports diagnostic scanner")
set(CPACK_PACKAGE_CONTACT "Terrasond maintainers <maintainers@terrasond.example.org>")
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "education")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Demonstration of a powersports diagnostic scanner\n Consoles for Bombardier, Kawasaki and Polaris simulate connecting to an\n engine control unit, reading faults, erasing them and live data; a Yamaha\n guide looks fault codes up. For workshops and training; no hardware is used.")
include(CPack)
