# SPDX-License-Identifier: GPL-3.0-or-later
# An Apple Health export of a gigabyte imported against a bare XML pass; its peak memory.
pmlina_add_bench(bench_import SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_import.cpp LIBS pmlina_store)
