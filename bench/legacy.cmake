# SPDX-License-Identifier: GPL-3.0-or-later
# Converting older weight histories of the maximum size, and what looking for them adds to every start.
pmlina_add_bench(bench_legacy SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_legacy.cpp LIBS pmlina_store)
