#!/usr/bin/env bash
# Starts the real program under Xvfb in a scratch program folder, fills the station window,
# creates a work file, goes to the main window, opens the radio and keyer settings, and saves a
# PNG of each window.
# Usage: scripts/captures.sh [BUILD_FOLDER] [OUTPUT_FOLDER]
# Needs xvfb, xdotool and imagemagick (import).
set -euo pipefail
racine="$(cd "$(dirname "$0")/.." && pwd)"
construction="${1:-$racine/build}"
sortie="$(mkdir -p "${2:-$construction/captures}" && cd "${2:-$construction/captures}" && pwd)"
programme_construit="$construction/src/challenge_vorek"
[ -x "$programme_construit" ] || { echo "absent : $programme_construit (construire d'abord)" >&2; exit 1; }
for outil in Xvfb xdotool import; do
    command -v "$outil" >/dev/null || { echo "outil manquant : $outil" >&2; exit 1; }
done

travail="$(mktemp -d)"
pids=()
nettoyer() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$travail"
}
trap nettoyer EXIT INT TERM

# A program folder of its own, with a local club server for the member database.
mkdir -p "$travail/prog/cfg" "$travail/site/Concours"
cp "$programme_construit" "$travail/prog/"
printf 'F5ABC,123,Jean DUPONT,Paris\r\nF6XYZ,456,Marie MARTIN,Lyon\r\n' \
    >"$travail/site/Concours/ZTC_mini_2021.csv"
printf 'Domaine;Serveur;Port\r\nfree;smtp.free.fr;25\r\n' >"$travail/prog/cfg/SMTP.csv"
# Hamlib's dummy rig and a cwdaemon keyer, so that the status area shows.
printf '[Radio]\r\nModele=1\r\n[Manipulateur]\r\nType=cwdaemon\r\n' \
    >"$travail/prog/cfg/Challenge_VRK.ini"
port=$(/usr/bin/python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1",0)); print(s.getsockname()[1])')
/usr/bin/python3 -m http.server "$port" --bind 127.0.0.1 --directory "$travail/site" \
    >/dev/null 2>&1 &
pids+=($!)
printf '[serveurs]\r\nclub=http://127.0.0.1:%s\r\npays=http://127.0.0.1:%s\r\n' "$port" "$port" \
    >"$travail/prog/cfg/serveurs.ini"
sleep 1

ecran=:$((90 + RANDOM % 100))
Xvfb "$ecran" -screen 0 1920x1200x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
sleep 1
export DISPLAY="$ecran"
unset QT_QPA_PLATFORM
(cd "$travail/prog" && exec ./challenge_vorek) &
pids+=($!)

station=$(xdotool search --sync --onlyvisible --name "VOREK" | head -1)
sleep 1
xdotool windowfocus "$station"
xdotool type --delay 80 "F5ABC"
# Tab order: call, ZTC, address, OK, DXCC, exit, name, town, load, create, e-mail, SMTP,
# port. The name came from the member database.
xdotool key Tab Tab
xdotool type --delay 30 "1 rue de la Paix"
xdotool key Tab Tab Tab Tab Tab
xdotool type --delay 30 "75001 PARIS"
xdotool key Tab Tab space
sleep 2
xdotool type --delay 50 "ete_2025"
xdotool key Return
sleep 1
# Back on "Créer Fichier".
xdotool key Tab
xdotool type --delay 30 "f5abc@free.fr"
sleep 1
import -window "$station" "$sortie/fenetre_station.png"

# Round to OK.
xdotool key Tab Tab Tab Tab Tab Tab space
principale=$(xdotool search --sync --onlyvisible --name "ete_2025" | head -1)
sleep 1
import -window "$principale" "$sortie/fenetre_principale.png"

# The radio and keyer settings, from the "Radio" menu.
xdotool key alt+r Return
radio=$(xdotool search --sync --onlyvisible --name "Radio et manipulateur" | head -1)
sleep 1
import -window "$radio" "$sortie/fenetre_radio.png"
echo "$sortie/fenetre_station.png"
echo "$sortie/fenetre_principale.png"
echo "$sortie/fenetre_radio.png"
