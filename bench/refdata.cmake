# The plain top-down scan the indexed look-ups are compared with lives with the tests.
add_executable(bench_refdata ${CMAKE_CURRENT_LIST_DIR}/bench_refdata.cpp
    ${PROJECT_SOURCE_DIR}/tests/refdata/balayage_simple.cpp)
target_include_directories(bench_refdata PRIVATE ${PROJECT_SOURCE_DIR}/tests/refdata)
target_link_libraries(bench_refdata PRIVATE vorek_refdata benchmark::benchmark)
target_compile_definitions(bench_refdata PRIVATE
    VOREK_DONNEES_TEST="${PROJECT_SOURCE_DIR}/data")
