# SPDX-License-Identifier: GPL-3.0-or-later
# Installation in the standard places, and a .deb built with CPack.
include(GNUInstallDirs)

set(NORV_APP_ID org.example.Norv)
install(TARGETS norv RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES packaging/${NORV_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES packaging/${NORV_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES packaging/icons/${NORV_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size IN ITEMS 16 24 32 48 64 128 256)
  install(FILES packaging/icons/norv-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME ${NORV_APP_ID}.png)
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME norv)
set(CPACK_PACKAGE_VENDOR "The Norv developers")
set(CPACK_PACKAGE_CONTACT "The Norv developers <norv@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION
    "Norv plans a video encode: the bitrate of each percent-sized stream, the disk space a set of streams needs and the picture quality the video bitrate buys.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://norv.example.org")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION video)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core")
include(CPack)
