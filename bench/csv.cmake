# SPDX-License-Identifier: GPL-3.0-or-later
# CSV out and in at the largest: a full data file exported, and imported into an empty partner.
pmlina_add_bench(bench_csv SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_csv.cpp LIBS pmlina_store)
