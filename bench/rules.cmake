# The full rescoring of a 10,000-QSO log beside the plain reading of the rules (kept with
# the tests) on the same data.
add_executable(bench_rules ${CMAKE_CURRENT_LIST_DIR}/bench_rules.cpp
    ${PROJECT_SOURCE_DIR}/tests/refdata/balayage_simple.cpp
    ${PROJECT_SOURCE_DIR}/tests/rules/score_litteral.cpp)
target_include_directories(bench_rules PRIVATE
    ${PROJECT_SOURCE_DIR}/tests/refdata ${PROJECT_SOURCE_DIR}/tests/rules)
target_link_libraries(bench_rules PRIVATE vorek_rules benchmark::benchmark)
target_compile_definitions(bench_rules PRIVATE
    VOREK_DONNEES_TEST="${PROJECT_SOURCE_DIR}/data")
