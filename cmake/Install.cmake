# What `cmake --install` puts under the prefix. The program finds its shared files as
# bin/../share/quillet, so these folders are fixed rather than taken from GNUInstallDirs.

set(QUILLET_SCREENSHOT_URL "https://quillet.invalid/screenshots" CACHE STRING
    "Web address of the published docs/screenshots folder, for the AppStream metainfo")

set(quillet_desktop ${PROJECT_SOURCE_DIR}/resources/desktop)
set(quillet_translation
    ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_TRANSLATIONS}/qtbase_ja.qm)
if(NOT EXISTS ${quillet_translation})
    message(FATAL_ERROR "${quillet_translation} is missing: install qt6-translations-l10n")
endif()

install(TARGETS quillet RUNTIME DESTINATION bin)
install(FILES ${PROJECT_SOURCE_DIR}/resources/help/index.html
    DESTINATION share/quillet/help)
install(FILES ${quillet_translation} DESTINATION share/quillet/translations)
install(DIRECTORY ${quillet_desktop}/hicolor DESTINATION share/icons)
install(FILES ${quillet_desktop}/quillet.desktop DESTINATION share/applications)

configure_file(${quillet_desktop}/quillet.metainfo.xml.in
    ${PROJECT_BINARY_DIR}/quillet.metainfo.xml @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/quillet.metainfo.xml DESTINATION share/metainfo)
