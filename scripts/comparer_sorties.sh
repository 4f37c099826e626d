#!/usr/bin/env bash
# Runs every vorek command that writes or prints something on the logs of journal_essai.py
# and keeps what each printed (stdout, stderr, exit code) and wrote, so that two builds can
# be compared byte for byte:
#
#   scripts/comparer_sorties.sh VOREK SORTIE [REFERENCE]
#
# VOREK is the tool (build/src/cli/vorek), SORTIE a folder made anew. With REFERENCE (the
# SORTIE of an earlier run) the two are compared and the script fails on any difference.
set -euo pipefail

vorek=$(realpath "$1")
sortie=$(realpath -m "$2")
reference=${3:-}
ici=$(dirname "$(realpath "$0")")

rm -rf "$sortie"
mkdir -p "$sortie/resultats"
racine="$sortie/programme"
python3 "$ici/journal_essai.py" "$racine"
challenge="$racine/Fichiers_challenge"

# One run: its name, then the command's arguments. The program folder's path reads as
# @RACINE@ and SORTIE as @SORTIE@, so that two runs in two folders compare.
lancer() {
    local nom=$1
    shift
    local code=0
    (cd "$racine" && "$vorek" --racine "$racine" --aujourdhui 15/08/2025 "$@") \
        >"$sortie/resultats/$nom.sortie" 2>"$sortie/resultats/$nom.erreurs" || code=$?
    echo "$code" >"$sortie/resultats/$nom.code"
    sed -i -e "s#$racine#@RACINE@#g" -e "s#$sortie#@SORTIE@#g" "$sortie/resultats/$nom.sortie" "$sortie/resultats/$nom.erreurs"
}

# What a command wrote: copied aside under the run's name.
garder() {
    local nom=$1
    shift
    for f in "$@"; do
        if [[ -e $f ]]; then
            cp "$f" "$sortie/resultats/$nom.$(basename "$f")"
        fi
    done
}

for journal in GRAND HUIT DOUZE ILLISIBLE; do
    vrk="$challenge/$journal.VRK"
    lancer "resume-$journal" resume "$vrk"
    lancer "score-$journal" score "$vrk"
    cp "$vrk" "$sortie/$journal.copie"
    lancer "score-ecrire-$journal" score "$vrk" --ecrire
    garder "score-ecrire-$journal" "$vrk"
    cp "$sortie/$journal.copie" "$vrk"
    lancer "rapport-$journal" rapport "$vrk"
    garder "rapport-$journal" "$challenge/$journal.LOG" "$challenge/$journal.TXT" \
        "$challenge/$journal.ADI"
    lancer "export-adif-$journal" export-adif "$vrk" "EXPORT-$journal.adi"
    garder "export-adif-$journal" "$challenge/EXPORT-$journal.adi"
    lancer "export-ascii-$journal" export-ascii "$vrk"
    garder "export-ascii-$journal" "$challenge/$journal.ASC"
    lancer "stats-$journal" stats "$vrk"
    lancer "stats-csv-$journal" stats "$vrk" --csv
    lancer "verifier-$journal" verifier "$vrk"
    lancer "message-cr-$journal" message-cr "$vrk" --moment 2025-08-15T10:00:00+02:00
    lancer "graphique-$journal" graphique "$vrk" "$sortie/resultats/graphique-$journal.png"
    lancer "graphique-jour-$journal" graphique "$vrk" \
        "$sortie/resultats/graphique-jour-$journal.png" --jour 14/07/2025
    cp "$sortie/$journal.copie" "$vrk"
done

grand="$challenge/GRAND.VRK"
i=0
for appel in F8ZTC F8ZTC/P X1NM F6XYZ F00 F00/P f00 "F0 0" DL11 JA44 EA833 ""; do
    for journal in GRAND HUIT; do
        for bande in 20m sat 1,2m 6m 2m 160m; do
            i=$((i + 1))
            lancer "apercu-$i" apercu "$challenge/$journal.VRK" "$appel" --bande "$bande" \
                --date 14/07/2025 --heure 10:00 --numero 7
        done
    done
    lancer "apercu-defaut-$i" apercu "$grand" "$appel" --date 14/07/2025 --heure 11:00
    lancer "partiel-$i" partiel "$appel" "$grand" --bande 20m --date 14/07/2025
    lancer "membre-$i" membre "$appel"
    lancer "pays-$i" pays "$appel"
    lancer "base-$i" base "$appel"
done
for fragment in F0 1 DL ZTC 0A; do
    lancer "partiel-$fragment" partiel "$fragment" "$grand"
done
lancer "email-valide" email-valide station@exemple.fr

adi="$racine/import/AUTRE.ADI"
lancer "import-nouveau" import-adif "$adi" --indicatif F6ABC
garder "import-nouveau" "$racine/import/AUTRE.VRK"
lancer "import-sans-station" import-adif "$adi" --ecraser
garder "import-sans-station" "$racine/import/AUTRE.VRK"
cp "$challenge/HUIT.VRK" "$sortie/HUIT.copie"
lancer "import-ajout" import-adif "$adi" --ajout "$challenge/HUIT.VRK" --ecraser
garder "import-ajout" "$racine/import/AUTRE.VRK" "$challenge/HUIT.VRK"
cp "$sortie/HUIT.copie" "$challenge/HUIT.VRK"

# The committee's cross-check over the reports written above, ours and those of the
# imported log, each under its station's call.
mkdir -p "$sortie/cr"
cp "$sortie/resultats/rapport-GRAND.GRAND.LOG" "$sortie/cr/F6ABC.LOG"
lancer "rapport-import" rapport "$racine/import/AUTRE.VRK"
garder "rapport-import" "$racine/import/AUTRE.LOG"
if [[ -e "$racine/import/AUTRE.LOG" ]]; then
    sed 's/^CALLSIGN: .*/CALLSIGN: F0A/' "$racine/import/AUTRE.LOG" >"$sortie/cr/F0A.LOG"
fi
lancer "corriger" corriger "$sortie/cr" --sortie "$sortie/correction" --annee 2025
(cd "$sortie/correction" && for f in *; do cp "$f" "$sortie/resultats/corriger.$f"; done)

echo "$(find "$sortie/resultats" -type f | wc -l) sorties dans $sortie/resultats"
if [[ -n $reference ]]; then
    diff -r "$(realpath "$reference")/resultats" "$sortie/resultats"
    echo "identiques à $reference"
fi
