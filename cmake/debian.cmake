# The Debian package: cpack -G DEB in a release build folder. The runtime
# dependencies are read from the binaries with dpkg-shlibdeps; the LED font
# comes from fonts-dseg, so the package ships no copy of it.
set(CPACK_PACKAGE_NAME zova)
set(CPACK_PACKAGE_VENDOR "The Zova developers")
set(CPACK_PACKAGE_CONTACT "The Zova developers <zova@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "scientific calculator with statistics and finance")
set(CPACK_PACKAGE_DESCRIPTION
    "Zova is a desktop scientific calculator with operator precedence, memory,
number bases with bitwise operations, fractions, a statistics register, time
value of money and amortization, a unit converter with a library of constants
and a periodic table with a molar-mass calculator. Every key has a keyboard
equivalent, and zova --keys runs key sequences without a window.")
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${CPACK_PACKAGE_CONTACT})
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://github.com/zova/zova)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window module lives in a private folder; dpkg-shlibdeps finds the
# libraries it needs all the same.
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-dseg)
# Qt's own translations: its standard buttons and dialogs in the window's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_STRIP_FILES ON)
set(CPACK_SET_DESTDIR OFF)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)

# The documents a Debian package carries: the copyright in the machine-readable
# format (the MIT licence, "Expat" to Debian), a changelog, and the man page,
# all gzipped with no time stamp except the copyright.
set(ZOVA_DOC ${CMAKE_BINARY_DIR}/doc)
file(READ ${CMAKE_SOURCE_DIR}/LICENSE licence)
string(REGEX REPLACE "^MIT License\n\nCopyright \\(c\\) ([^\n]*)\n\n" "" licence_terms "${licence}")
string(REGEX REPLACE "\n\n" "\n.\n" licence_terms "${licence_terms}")
string(REGEX REPLACE "\n([^\n])" "\n \\1" licence_terms " ${licence_terms}")
string(REGEX MATCH "Copyright \\(c\\) ([^\n]*)" _ "${licence}")
file(WRITE ${ZOVA_DOC}/copyright
     "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/
Upstream-Name: zova
Upstream-Contact: ${CPACK_PACKAGE_CONTACT}
Source: https://github.com/zova/zova

Files: *
Copyright: ${CMAKE_MATCH_1}
License: Expat
${licence_terms}")
configure_file(assets/debian/changelog ${ZOVA_DOC}/changelog.Debian @ONLY)

find_program(GZIP gzip REQUIRED)
add_custom_command(
  OUTPUT ${ZOVA_DOC}/changelog.Debian.gz ${ZOVA_MAN}.gz
  COMMAND ${GZIP} -9nkf ${ZOVA_DOC}/changelog.Debian
  COMMAND ${GZIP} -9nkf ${ZOVA_MAN}
  DEPENDS ${ZOVA_DOC}/changelog.Debian ${ZOVA_MAN}
  COMMENT "Compressing the man page and the changelog")
add_custom_target(zova_docs ALL DEPENDS ${ZOVA_DOC}/changelog.Debian.gz ${ZOVA_MAN}.gz)
install(FILES ${ZOVA_MAN}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${ZOVA_DOC}/copyright ${ZOVA_DOC}/changelog.Debian.gz
        DESTINATION ${CMAKE_INSTALL_DOCDIR})

include(CPack)
