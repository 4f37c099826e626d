# The committee's cross-check on 50 reports of 500 QSOs beside the plain pairwise scan (kept
# with the tests), and the generator of a whole contest's pile for a run of vorek corriger.
add_executable(bench_correction ${CMAKE_CURRENT_LIST_DIR}/bench_correction.cpp)
target_include_directories(bench_correction PRIVATE ${PROJECT_SOURCE_DIR}/tests/correction)
target_link_libraries(bench_correction PRIVATE vorek_test_correction benchmark::benchmark)

add_executable(generer_pile ${CMAKE_CURRENT_LIST_DIR}/generer_pile.cpp)
target_include_directories(generer_pile PRIVATE ${PROJECT_SOURCE_DIR}/tests/correction)
target_link_libraries(generer_pile PRIVATE vorek_test_correction)
