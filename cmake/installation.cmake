# `cmake --install` and `cpack -G DEB`: the program and the command-line tool in bin/, the
# shipped data in share/challenge-vorek/ (the programs look for it there, relative to bin/;
# the mail-server table is copied from there into each user's cfg at the first start),
# and the desktop entry, icon and AppStream metadata where desktops look for them.
set(VOREK_ID org.vorek.ChallengeVorek)
set(VOREK_BUREAU ${PROJECT_SOURCE_DIR}/data/bureau)

install(TARGETS challenge_vorek vorek RUNTIME DESTINATION bin)
install(FILES ${PROJECT_SOURCE_DIR}/data/cty_wt_mod.dat
              ${PROJECT_SOURCE_DIR}/data/NOTICE-cty_wt_mod.txt
              ${PROJECT_SOURCE_DIR}/data/SMTP.csv
        DESTINATION share/challenge-vorek)
install(FILES ${VOREK_BUREAU}/${VOREK_ID}.desktop DESTINATION share/applications)
install(FILES ${VOREK_BUREAU}/${VOREK_ID}.svg DESTINATION share/icons/hicolor/scalable/apps)
install(FILES ${VOREK_BUREAU}/${VOREK_ID}.png DESTINATION share/icons/hicolor/256x256/apps)
install(FILES ${VOREK_BUREAU}/${VOREK_ID}.metainfo.xml DESTINATION share/metainfo)

set(CPACK_PACKAGE_NAME challenge-vorek)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Carnet de trafic du challenge d'été CW VOREK")
set(CPACK_PACKAGE_DESCRIPTION
    "Saisie des QSOs avec recherche à chaque touche, score en direct, journal
modifiable, comptes rendus Cabrillo, ADIF et texte, envoi du compte rendu par
courriel. Comprend l'outil en ligne de commande vorek.")
set(CPACK_PACKAGE_CONTACT "Challenge VOREK <challenge-vorek@vorek.invalid>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
# The libraries from the binaries themselves; Qt's platform plugins are no library the
# program links, yet it cannot open a window without them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
include(CPack)
