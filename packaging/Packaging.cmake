# Installs the editor and the evaluation command as a desktop program: the
# programs, a desktop entry, the value files' MIME type, the icon and the
# manual pages. The
# desktop and MIME databases are refreshed by the Debian triggers of
# desktop-file-utils and shared-mime-info, so the package needs no scripts.
include(GNUInstallDirs)

# The siblings .k1 to .k99 are named one by one: every MIME implementation
# matches a literal suffix, not every one a character class. The freedesktop
# database gives .k7 and .k25 to other types at the default weight 50; a
# higher weight lets a recording's siblings win.
set(KORAV_GLOB_WEIGHT 60)
set(sibling_globs "")
foreach(number RANGE 1 99)
  list(APPEND sibling_globs "<glob pattern=\"*.k${number}\" weight=\"${KORAV_GLOB_WEIGHT}\"/>")
endforeach()
string(JOIN "\n    " KORAV_SIBLING_GLOBS ${sibling_globs})
configure_file(${CMAKE_CURRENT_LIST_DIR}/korav-editor.xml.in ${CMAKE_BINARY_DIR}/packaging/korav-editor.xml @ONLY)

install(TARGETS KoravEditor korav-auswertung RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# Started by "korav-auswertung bild" only, so not on the user's path.
install(TARGETS korav-auswertung-bild RUNTIME DESTINATION ${CMAKE_INSTALL_LIBEXECDIR}/korav-editor)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/korav-editor.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_BINARY_DIR}/packaging/korav-editor.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/korav-editor.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# Manual pages and the package's documents, compressed as Debian wants them.
function(korav_gzip source target)
  add_custom_command(OUTPUT ${target}
                     COMMAND gzip -9n -c ${source} > ${target}
                     DEPENDS ${source} VERBATIM)
endfunction()
set(compressed "")
foreach(page KoravEditor.1 korav-auswertung.1)
  korav_gzip(${CMAKE_CURRENT_LIST_DIR}/man/${page} ${CMAKE_BINARY_DIR}/packaging/${page}.gz)
  list(APPEND compressed ${CMAKE_BINARY_DIR}/packaging/${page}.gz)
  install(FILES ${CMAKE_BINARY_DIR}/packaging/${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()
korav_gzip(${CMAKE_CURRENT_LIST_DIR}/changelog ${CMAKE_BINARY_DIR}/packaging/changelog.gz)
list(APPEND compressed ${CMAKE_BINARY_DIR}/packaging/changelog.gz)
add_custom_target(korav-documents ALL DEPENDS ${compressed})
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright ${CMAKE_BINARY_DIR}/packaging/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/korav-editor)

# cpack -G DEB. The libraries come from dpkg-shlibdeps (dpkg-dev); the Qt
# plugins the window loads at run time (the platforms, and the SVG icon
# engine for the window's icon) are named here, as no library dependency
# shows them.
set(CPACK_PACKAGE_NAME "korav-editor")
set(CPACK_PACKAGE_VENDOR "KORAV")
set(CPACK_PACKAGE_CONTACT "KORAV <dev@korav.local>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Editor und Auswertung für KORAV-Wertedateien")
set(CPACK_PACKAGE_DESCRIPTION
    "Bearbeitet Wertedateien mit 2500 Werten in einer Liste und einem Diagramm, \
exportiert Bereiche und wertet Aufzeichnungen als Solarauswertung aus. Der \
Befehl korav-auswertung schreibt dieselben Auswertungen ohne Fenster.")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "science")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6svg6")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
include(CPack)
