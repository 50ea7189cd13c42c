# The Debian package: `cpack` in the release build writes vimo_<version>_<arch>.deb (scripts/package.sh puts it
# into build/package).
# Its dependencies are computed from the programs' libraries (dpkg-shlibdeps), plus the Qt SQLite driver, a plugin
# that the logbook loads at run time and so no library lookup can find.
if(NOT UNIX OR APPLE)
  return()
endif()

set(VIMO_MAINTAINER "Brennick <support@vimo-altimeter.example>")

# The release date as a Debian changelog writes it: "Tue, 08 Dec 2026 00:00:00 +0000".
string(REGEX MATCH "^([0-9]+)-([0-9]+)-([0-9]+)$" date_ok "${VIMO_RELEASE_DATE}")
if(NOT date_ok)
  message(FATAL_ERROR "VIMO_RELEASE_DATE must read yyyy-mm-dd, not '${VIMO_RELEASE_DATE}'")
endif()
math(EXPR year "${CMAKE_MATCH_1}")
math(EXPR month "${CMAKE_MATCH_2}")
math(EXPR day "${CMAKE_MATCH_3}")
set(y ${year})
set(m ${month})
if(m LESS 3)  # Zeller's congruence counts January and February as months 13 and 14 of the year before
  math(EXPR m "${m} + 12")
  math(EXPR y "${y} - 1")
endif()
math(EXPR weekday "(${day} + (13 * (${m} + 1)) / 5 + ${y} + ${y} / 4 - ${y} / 100 + ${y} / 400) % 7")
set(weekdays Sat Sun Mon Tue Wed Thu Fri)
list(GET weekdays ${weekday} weekday_name)
math(EXPR month_index "${month} - 1")
set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
list(GET months ${month_index} month_name)
set(day_text ${day})
if(day LESS 10)
  set(day_text "0${day}")
endif()
set(VIMO_RELEASE_DATE_RFC2822 "${weekday_name}, ${day_text} ${month_name} ${year} 00:00:00 +0000")

# A Debian package names its maker and history in its documentation folder.
set(generated ${PROJECT_BINARY_DIR}/dist)
configure_file(${PROJECT_SOURCE_DIR}/dist/linux/changelog.in ${generated}/changelog @ONLY)
add_custom_command(OUTPUT ${generated}/changelog.gz
  COMMAND ${VIMO_GZIP} -9nf -k ${generated}/changelog
  DEPENDS ${generated}/changelog VERBATIM)
add_custom_target(vimo_changelog ALL DEPENDS ${generated}/changelog.gz)
install(FILES ${generated}/changelog.gz ${PROJECT_SOURCE_DIR}/dist/linux/copyright
        DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vimo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Brennick)
set(CPACK_PACKAGE_CONTACT "${VIMO_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "download, plot and configure the Vimo altitude recorder")
set(CPACK_PACKAGE_DESCRIPTION
    "Vimo is the desktop companion of the Vimo module, a barometric altitude
recorder carried in model aircraft. It reads the module's identity and
configuration, downloads recorded flights, plots their altitude over time,
keeps them as CSV files, exports and prints plots, and updates the module's
firmware.

The package holds the desktop program vimo, the command-line companion
vimo-cli and vimo-sim, a simulated module on a pseudo-terminal for trying Vimo
without one.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://www.vimo-altimeter.example")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS OFF)
include(CPack)
