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

# The manual page, compressed as Debian wants it (no name or time stamp).
set(manual ${PROJECT_BINARY_DIR}/packaging/norv.1)
add_custom_command(OUTPUT ${manual}.gz
                   COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/packaging/norv.1 ${manual}
                   COMMAND gzip -9nf ${manual}
                   DEPENDS packaging/norv.1 VERBATIM)
add_custom_target(norv_manual ALL DEPENDS ${manual}.gz)
install(FILES ${manual}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES packaging/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/norv)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME norv)
set(CPACK_PACKAGE_VENDOR "The Norv developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION [[
Norv plans a video encode: the bitrate of each percent-sized stream, the
disk space a set of streams needs and the picture quality the video
bitrate buys. Its captions are in English and Italian.]])
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION video)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core")
# Norv has no address of its own: the package names whoever builds it.
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/cmake/DebianPackager.cmake)
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/DebianChangelog.cmake)
set(CPACK_NORV_CHANGELOG ${PROJECT_SOURCE_DIR}/packaging/changelog)
include(CPack)
