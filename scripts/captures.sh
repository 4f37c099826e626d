#!/usr/bin/env bash
# Starts the real program under Xvfb in a scratch program folder, fills the station window,
# creates a work file, goes to the main window, and saves PNGs: each window, and the whole
# screen (what lies off screen is missing there). One set per screen size.
# Usage: scripts/captures.sh [BUILD_FOLDER] [OUTPUT_FOLDER] [SIZE...]
# A size is WIDTHxHEIGHT, or WIDTHxHEIGHT@SCALE for a scale factor (default: 1366x768
# 1920x1080 1920x1080@1.5). Needs xvfb, xdotool and imagemagick (import).
set -euo pipefail
racine="$(cd "$(dirname "$0")/.." && pwd)"
construction="${1:-$racine/build}"
sortie="$(mkdir -p "${2:-$construction/captures}" && cd "${2:-$construction/captures}" && pwd)"
shift $(($# < 2 ? $# : 2))
tailles=("$@")
[ ${#tailles[@]} -gt 0 ] || tailles=(1366x768 1920x1080 1920x1080@1.5)
programme_construit="$construction/src/challenge_vorek"
[ -x "$programme_construit" ] || { echo "absent : $programme_construit (construire d'abord)" >&2; exit 1; }
for outil in Xvfb xdotool import; do
    command -v "$outil" >/dev/null || { echo "outil manquant : $outil" >&2; exit 1; }
done

travail="$(mktemp -d)"
pids=()
arreter() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    pids=()
}
nettoyer() {
    arreter
    rm -rf "$travail"
}
trap nettoyer EXIT INT TERM

# A local club server for the member database.
mkdir -p "$travail/site/Concours"
printf 'F5ABC,123,Jean DUPONT,Paris\r\nF6XYZ,456,Marie MARTIN,Lyon\r\n' \
    >"$travail/site/Concours/ZTC_mini_2021.csv"
port=$(/usr/bin/python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1",0)); print(s.getsockname()[1])')
/usr/bin/python3 -m http.server "$port" --bind 127.0.0.1 --directory "$travail/site" \
    >/dev/null 2>&1 &
serveur=$!
trap 'kill $serveur 2>/dev/null || true; nettoyer' EXIT INT TERM

# A fresh program folder (the program beside its shipped data), so that every size starts
# as a first start would.
preparer_programme() {
    local prog="$1"
    rm -rf "$prog"
    mkdir -p "$prog/cfg"
    cp "$programme_construit" "$prog/"
    cp -r "$construction/src/data" "$prog/"
    printf 'Domaine;Serveur;Port\r\nfree;smtp.free.fr;25\r\n' >"$prog/cfg/SMTP.csv"
    printf '[serveurs]\r\nclub=http://127.0.0.1:%s\r\npays=http://127.0.0.1:%s\r\n' \
        "$port" "$port" >"$prog/cfg/serveurs.ini"
}

capturer() {
    local taille="$1" geometrie="${1%@*}" echelle=1
    [[ "$taille" == *@* ]] && echelle="${taille#*@}"
    local dossier="$sortie/$taille" prog="$travail/prog"
    mkdir -p "$dossier"
    preparer_programme "$prog"

    local ecran=":$((90 + RANDOM % 100))"
    Xvfb "$ecran" -screen 0 "${geometrie}x24" -nolisten tcp >/dev/null 2>&1 &
    pids+=($!)
    sleep 1
    export DISPLAY="$ecran"
    unset QT_QPA_PLATFORM
    (cd "$prog" && QT_SCALE_FACTOR="$echelle" exec ./challenge_vorek) &
    pids+=($!)

    local station
    station=$(xdotool search --sync --onlyvisible --name "VOREK" | head -1)
    sleep 1
    xdotool windowfocus "$station"
    # Tab order: call, ZTC, address, OK, DXCC, Annuler, name, town, load, create, e-mail.
    xdotool type --delay 60 "F5ABC"
    xdotool key Tab Tab
    xdotool type --delay 30 "1 rue de la Paix"
    xdotool key Tab Tab Tab Tab Tab
    xdotool type --delay 30 "75001 PARIS"
    xdotool key Tab Tab space
    sleep 2
    xdotool type --delay 50 "ete_2025"
    xdotool key Return
    sleep 1
    xdotool key Tab
    xdotool type --delay 30 "f5abc@free.fr"
    sleep 1
    import -window "$station" "$dossier/fenetre_station.png"
    import -window root "$dossier/ecran_station.png"

    # Back from the e-mail field to OK.
    xdotool key shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab space
    local principale
    principale=$(xdotool search --sync --onlyvisible --name "ete_2025" | head -1)
    sleep 1
    xdotool type --delay 60 "F6XYZ"
    sleep 1
    import -window "$principale" "$dossier/fenetre_principale.png"
    import -window root "$dossier/ecran_principale.png"

    xdotool key F1
    local aide
    if aide=$(timeout 10 xdotool search --sync --onlyvisible --name "Aide" | head -1) &&
        [ -n "$aide" ]; then
        sleep 1
        import -window "$aide" "$dossier/fenetre_aide.png"
        import -window root "$dossier/ecran_aide.png"
        xdotool key Escape
    fi
    arreter
    sleep 1
    ls "$dossier"/*.png
}

for taille in "${tailles[@]}"; do
    capturer "$taille"
done
