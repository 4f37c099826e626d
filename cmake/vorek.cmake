# vorek_test(NAME SOURCES... LIBS libs...): one Qt Test executable registered with CTest.
# Tests run in the build folder with the shipped data folder and the project root known,
# off screen on one 1920x1080 screen (the windows are fitted to the screen they open on),
# with a user's data folder of their own in the build folder.
function(vorek_test nom)
    cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${nom} ${T_SOURCES})
    target_link_libraries(${nom} PRIVATE Qt6::Test ${T_LIBS})
    target_compile_definitions(${nom} PRIVATE
        VOREK_DONNEES_TEST="${PROJECT_SOURCE_DIR}/data"
        VOREK_RACINE_PROJET="${PROJECT_SOURCE_DIR}")
    # The shipped data beside the executable, as the program has it.
    vorek_copier_donnees(${nom})
    add_test(NAME ${nom} COMMAND ${nom})
    # The user's data folder (the diagnostic log of the tools a test runs) inside the build.
    set_tests_properties(${nom} PROPERTIES ENVIRONMENT
        "QT_QPA_PLATFORM=offscreen:configfile=${PROJECT_SOURCE_DIR}/tests/ecrans/1920x1080.json;XDG_DATA_HOME=${PROJECT_BINARY_DIR}/donnees_essai/${nom}")
endfunction()

# vorek_ne_lie_pas(CIBLE INTERDITES...): stops the configuration when CIBLE reaches one of
# INTERDITES through its link line, directly or through the libraries it links. The link
# lines are the layering; this keeps a library from quietly growing a link upward.
function(vorek_ne_lie_pas cible)
    set(a_voir ${cible})
    set(vues "")
    while(a_voir)
        list(POP_FRONT a_voir courante)
        if(courante IN_LIST vues OR NOT TARGET ${courante})
            continue()
        endif()
        list(APPEND vues ${courante})
        get_target_property(liens ${courante} LINK_LIBRARIES)
        get_target_property(liens_interface ${courante} INTERFACE_LINK_LIBRARIES)
        foreach(lien IN LISTS liens liens_interface)
            string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" lien "${lien}")
            if(lien IN_LIST ARGN)
                message(FATAL_ERROR "${cible} ne doit pas lier ${lien} (par ${courante})")
            endif()
            list(APPEND a_voir ${lien})
        endforeach()
    endwhile()
endfunction()
