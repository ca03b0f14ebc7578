# SPDX-License-Identifier: GPL-3.0-or-later
# The comparison screen built from two full data files, against reading those files.
pmlina_add_bench(bench_comparison SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_comparison.cpp LIBS pmlina_gui)
