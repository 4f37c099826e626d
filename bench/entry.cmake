# The entry's keystroke look-up and the commit on a 10,000-QSO log, each beside the plain
# reading of the rules (kept with the tests) on the same data.
add_executable(bench_entry ${CMAKE_CURRENT_LIST_DIR}/bench_entry.cpp
    ${PROJECT_SOURCE_DIR}/tests/refdata/balayage_simple.cpp
    ${PROJECT_SOURCE_DIR}/tests/rules/score_litteral.cpp)
target_include_directories(bench_entry PRIVATE
    ${PROJECT_SOURCE_DIR}/tests/refdata ${PROJECT_SOURCE_DIR}/tests/rules)
target_link_libraries(bench_entry PRIVATE vorek_entry vorek_test_commun benchmark::benchmark)
target_compile_definitions(bench_entry PRIVATE
    VOREK_DONNEES_TEST="${PROJECT_SOURCE_DIR}/data")
