# Installation: the program and its window module, the desktop entry, the icons,
# the AppStream metainfo, the display font when the system has none, the
# copyright and the man page. The Debian package is built from debian/.
include(GNUInstallDirs)

install(FILES assets/${ZOVA_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

# The icons are painted by the program's own icon code: the window shows the
# same drawing as the launcher.
set(ZOVA_ICON_TREE ${CMAKE_BINARY_DIR}/icons/hicolor)
set(ZOVA_ICON_SIZES 16 22 24 32 48 64 128 256)
set(ZOVA_ICON_FILES ${ZOVA_ICON_TREE}/scalable/apps/${ZOVA_APP_ID}.svg)
foreach(size ${ZOVA_ICON_SIZES})
  list(APPEND ZOVA_ICON_FILES ${ZOVA_ICON_TREE}/${size}x${size}/apps/${ZOVA_APP_ID}.png)
endforeach()
add_custom_command(
  OUTPUT ${ZOVA_ICON_FILES}
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0
          $<TARGET_FILE:zova_icon_files> ${ZOVA_APP_ID} ${ZOVA_ICON_TREE}
  DEPENDS zova_icon_files
  COMMENT "Painting the icons")
add_custom_target(zova_icons ALL DEPENDS ${ZOVA_ICON_FILES})
install(DIRECTORY ${ZOVA_ICON_TREE} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)

# The metainfo's release version comes from project(VERSION).
configure_file(assets/${ZOVA_APP_ID}.metainfo.xml ${CMAKE_BINARY_DIR}/${ZOVA_APP_ID}.metainfo.xml
               @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/${ZOVA_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The LED font is DSEG14 Classic (SIL OFL 1.1). The program takes the system's
# copy through fontconfig when there is one (Debian's fonts-dseg); otherwise it
# reads the copy bundled here, installed as share/zova/led.ttf with its licence.
find_file(ZOVA_SYSTEM_LED_FONT DSEG14Classic-Regular.ttf
          PATHS /usr/share/fonts/truetype/dseg /usr/local/share/fonts NO_DEFAULT_PATH)
if(ZOVA_SYSTEM_LED_FONT)
  set(bundle_default OFF)
else()
  set(bundle_default ON)
endif()
option(ZOVA_BUNDLE_FONT "Install the bundled LED font (for systems without fonts-dseg)"
       ${bundle_default})
if(ZOVA_BUNDLE_FONT)
  # Beside the program in the build folder too, so it runs from there.
  configure_file(assets/fonts/DSEG14Classic-Regular.ttf ${CMAKE_BINARY_DIR}/led.ttf COPYONLY)
  install(FILES assets/fonts/DSEG14Classic-Regular.ttf DESTINATION ${CMAKE_INSTALL_DATADIR}/zova
          RENAME led.ttf)
  install(FILES assets/fonts/OFL.txt DESTINATION ${CMAKE_INSTALL_DATADIR}/zova)
endif()

# The man page, dated by debian/changelog's latest entry.
set(ZOVA_MAN ${CMAKE_BINARY_DIR}/zova.1)
set(ZOVA_CHANGELOG ${CMAKE_SOURCE_DIR}/debian/changelog)
find_program(GZIP gzip REQUIRED)
add_custom_command(
  OUTPUT ${ZOVA_MAN}.gz
  COMMAND ${CMAKE_COMMAND} -DZOVA=$<TARGET_FILE:zova> -DOUT=${ZOVA_MAN}
          -DCHANGELOG=${ZOVA_CHANGELOG} -P ${CMAKE_SOURCE_DIR}/cmake/manpage.cmake
  COMMAND ${GZIP} -9nf ${ZOVA_MAN}
  DEPENDS zova ${CMAKE_SOURCE_DIR}/cmake/manpage.cmake ${ZOVA_CHANGELOG}
  COMMENT "Writing the man page from zova --help")
add_custom_target(zova_man ALL DEPENDS ${ZOVA_MAN}.gz)
install(FILES ${ZOVA_MAN}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
# The copyright in Debian's machine-readable format: the program's licence and
# the bundled font's.
install(FILES debian/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})
