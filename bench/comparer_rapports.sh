#!/bin/sh
# Runs the report commands of two builds of vorek on the same generated logs, checks that
# they write and print the same bytes, and gives each command's time and peak memory (bytes
# of resident memory per QSO, from /usr/bin/time).
#
#     bench/comparer_rapports.sh AVANT/vorek APRES/vorek GENERATEUR [QSO...]
#
# GENERATEUR is the bench_generer_journal of a build; the logs hold 3000 and 100000 QSOs
# unless told otherwise. Both builds run in the same folder, one after the other, so that
# the paths they print are the same. Exit code 1 when any output differs.
set -eu

if [ $# -lt 3 ]; then
    echo "usage : $0 AVANT/vorek APRES/vorek GENERATEUR [QSO...]" >&2
    exit 2
fi
avant=$(realpath "$1")
apres=$(realpath "$2")
generateur=$(realpath "$3")
shift 3
tailles=${*:-3000 100000}
travail=$(mktemp -d)
trap '[ -n "${GARDER:-}" ] || rm -rf "$travail"' EXIT
jour=14/07/2025
moment=2025-07-14T10:00:00+02:00

# lancer NOM ARGUMENTS...: one command in $racine, its output, errors, exit code and measure
# kept under $racine/mesures.
lancer() {
    nom=$1
    shift
    set +e
    /usr/bin/time -f "%M %e" -o "$racine/mesures/$nom.temps" \
        "$vorek" --racine "$racine" --aujourdhui "$jour" "$@" \
        >"$racine/mesures/$nom.sortie" 2>"$racine/mesures/$nom.erreurs"
    echo $? >"$racine/mesures/$nom.code"
    set -e
}

executer() {
    vorek=$1
    journal=$racine/Fichiers_challenge/BANC.VRK
    mkdir -p "$racine/mesures"
    lancer rapport rapport "$journal"
    lancer export_adif export-adif "$journal" EXPORT.adi
    lancer export_ascii export-ascii "$journal"
    lancer score score "$journal"
    lancer verifier verifier "$journal"
    lancer message_cr message-cr "$journal" --de banc@exemple.fr --moment "$moment"
    lancer import_adif import-adif "$racine/Fichiers_challenge/EXPORT.adi"
}

ecarts=0
printf '%-12s %7s %9s %9s %11s %11s  %s\n' commande qso "avant s" "après s" "avant B/QSO" \
    "après B/QSO" sorties
for n in $tailles; do
    modele=$travail/modele_$n
    "$generateur" "$n" "$modele"
    racine=$travail/racine_$n
    for cote in avant apres; do
        rm -rf "$racine"
        cp -r "$modele" "$racine"
        if [ $cote = avant ]; then executer "$avant"; else executer "$apres"; fi
        mv "$racine" "$travail/${cote}_$n"
    done
    for mesure in "$travail/avant_$n"/mesures/*.temps; do
        nom=$(basename "$mesure" .temps)
        # The last line: a failing command's status comes before it.
        set -- $(tail -n 1 "$mesure") $(tail -n 1 "$travail/apres_$n/mesures/$nom.temps")
        pareil=identiques
        for f in sortie erreurs code; do
            cmp -s "$travail/avant_$n/mesures/$nom.$f" "$travail/apres_$n/mesures/$nom.$f" ||
                pareil="DIFFÉRENTES ($f)"
        done
        [ "$pareil" = identiques ] || ecarts=1
        printf '%-12s %7s %9s %9s %11s %11s  %s\n' "$nom" "$n" "$2" "$4" \
            $(($1 * 1024 / n)) $(($3 * 1024 / n)) "$pareil"
    done
    # Every file the commands wrote, and the logs they may have rewritten.
    if ! diff -r -x mesures "$travail/avant_$n" "$travail/apres_$n" >"$travail/diff_$n"; then
        echo "fichiers différents pour $n QSO :" >&2
        head -20 "$travail/diff_$n" >&2
        ecarts=1
    fi
done
exit $ecarts
