# The man pages, the package's documents, the Debian package and the checks
# of what an install puts where.

# `make install` and `make package` build what they install and no more.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

# Man pages and the changelog go compressed, as Debian keeps them.
set(quadrix_docs)
function(quadrix_gzip source destination)
  get_filename_component(name ${source} NAME)
  set(gz ${PROJECT_BINARY_DIR}/docs/${name}.gz)
  add_custom_command(
    OUTPUT ${gz}
    COMMAND ${CMAKE_COMMAND} -E copy ${source} ${PROJECT_BINARY_DIR}/docs/${name}
    COMMAND gzip -9nf ${PROJECT_BINARY_DIR}/docs/${name}
    DEPENDS ${source}
    VERBATIM)
  install(FILES ${gz} DESTINATION ${destination})
  set(quadrix_docs ${quadrix_docs} ${gz} PARENT_SCOPE)
endfunction()
quadrix_gzip(${PROJECT_SOURCE_DIR}/docs/man/quadrix.1 ${CMAKE_INSTALL_MANDIR}/man1)
quadrix_gzip(${PROJECT_SOURCE_DIR}/docs/man/quadrix-cli.1 ${CMAKE_INSTALL_MANDIR}/man1)
quadrix_gzip(${PROJECT_SOURCE_DIR}/docs/changelog ${CMAKE_INSTALL_DATADIR}/doc/quadrix)
add_custom_target(quadrix_docs ALL DEPENDS ${quadrix_docs})
install(FILES ${PROJECT_SOURCE_DIR}/docs/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quadrix)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quadrix)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "square and wheel charts for market analysts")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Quadrix draws the Square of Nine, the Square of Four, the Hexagon, the\n"
  "24-spoke Wheel and the Master chart, whose cells carry prices, dates and\n"
  "numbers, with calendar and angle rings, overlays, marks, lines and notes.\n"
  "It finds price and time targets, computes an astrology report and comes\n"
  "with a command-line tool, quadrix-cli, over the same chart engine.")
set(QUADRIX_MAINTAINER "Quadrix developers <quadrix@example.org>" CACHE STRING "Maintainer of the Debian package")
set(CPACK_PACKAGE_CONTACT ${QUADRIX_MAINTAINER})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
# The libraries come from the binaries; the data the program reads at run
# time does not: the Chinese and Latin fonts, the ephemeris files and Qt's
# own dialog translations.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-noto-cjk, fonts-dejavu-core, swe-basic-data, qt6-translations-l10n")
include(CPack)

if(BUILD_TESTING)
  add_test(NAME desktop_entry_valid
           COMMAND desktop-file-validate ${PROJECT_SOURCE_DIR}/res/desktop/io.github.quadrix.Quadrix.desktop)
  add_test(NAME metainfo_valid
           COMMAND appstreamcli validate --no-net ${PROJECT_SOURCE_DIR}/res/desktop/io.github.quadrix.Quadrix.metainfo.xml)
  add_test(NAME install_layout
           COMMAND ${PROJECT_SOURCE_DIR}/tests/check_install.sh ${CMAKE_COMMAND} ${PROJECT_BINARY_DIR})
endif()
