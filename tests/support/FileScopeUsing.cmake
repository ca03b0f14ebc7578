# SPDX-License-Identifier: GPL-3.0-or-later
# The libraries are compiled a batch of files at a time (unity builds): a using-directive at file
# scope in one file reaches the files after it in its batch, whose own names may then clash with
# the names it brings in. Fails naming every library source that has one.
#   cmake -DROOT=<source folder> -P FileScopeUsing.cmake
file(GLOB_RECURSE sources ${ROOT}/src/*.cpp ${ROOT}/demo/*.cpp ${ROOT}/bench/*.cpp)
foreach(source ${sources})
  file(STRINGS ${source} directives REGEX "^using namespace ")
  if(directives)
    string(APPEND found "\n  ${source}")
  endif()
endforeach()
if(found)
  message(FATAL_ERROR "using-directives at file scope:${found}")
endif()
