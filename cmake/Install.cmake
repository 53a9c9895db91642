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

# The licence, the change log, the manual page and the linter's notes, where Debian looks
# for them; gzip -9n keeps the compressed files free of names and dates.
set(quillet_package ${PROJECT_SOURCE_DIR}/resources/package)
set(QUILLET_MAINTAINER "Quillet developers <quillet@example.org>" CACHE STRING
    "Name and address in the package's control file and change log")
# The packaging's own revision: the package is not native, so its change log is Debian's.
set(QUILLET_PACKAGE_RELEASE 1)
configure_file(${quillet_package}/changelog.Debian.in ${PROJECT_BINARY_DIR}/changelog.Debian @ONLY)
configure_file(${quillet_package}/quillet.1 ${PROJECT_BINARY_DIR}/quillet.1 @ONLY)
find_program(GZIP_PROGRAM gzip REQUIRED)
foreach(plain changelog.Debian quillet.1)
    add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/${plain}.gz
        COMMAND ${GZIP_PROGRAM} -9nkf ${PROJECT_BINARY_DIR}/${plain}
        DEPENDS ${PROJECT_BINARY_DIR}/${plain}
        VERBATIM)
endforeach()
add_custom_target(quillet_package_docs ALL
    DEPENDS ${PROJECT_BINARY_DIR}/changelog.Debian.gz ${PROJECT_BINARY_DIR}/quillet.1.gz)
install(FILES ${quillet_package}/copyright ${PROJECT_BINARY_DIR}/changelog.Debian.gz
    DESTINATION share/doc/quillet)
install(FILES ${PROJECT_BINARY_DIR}/quillet.1.gz DESTINATION share/man/man1)
install(FILES ${quillet_package}/lintian-overrides DESTINATION share/lintian/overrides
    RENAME quillet)
