# Install layout: bin/dayloom, share/dayloom/ (faces, tips, help pages),
# desktop integration, and a .deb through CPack.
include(GNUInstallDirs)

if(TARGET dayloom)
    install(TARGETS dayloom RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
install(DIRECTORY ${PROJECT_SOURCE_DIR}/res/data/ DESTINATION ${CMAKE_INSTALL_DATADIR}/dayloom)
install(FILES ${PROJECT_SOURCE_DIR}/res/desktop/org.dayloom.Dayloom.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/res/desktop/org.dayloom.Dayloom.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# The two diary file types (shared-mime-info package file).
install(FILES ${PROJECT_SOURCE_DIR}/res/desktop/org.dayloom.Dayloom.mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME org.dayloom.Dayloom.xml)
install(FILES ${PROJECT_SOURCE_DIR}/res/desktop/org.dayloom.Dayloom.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
# Man pages ship compressed (Debian policy); -n keeps the name and time stamp
# out, so the package is the same from one build to the next.
set(dayloom_man ${PROJECT_BINARY_DIR}/man/dayloom.1)
add_custom_command(OUTPUT ${dayloom_man}.gz
                   COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/res/desktop/dayloom.1 ${dayloom_man}
                   COMMAND gzip -9nf ${dayloom_man}
                   DEPENDS ${PROJECT_SOURCE_DIR}/res/desktop/dayloom.1 VERBATIM)
add_custom_target(dayloom_man ALL DEPENDS ${dayloom_man}.gz)
install(FILES ${dayloom_man}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# Debian wants the licence as share/doc/<package>/copyright.
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/dayloom
        RENAME copyright)

set(CPACK_PACKAGE_NAME dayloom)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGE_VENDOR "The Dayloom developers")
set(CPACK_PACKAGE_CONTACT "Dayloom developers <author@dayloom.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "password-protected personal diary with daily ratings")
set(CPACK_PACKAGE_DESCRIPTION
    "Dayloom keeps a personal diary on your computer, protected by a password.\n\
Every entry holds formatted text and the day's ratings (mood, fatigue, shape,\n\
dream), two yes/no marks, weight and temperature. The same diary keeps yearly\n\
reminders and a planner of tasks, and a graph shows the ratings over time.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
# dpkg-shlibdeps (dpkg-dev) finds the Qt libraries the program links; the
# SVG image plugin draws the button pictures but is loaded at run time, so
# it is named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://dayloom.org")
# The spelling dictionaries are separate packages: one is recommended. Qt's
# own translations give the standard dialogs' buttons the user's language;
# the program's are compiled in.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "fonts-liberation2, hunspell-en-us | hunspell-dictionary, qt6-translations-l10n")
include(CPack)
