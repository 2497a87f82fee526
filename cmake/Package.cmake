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
# The icon at each size of the theme, drawn by tools/pictures.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/resources/icons/hicolor
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
configure_file(${PROJECT_SOURCE_DIR}/resources/talmiro-postcard-print.metainfo.xml.in
    ${PROJECT_BINARY_DIR}/${TALMIRO_APP_ID}.metainfo.xml @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/${TALMIRO_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME talmiro-postcard-print)
set(CPACK_PACKAGE_VERSION ${TALMIRO_VERSION})
set(CPACK_PACKAGE_VENDOR "Talmiro Inc")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "design postcards and print their fronts and backs")
set(CPACK_PACKAGE_DESCRIPTION
    "Design postcards and print them on an ordinary office printer: card backs on one side of a
sheet, card fronts on the other, each back behind its front. A back carries a title, a short
description, a stamp box, address lines and a picture or a text in its lower-left corner; a
front is a photo fitted to the card with a few words on it. One, two or four cards go on a
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
# recommended, the cursive face "Coronet" falls back to and the spooler that reaches the
# printers.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, fonts-dejavu-core, qt6-image-formats-plugins, \
libheif-plugin-libde265 | libheif1 (<< 1.16), libheif-plugin-dav1d | libheif1 (<< 1.16)")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-urw-base35, cups")
include(CPack)
