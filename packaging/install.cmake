# Installation and the Debian package. `cmake --install build` puts wallcalc and
# wallcalc-cli in bin/, the menu entry in share/applications and the icon in the hicolor
# theme; `cpack --config build/CPackConfig.cmake` makes wallcalc_<version>_<arch>.deb.
include(GNUInstallDirs)

set(packaging ${CMAKE_CURRENT_LIST_DIR})
install(FILES ${packaging}/wallcalc.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${packaging}/wallcalc.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${packaging}/wallcalc.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps)

set(WALLCALC_PACKAGE_MAINTAINER "wallcalc maintainers <maintainers@wallcalc.invalid>"
    CACHE STRING "The Maintainer field of the .deb")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME wallcalc)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${WALLCALC_PACKAGE_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "basement exterior wall reinforcement calculation (地下室外墙配筋计算)")
# The long description, one paragraph; CPack indents its lines as Debian wants them.
string(CONCAT CPACK_DEBIAN_PACKAGE_DESCRIPTION
       "For structural engineers: the base moment of a strip of basement exterior wall\n"
       "one metre wide under earth, water, surcharge and civil-defence loads, the steel\n"
       "area and bars for strength, the crack width and the bars for crack control.\n"
       "The window writes the whole calculation formula by formula and prints it as a\n"
       "calculation sheet (PDF or paper); wallcalc-cli runs the same calculation from\n"
       "scripts, for one wall or a CSV file of many, with a sheet for each.")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# Qt and the C++ library from the programs' own links (dpkg-shlibdeps); the Chinese face
# the window and the calculation sheets are set in, and Qt's own texts in Chinese (the
# standard buttons and dialogs), which nothing links.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-wqy-microhei, fonts-hanazono, qt6-translations-l10n")
include(CPack)

# The package, built and unpacked into a scratch folder, runs its programs.
if(WALLCALC_BUILD_TESTS AND NOT WALLCALC_SANITIZE)
  add_test(NAME package.deb
           COMMAND bash ${packaging}/check-deb.sh ${CMAKE_BINARY_DIR}
                   ${CMAKE_BINARY_DIR}/package-check)
  set_tests_properties(package.deb PROPERTIES LABELS package TIMEOUT 600 RUN_SERIAL ON)
endif()
