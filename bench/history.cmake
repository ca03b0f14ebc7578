# SPDX-License-Identifier: GPL-3.0-or-later
# The history screen listing a full data file, unfiltered and filtered, against reading the file.
pmlina_add_bench(bench_history SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_history.cpp LIBS pmlina_gui)
