# What `cmake --install` puts beside the program, and the Debian package CPack makes of it:
#   cmake --build build && cpack --config build/CPackConfig.cmake -B build/package
include(GNUInstallDirs)
set(TALMIRO_APP_ID inc.talmiro.PostcardPrint)

install(FILES ${PROJECT_SOURCE_DIR}/resources/talmiro-postcard-print.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
# The design files' MIME type, which the desktop entry declares, so that a double-click on a
# design opens it in the program.
install(FILES ${PROJECT_SOURCE_DIR}/resources/talmiro-postcard-print.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
# The icon at each size of the theme and as a scalable SVG picture, drawn by tools/pictures.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/resources/icons/hicolor
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
# What Debian wants of every package: the copyright in its machine-readable format, the
# changelog and the manual page, the last two compressed as Debian compresses them (gzip -9n:
# the most, with no name or time stamp inside).
set(TALMIRO_PACKAGE_DOCDIR ${CMAKE_INSTALL_DATADIR}/doc/talmiro-postcard-print)
configure_file(${PROJECT_SOURCE_DIR}/resources/talmiro-postcard-print.1.in
    ${PROJECT_BINARY_DIR}/talmiro-postcard-print.1 @ONLY)
function(talmiro_gzip input output)
    add_custom_command(OUTPUT ${output}
        COMMAND sh -c "gzip -9n -c \"$1\" > \"$2\"" gzip ${input} ${output}
        DEPENDS ${input} VERBATIM)
endfunction()
talmiro_gzip(${PROJECT_BINARY_DIR}/talmiro-postcard-print.1
    ${PROJECT_BINARY_DIR}/talmiro-postcard-print.1.gz)
talmiro_gzip(${PROJECT_SOURCE_DIR}/resources/debian/changelog
    ${PROJECT_BINARY_DIR}/changelog.Debian.gz)
add_custom_target(talmiro_package_docs ALL DEPENDS
    ${PROJECT_BINARY_DIR}/talmiro-postcard-print.1.gz ${PROJECT_BINARY_DIR}/changelog.Debian.gz)
install(FILES ${PROJECT_BINARY_DIR}/talmiro-postcard-print.1.gz
    DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PROJECT_SOURCE_DIR}/resources/debian/copyright
    ${PROJECT_BINARY_DIR}/changelog.Debian.gz
    DESTINATION ${TALMIRO_PACKAGE_DOCDIR})
# The one lintian finding that does not apply to a package Debian never receives (the file says
# why); the package test runs lintian and fails on any other error or warning.
install(FILES ${PROJECT_SOURCE_DIR}/resources/debian/lintian-overrides
    DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME talmiro-postcard-print)
configure_file(${PROJECT_SOURCE_DIR}/resources/talmiro-postcard-print.metainfo.xml.in
    ${PROJECT_BINARY_DIR}/${TALMIRO_APP_ID}.metainfo.xml @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/${TALMIRO_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME talmiro-postcard-print)
set(CPACK_PACKAGE_VERSION ${TALMIRO_VERSION})
set(CPACK_PACKAGE_VENDOR "Talmiro Inc")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "design postcards and print their fronts and backs")
# The extended description as the control file shows it: Debian wants its lines within 80
# columns (the package test lets lintian check).
set(CPACK_PACKAGE_DESCRIPTION
    "Design postcards and print them on an ordinary office printer: card backs
on one side of a sheet, card fronts on the other, each back behind its
front. A back carries a title, a short description, a stamp box, address
lines and a picture or a text in its lower-left corner; a front is a photo
fitted to the card with a few words on it. One, two or four cards go on a
sheet. Without a printer the pages are written to PDF files.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER
    "Talmiro Postcard Print maintainers <maintainers@users.noreply.c-seed-dd006c61.example>")
# The libraries the program links are found by dpkg-shlibdeps (libheif, libwebp, Little CMS among
# them). What it cannot see is listed here: the metric-compatible faces the card layouts are
# measured in ("Arial" and "Times New Roman" resolve to Liberation, the window's own faces to
# DejaVu); Qt's plugin that reads TIFF; libheif's decoders for HEIC (libde265) and AVIF (dav1d),
# which Debian 12's libheif1 links itself and later releases package as plugins; and,
# recommended, the cursive face "Coronet" falls back to, the spooler that reaches the printers
# and Qt's own translations of its standard dialogs.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, fonts-dejavu-core, qt6-image-formats-plugins, \
libheif-plugin-libde265 | libheif1 (<< 1.16), libheif-plugin-dav1d | libheif1 (<< 1.16)")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-urw-base35, cups, qt6-translations-l10n")
include(CPack)
