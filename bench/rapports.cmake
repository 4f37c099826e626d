# A program folder with a log of N QSOs for bench/comparer_rapports.sh, which compares the
# outputs of the report commands of two builds and measures their time and peak memory.
add_executable(bench_generer_journal ${CMAKE_CURRENT_LIST_DIR}/generer_journal.cpp)
target_link_libraries(bench_generer_journal PRIVATE vorek_log vorek_refdata vorek_rules
    benchmark::benchmark)
target_compile_definitions(bench_generer_journal PRIVATE
    VOREK_DONNEES_TEST="${PROJECT_SOURCE_DIR}/data")
