# SPDX-License-Identifier: GPL-3.0-or-later
# The trend graph and the analysis lists built from a full data file, against reading the file.
pmlina_add_bench(bench_trend SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_trend.cpp LIBS pmlina_gui)
