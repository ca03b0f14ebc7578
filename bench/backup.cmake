# SPDX-License-Identifier: GPL-3.0-or-later
# The daily backup of a full data folder, and a start that finds the day's backup made.
pmlina_add_bench(bench_backup SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_backup.cpp LIBS pmlina_store)
