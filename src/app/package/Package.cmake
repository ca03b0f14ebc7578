# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package made by `cpack` (see scripts/package): what the program needs besides what
# its binary links, and the files Debian expects of every package.

# The project has no address of its own yet: dpkg takes a Maintainer field that is a name alone.
# Whoever builds a package to hand out sets "Name <address>" here.
set(PMLINA_PACKAGE_MAINTAINER "Pmlina developers" CACHE STRING "The Maintainer field of the Debian package")
# A changelog's trailer line needs an address in angle brackets; without one it stays empty.
if(PMLINA_PACKAGE_MAINTAINER MATCHES "<.*>")
  set(PMLINA_CHANGELOG_MAINTAINER "${PMLINA_PACKAGE_MAINTAINER}")
else()
  set(PMLINA_CHANGELOG_MAINTAINER "${PMLINA_PACKAGE_MAINTAINER} <>")
endif()

# The changelog's date line names the weekday, which CMake cannot look up for a given day: count
# the days since 1970-01-01 (a Thursday) with the proleptic Gregorian calendar.
string(REGEX MATCH "^([0-9]+)-([0-9]+)-([0-9]+)$" _date "${PMLINA_RELEASE_DATE}")
math(EXPR _year "${CMAKE_MATCH_1}")
math(EXPR _month "1${CMAKE_MATCH_2} - 100") # no leading zero read as octal
math(EXPR _day "1${CMAKE_MATCH_3} - 100")
if(_month LESS_EQUAL 2)
  math(EXPR _y "${_year} - 1")
  math(EXPR _mp "${_month} + 9")
else()
  set(_y ${_year})
  math(EXPR _mp "${_month} - 3")
endif()
math(EXPR _era "${_y} / 400")
math(EXPR _yoe "${_y} - ${_era} * 400")
math(EXPR _doy "(153 * ${_mp} + 2) / 5 + ${_day} - 1")
math(EXPR _doe "${_yoe} * 365 + ${_yoe} / 4 - ${_yoe} / 100 + ${_doy}")
math(EXPR _days "${_era} * 146097 + ${_doe} - 719468")
math(EXPR _weekday "(${_days} + 4) % 7")
set(_weekdays "Sun;Mon;Tue;Wed;Thu;Fri;Sat")
list(GET _weekdays ${_weekday} _weekday_name)
math(EXPR _month_index "${_month} - 1")
set(_months "Jan;Feb;Mar;Apr;May;Jun;Jul;Aug;Sep;Oct;Nov;Dec")
list(GET _months ${_month_index} _month_name)
set(PMLINA_RELEASE_DATE_RFC2822 "${_weekday_name}, ${CMAKE_MATCH_3} ${_month_name} ${_year} 00:00:00 +0000")

configure_file(${CMAKE_CURRENT_LIST_DIR}/changelog.in ${CMAKE_CURRENT_BINARY_DIR}/changelog @ONLY)
add_custom_command(OUTPUT changelog.gz
  COMMAND gzip -9 -n -c changelog > changelog.gz
  DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/changelog
  WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
add_custom_target(pmlina_changelog ALL DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz)
add_dependencies(pmlina pmlina_changelog)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz ${CMAKE_CURRENT_LIST_DIR}/copyright
        DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pmlina)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_CONTACT "${PMLINA_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "diet diary for two partners")
# CPack puts the summary in the first line and indents the rest as Debian wants.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Pmlina (ポムリナ) is a desktop diary for two people who diet together. Each
partner records weight and body fat as often as several times a day, each
measurement with a situation and an optional one-line comment. It compares
both partners and shows the day's list and graph, the BMI judgement, the
history filtered by situation, weekday and period, the trend with its moving
average, analysis lists and a calendar.

All its text is Japanese. The data are plain Shift_JIS text files in the
user's data folder; measurements can be exchanged with other weight trackers
as CSV files.")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries come from the binary; the Japanese fonts and Qt's Japanese texts (context menus,
# standard buttons, the calendar) are read at run time, which no linker sees.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-noto-cjk, qt6-translations-l10n")
# pmlina_<version>_<arch>.deb
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_STRIP_FILES ON)
# What Debian's own packages leave out of a stripped binary as well: the compilers' version notes.
install(CODE "
  if(CMAKE_INSTALL_DO_STRIP)
    execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment --remove-section=.note
                            \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/pmlina\"
                    COMMAND_ERROR_IS_FATAL ANY)
  endif()")
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
