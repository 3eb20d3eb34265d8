# What `cmake --install` adds beside the programs (manual pages, licence, changelog), and the
# Debian package CPack makes of it all: `cpack -G DEB` in a Release build folder gives
# wuziqi_<version>_amd64.deb. Included from the top-level CMakeLists.txt.
include(GNUInstallDirs)
find_program(WUZIQI_GZIP gzip REQUIRED)

set(WUZIQI_PACKAGING_DIR ${CMAKE_CURRENT_LIST_DIR})
set(WUZIQI_PACKAGING_OUT ${CMAKE_BINARY_DIR}/packaging)
set(WUZIQI_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/wuziqi)
# The package's maintainer, also named in the copyright file.
set(CPACK_PACKAGE_CONTACT "Wuziqi developers <developers@wuziqi.example.org>")

# Debian's copyright file, in its machine-readable form, around the licence text of LICENSE:
# every line indented by one space and an empty line written as " .".
file(READ ${PROJECT_SOURCE_DIR}/LICENSE WUZIQI_LICENSE)
string(REGEX REPLACE "\n+$" "" WUZIQI_LICENSE "${WUZIQI_LICENSE}")
string(REPLACE "\n\n" "\n.\n" WUZIQI_LICENSE "${WUZIQI_LICENSE}")
string(REPLACE "\n" "\n " WUZIQI_LICENSE " ${WUZIQI_LICENSE}")
configure_file(${WUZIQI_PACKAGING_DIR}/debian/copyright.in ${WUZIQI_PACKAGING_OUT}/copyright @ONLY)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/LICENSE)

# The manual pages carry the version; they and the changelog are installed gzipped, without a
# time stamp in the gzip header, as Debian wants them.
set(WUZIQI_GZIPPED)
foreach(page wuziqi pbrain-wuziqi)
  configure_file(${WUZIQI_PACKAGING_DIR}/man/${page}.6.in ${WUZIQI_PACKAGING_OUT}/${page}.6 @ONLY)
  list(APPEND WUZIQI_GZIPPED ${WUZIQI_PACKAGING_OUT}/${page}.6)
endforeach()
# pbrain-wuziqi-master is described on pbrain-wuziqi's page.
file(WRITE ${WUZIQI_PACKAGING_OUT}/pbrain-wuziqi-master.6 ".so man6/pbrain-wuziqi.6\n")
list(APPEND WUZIQI_GZIPPED ${WUZIQI_PACKAGING_OUT}/pbrain-wuziqi-master.6)
configure_file(${WUZIQI_PACKAGING_DIR}/debian/changelog ${WUZIQI_PACKAGING_OUT}/changelog COPYONLY)
list(APPEND WUZIQI_GZIPPED ${WUZIQI_PACKAGING_OUT}/changelog)

set(WUZIQI_GZIP_OUTPUTS)
foreach(plain IN LISTS WUZIQI_GZIPPED)
  add_custom_command(OUTPUT ${plain}.gz
                     COMMAND ${WUZIQI_GZIP} -9 -n -f -k ${plain}
                     DEPENDS ${plain}
                     COMMENT "Compressing ${plain}")
  list(APPEND WUZIQI_GZIP_OUTPUTS ${plain}.gz)
endforeach()
add_custom_target(wuziqi_packaging_files ALL DEPENDS ${WUZIQI_GZIP_OUTPUTS})

install(FILES ${WUZIQI_PACKAGING_OUT}/pbrain-wuziqi.6.gz ${WUZIQI_PACKAGING_OUT}/pbrain-wuziqi-master.6.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
if(WUZIQI_BUILD_GUI)
  install(FILES ${WUZIQI_PACKAGING_OUT}/wuziqi.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
endif()
install(FILES ${WUZIQI_PACKAGING_OUT}/copyright DESTINATION ${WUZIQI_DOC_DIR})
# A package without a Debian revision is a native one, whose changelog is changelog.gz.
install(FILES ${WUZIQI_PACKAGING_OUT}/changelog.gz DESTINATION ${WUZIQI_DOC_DIR})

# The Debian package.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME wuziqi)
set(CPACK_PACKAGE_VENDOR "Wuziqi developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "five in a row (Gomoku) against the computer or a friend")
# CPack puts the summary above this and indents it as Debian wants.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "A five-in-a-row game on a 15x15 board, in Chinese or English, against a
computer player that announces the forced wins its threat search finds, or
between two players, with saved games, hints and a clock for each side.

Also contains pbrain-wuziqi and pbrain-wuziqi-master, the computer player as
Gomocup engines for tournament managers.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries come from dpkg-shlibdeps (Debian's libqt6gui6 holds the X11 platform plugin
# too); what the program needs beyond them is named here: the Chinese font.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-noto-cjk")
# Qt's own dialogs and buttons in Chinese.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
