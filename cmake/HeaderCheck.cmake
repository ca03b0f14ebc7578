# SPDX-License-Identifier: GPL-3.0-or-later
# Every header compiles on its own: one generated file per header that includes only it. The
# precompiled headers of the build would hide a Qt or project header that a header forgets; here
# only the standard library is precompiled (parsing it is most of the cost of each file, and the
# Qt headers include most of it anyway). Not part of the default build; CI builds the target
# `header_check`.
# The headers of the store and the formulas see Qt Core alone, so that a widget header cannot
# creep into those layers either.

function(pmlina_header_check target)
  cmake_parse_arguments(H "" "" "HEADERS;LIBS;INCLUDES" ${ARGN})
  set(sources)
  foreach(header ${H_HEADERS})
    file(RELATIVE_PATH relative ${CMAKE_SOURCE_DIR} ${header})
    string(MAKE_C_IDENTIFIER ${relative} id)
    set(source ${CMAKE_BINARY_DIR}/header_check/${id}.cpp)
    set(content "#include \"${header}\"\n")
    if(EXISTS ${source})
      file(READ ${source} existing)
    endif()
    if(NOT existing STREQUAL content)
      file(WRITE ${source} ${content})
    endif()
    list(APPEND sources ${source})
  endforeach()
  add_library(${target} OBJECT EXCLUDE_FROM_ALL ${sources})
  target_link_libraries(${target} PRIVATE ${H_LIBS})
  target_include_directories(${target} PRIVATE ${H_INCLUDES})
  target_compile_options(${target} PRIVATE -O0 -g0)
  set_target_properties(${target} PROPERTIES AUTOMOC OFF)
  target_precompile_headers(${target} PRIVATE <algorithm> <array> <cmath> <cstring> <functional> <map> <memory> <optional>
                            <utility> <vector>)
endfunction()

file(GLOB_RECURSE core_headers CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/store/*.h ${CMAKE_SOURCE_DIR}/src/metrics/*.h)
file(GLOB_RECURSE other_headers CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/src/screens/*.h ${CMAKE_SOURCE_DIR}/src/ui/*.h ${CMAKE_SOURCE_DIR}/src/app/*.h
  ${CMAKE_SOURCE_DIR}/demo/*.h ${CMAKE_SOURCE_DIR}/tests/*.h ${CMAKE_SOURCE_DIR}/bench/*.h ${CMAKE_SOURCE_DIR}/fuzz/*.h)

pmlina_header_check(pmlina_header_check_core HEADERS ${core_headers} LIBS pmlina_options Qt6::Core)
pmlina_header_check(pmlina_header_check_other HEADERS ${other_headers}
  LIBS pmlina_options Qt6::Test Qt6::Widgets Qt6::Charts Qt6::PrintSupport
  INCLUDES ${CMAKE_SOURCE_DIR}/tests ${CMAKE_SOURCE_DIR}/bench ${CMAKE_SOURCE_DIR}/demo)
add_custom_target(header_check)
add_dependencies(header_check pmlina_header_check_core pmlina_header_check_other)
