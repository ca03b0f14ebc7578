# SPDX-License-Identifier: GPL-3.0-or-later
# The grid and the chart at their largest, filled the way the screens fill them.
pmlina_add_bench(bench_ui SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_ui.cpp LIBS pmlina_ui)
