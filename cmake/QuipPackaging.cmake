# Installing Quipsender like other desktop programs: the program, its default files, and on
# Linux a menu entry with an icon and the launcher that the entry runs; plus the Debian
# package, which cpack makes from the same install rules.
include(GNUInstallDirs)

set(QUIP_PACKAGING_DIR ${CMAKE_SOURCE_DIR}/packaging)

# The window icon as a Qt resource. Link it to the program: the resource is compiled into
# the program itself, and QuipsenderIcon.h turns it into a QIcon.
add_library(quip_appicon INTERFACE)
target_sources(quip_appicon INTERFACE ${QUIP_PACKAGING_DIR}/icons/quipsender-icons.qrc)
target_include_directories(quip_appicon INTERFACE ${QUIP_PACKAGING_DIR}/icons)
target_link_libraries(quip_appicon INTERFACE Qt6::Gui)

install(TARGETS quipsender RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# What a new user's working directory starts with.
set(QUIP_DEFAULTS_DIR ${CMAKE_INSTALL_DATADIR}/quipsender/defaults)
file(GLOB quip_default_files CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/defaults/*)
list(FILTER quip_default_files EXCLUDE REGEX "/\\.[^/]*$") # git's own files
install(FILES ${quip_default_files} DESTINATION ${QUIP_DEFAULTS_DIR})

if(NOT UNIX OR APPLE)
    return()
endif()

# The launcher finds the defaults beside itself, so that an install stays movable.
file(RELATIVE_PATH QUIP_BIN_TO_DEFAULTS ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_FULL_DATADIR}/quipsender/defaults)
configure_file(${QUIP_PACKAGING_DIR}/quipsender-launcher.in
               ${CMAKE_BINARY_DIR}/packaging/quipsender-launcher @ONLY)
install(PROGRAMS ${CMAKE_BINARY_DIR}/packaging/quipsender-launcher
        DESTINATION ${CMAKE_INSTALL_BINDIR})

install(FILES ${QUIP_PACKAGING_DIR}/quipsender.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${QUIP_PACKAGING_DIR}/icons/quipsender.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
file(GLOB quip_icon_pngs CONFIGURE_DEPENDS ${QUIP_PACKAGING_DIR}/icons/quipsender-*.png)
foreach(png ${quip_icon_pngs})
    string(REGEX REPLACE ".*quipsender-([0-9]+)\\.png$" "\\1" size ${png})
    install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME quipsender.png)
endforeach()
# Debian wants the manual pages and the changelog compressed; gzip -n keeps the package the
# same from build to build. Made when configuring, so that installing needs no build step.
find_program(QUIP_GZIP gzip REQUIRED)
function(_quip_gzip source output)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${source})
    execute_process(COMMAND ${QUIP_GZIP} -9nc ${source} OUTPUT_FILE ${output}
                    COMMAND_ERROR_IS_FATAL ANY)
endfunction()
set(quip_compressed)
foreach(page quipsender.1 quipsender-launcher.1)
    _quip_gzip(${QUIP_PACKAGING_DIR}/${page} ${CMAKE_BINARY_DIR}/packaging/${page}.gz)
    install(FILES ${CMAKE_BINARY_DIR}/packaging/${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    list(APPEND quip_compressed ${CMAKE_BINARY_DIR}/packaging/${page}.gz)
endforeach()
_quip_gzip(${QUIP_PACKAGING_DIR}/changelog ${CMAKE_BINARY_DIR}/packaging/changelog.gz)
list(APPEND quip_compressed ${CMAKE_BINARY_DIR}/packaging/changelog.gz)
# Where Debian looks for them: under the package's name, not the project's.
install(FILES ${QUIP_PACKAGING_DIR}/copyright ${CMAKE_BINARY_DIR}/packaging/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quipsender)

# The Debian package.
set(CPACK_PACKAGE_NAME quipsender)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Quipsender maintainers")
set(CPACK_PACKAGE_CONTACT "Quipsender maintainers <quipsender@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "chat phrase palette that types ready-made texts into another window")
# Lines of the length that Debian's tools show unwrapped.
set(CPACK_PACKAGE_DESCRIPTION
    "Quipsender keeps seven tab pages of ready-made chat texts for card games
played in a web browser. A double-click appends a text to a preview box;
Send types the preview into another application's window, found by its
caption, with synthesized keystrokes, optionally followed by Enter.
The user interface is German.

Quipsender hält sieben Seiten vorgefertigter Chat-Texte für Kartenspiele im
Webbrowser bereit. Ein Doppelklick hängt einen Text an die Vorschau an;
Senden tippt die Vorschau in das Fenster einer anderen Anwendung, das über
seinen Titel gefunden wird, auf Wunsch gefolgt von Enter.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Depends: dpkg-shlibdeps finds the libraries, and Qt's X11 platform plugin and GIF reader,
# which are loaded at run time, come with libqt6gui6. Recommends: the faces that the windows
# were laid out with, or faces of the same widths, and Qt's German texts (without them the
# standard context menus are English).
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core, fonts-liberation2, qt6-translations-l10n")
find_program(QUIP_DPKG dpkg)
if(QUIP_DPKG)
    execute_process(COMMAND ${QUIP_DPKG} --print-architecture
                    OUTPUT_VARIABLE QUIP_DEB_ARCH OUTPUT_STRIP_TRAILING_WHITESPACE)
else()
    set(QUIP_DEB_ARCH amd64)
endif()
set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE ${QUIP_DEB_ARCH})
set(CPACK_DEBIAN_FILE_NAME ${CPACK_PACKAGE_NAME}_${PROJECT_VERSION}_${QUIP_DEB_ARCH}.deb)
set(CPACK_GENERATOR DEB)
include(CPack)

# The tests check the package, so a build with tests makes it; without tests it is made by
# `cmake --build <dir> --target deb` (or cpack -G DEB in the build folder).
set(QUIP_DEB_FILE ${CMAKE_BINARY_DIR}/deb/${CPACK_DEBIAN_FILE_NAME}
    CACHE INTERNAL "The Debian package that the build makes")
set(quip_deb_all)
if(QUIP_BUILD_TESTS)
    set(quip_deb_all ALL)
endif()
add_custom_command(
    OUTPUT ${QUIP_DEB_FILE}
    COMMAND ${CMAKE_CPACK_COMMAND} -G DEB -C $<CONFIG> --config ${CMAKE_BINARY_DIR}/CPackConfig.cmake
            -B ${CMAKE_BINARY_DIR}/deb
    # The install rules and every file they install.
    DEPENDS quipsender ${CMAKE_BINARY_DIR}/CPackConfig.cmake ${CMAKE_BINARY_DIR}/cmake_install.cmake
            ${CMAKE_BINARY_DIR}/packaging/quipsender-launcher
            ${QUIP_PACKAGING_DIR}/quipsender.desktop ${QUIP_PACKAGING_DIR}/icons/quipsender.svg
            ${QUIP_PACKAGING_DIR}/copyright ${quip_compressed} ${quip_icon_pngs}
            ${quip_default_files}
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
    COMMENT "Building the Debian package ${CPACK_DEBIAN_FILE_NAME}"
    VERBATIM)
add_custom_target(deb ${quip_deb_all} DEPENDS ${QUIP_DEB_FILE})
