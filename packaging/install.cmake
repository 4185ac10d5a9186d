# What `cmake --install` puts where, and the Debian package CPack builds from it.
include(GNUInstallDirs)

# The programs find their data directory relative to themselves, so any prefix (and a
# DESTDIR staging tree) works.
file(RELATIVE_PATH KESTRA_DATA_RELATIVE ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_FULL_DATADIR}/kestra)
set_property(SOURCE src/app/app_globals.cpp DIRECTORY src/app APPEND PROPERTY
             COMPILE_DEFINITIONS KESTRA_DATA_RELATIVE="${KESTRA_DATA_RELATIVE}")

set(KESTRA_PACKAGING ${CMAKE_CURRENT_LIST_DIR})
install(TARGETS kestra kestra-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${KESTRA_PACKAGING}/data/README DESTINATION ${CMAKE_INSTALL_DATADIR}/kestra)
install(FILES ${KESTRA_PACKAGING}/kestra.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${KESTRA_PACKAGING}/kestra.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${KESTRA_PACKAGING}/kestra-mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME kestra.xml)
install(FILES ${KESTRA_PACKAGING}/man/kestra.1 ${KESTRA_PACKAGING}/man/kestra-cli.1
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${KESTRA_PACKAGING}/icons/kestra.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 16 32 48 64 128 256)
    install(FILES ${KESTRA_PACKAGING}/icons/kestra-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME kestra.png)
endforeach()

set(CPACK_PACKAGE_NAME kestra)
set(CPACK_PACKAGE_VENDOR "Kestra")
set(CPACK_PACKAGE_CONTACT "Kestra developers <kestra@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "programming software for a dual-band handheld radio")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "Edits the channels, VFOs, optional features, DTMF signalling, FM broadcast receiver\n"
       "and band limits of a dual-band (VHF/UHF) handheld FM radio and clones them to and\n"
       "from the radio over a serial cable. Includes the command-line program kestra-cli.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The user interface is Chinese; without a CJK font its texts show as boxes.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-noto-cjk")
include(CPack)
