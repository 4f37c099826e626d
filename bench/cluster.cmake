# Spots into the band map and a keystroke while they come, on the 10,000-QSO log, beside the
# plain reading of the rules (kept with the tests).
add_executable(bench_cluster ${CMAKE_CURRENT_LIST_DIR}/bench_cluster.cpp
    ${PROJECT_SOURCE_DIR}/tests/refdata/balayage_simple.cpp
    ${PROJECT_SOURCE_DIR}/tests/rules/score_litteral.cpp)
target_include_directories(bench_cluster PRIVATE
    ${PROJECT_SOURCE_DIR}/tests/refdata ${PROJECT_SOURCE_DIR}/tests/rules)
target_link_libraries(bench_cluster PRIVATE vorek_cluster vorek_test_commun benchmark::benchmark)
target_compile_definitions(bench_cluster PRIVATE
    VOREK_DONNEES_TEST="${PROJECT_SOURCE_DIR}/data")
