# The statistics of a 10,000-QSO log and the check of its Cabrillo report.
add_executable(bench_stats ${CMAKE_CURRENT_LIST_DIR}/bench_stats.cpp)
target_link_libraries(bench_stats PRIVATE vorek_stats benchmark::benchmark)
target_compile_definitions(bench_stats PRIVATE VOREK_DONNEES_TEST="${PROJECT_SOURCE_DIR}/data")
