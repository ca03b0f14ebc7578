pmlina_add_bench(bench_screens SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_screens.cpp LIBS pmlina_gui)
