# SPDX-License-Identifier: GPL-3.0-or-later
# The data store at its largest: two full data files read, appended to, inserted into and rewritten.
pmlina_add_bench(bench_store SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_store.cpp LIBS pmlina_store)
