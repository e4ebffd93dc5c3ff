# Installation: the program and its window module, the desktop entry, the icon,
# the AppStream metainfo, the display font and the man page (made from the
# program's own --help text).
include(GNUInstallDirs)

install(FILES assets/zova.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES assets/zova.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
# The metainfo's release version comes from project(VERSION).
configure_file(assets/io.github.zova.Zova.metainfo.xml
               ${CMAKE_BINARY_DIR}/io.github.zova.Zova.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/io.github.zova.Zova.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The LED font ships with the program as led.ttf, from Debian's fonts-dseg.
set(ZOVA_LED_FONT /usr/share/fonts/truetype/dseg/DSEG14Classic-Regular.ttf)
if(EXISTS ${ZOVA_LED_FONT})
  install(FILES ${ZOVA_LED_FONT} DESTINATION ${CMAKE_INSTALL_DATADIR}/zova RENAME led.ttf)
endif()

set(ZOVA_MAN ${CMAKE_BINARY_DIR}/zova.1)
add_custom_command(
  OUTPUT ${ZOVA_MAN}
  COMMAND ${CMAKE_COMMAND} -DZOVA=$<TARGET_FILE:zova> -DOUT=${ZOVA_MAN}
          -P ${CMAKE_SOURCE_DIR}/cmake/manpage.cmake
  DEPENDS zova ${CMAKE_SOURCE_DIR}/cmake/manpage.cmake
  COMMENT "Writing the man page from zova --help")
add_custom_target(zova_man ALL DEPENDS ${ZOVA_MAN})
install(FILES ${ZOVA_MAN} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
