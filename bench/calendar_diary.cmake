# SPDX-License-Identifier: GPL-3.0-or-later
# The calendar and diary screens built from a full data file, and one comment saved, against
# reading and rewriting that file.
pmlina_add_bench(bench_calendar_diary SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_calendar_diary.cpp LIBS pmlina_gui)
