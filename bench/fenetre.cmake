# The real main window off screen on 10,000- and 100,000-QSO logs (keystroke and Return),
# beside the plain reading of the rules (kept with the tests) on the same data.
add_executable(bench_fenetre ${CMAKE_CURRENT_LIST_DIR}/bench_fenetre.cpp
    ${PROJECT_SOURCE_DIR}/tests/refdata/balayage_simple.cpp
    ${PROJECT_SOURCE_DIR}/tests/rules/score_litteral.cpp)
target_include_directories(bench_fenetre PRIVATE
    ${PROJECT_SOURCE_DIR}/tests/refdata ${PROJECT_SOURCE_DIR}/tests/rules)
target_link_libraries(bench_fenetre PRIVATE vorek_test_ui benchmark::benchmark)
target_compile_definitions(bench_fenetre PRIVATE
    VOREK_DONNEES_TEST="${PROJECT_SOURCE_DIR}/data" VOREK_RACINE_PROJET="${PROJECT_SOURCE_DIR}")
vorek_copier_donnees(bench_fenetre)
