# The first keystroke after a commit, a load, an insertion, a sort and a member database
# replaced on disk, on 10,000- and 100,000-QSO logs.
add_executable(bench_premiere_frappe ${CMAKE_CURRENT_LIST_DIR}/bench_premiere_frappe.cpp
    ${PROJECT_SOURCE_DIR}/tests/refdata/balayage_simple.cpp
    ${PROJECT_SOURCE_DIR}/tests/rules/score_litteral.cpp)
target_include_directories(bench_premiere_frappe PRIVATE
    ${PROJECT_SOURCE_DIR}/tests/refdata ${PROJECT_SOURCE_DIR}/tests/rules)
target_link_libraries(bench_premiere_frappe PRIVATE vorek_logedit vorek_test_commun
    benchmark::benchmark)
target_compile_definitions(bench_premiere_frappe PRIVATE
    VOREK_DONNEES_TEST="${PROJECT_SOURCE_DIR}/data")
