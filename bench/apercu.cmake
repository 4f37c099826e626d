# One keystroke with the preview and the partial check on a 10,000-QSO log, beside the plain
# reading of the rules (kept with the tests), and on a 100,000-QSO log.
add_executable(bench_apercu ${CMAKE_CURRENT_LIST_DIR}/bench_apercu.cpp
    ${PROJECT_SOURCE_DIR}/tests/refdata/balayage_simple.cpp
    ${PROJECT_SOURCE_DIR}/tests/rules/score_litteral.cpp)
target_include_directories(bench_apercu PRIVATE
    ${PROJECT_SOURCE_DIR}/tests/refdata ${PROJECT_SOURCE_DIR}/tests/rules)
target_link_libraries(bench_apercu PRIVATE vorek_entry vorek_test_commun benchmark::benchmark)
target_compile_definitions(bench_apercu PRIVATE
    VOREK_DONNEES_TEST="${PROJECT_SOURCE_DIR}/data")
