add_executable(bench_log ${CMAKE_CURRENT_LIST_DIR}/bench_log.cpp)
target_link_libraries(bench_log PRIVATE vorek_log benchmark::benchmark)
