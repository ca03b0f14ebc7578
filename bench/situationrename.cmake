# SPDX-License-Identifier: GPL-3.0-or-later
# Renaming a situation throughout a full data file, against the store's whole-file rewrite.
pmlina_add_bench(bench_situationrename SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_situationrename.cpp LIBS pmlina_store)
