#!/usr/bin/env bash
# Starts the real program under Xvfb in a scratch program folder, first as on a first start,
# then reopening a prepared session; goes to the main window, opens the help, the
# "Mises à jour" menu, the radio and keyer settings, the open dialog, the report e-mail
# window, the statistics (the table, every day's plot, one day's plot), the report check, the
# ADIF import choice, the committee's cross-check and the band map (fed by a local cluster),
# and saves PNGs: windows, and the whole screen (what lies off screen is
# missing there). One set per screen size.
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
# The user's data folder (where the diagnostic log goes) in the scratch folder too.
export XDG_DATA_HOME="$travail/donnees"
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
# A local cluster: the login prompt, then a recorded stream of spots.
port_cluster=$(/usr/bin/python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1",0)); print(s.getsockname()[1])')
/usr/bin/python3 - "$port_cluster" "$racine/tests/cluster/flux_cluster.txt" <<'PY' >/dev/null 2>&1 &
import socketserver, sys
flux = open(sys.argv[2], "rb").read()
class Cluster(socketserver.StreamRequestHandler):
    def handle(self):
        self.wfile.write(b"login: ")
        self.rfile.readline()
        self.wfile.write(b"\r\n" + flux)
        self.rfile.read()
socketserver.ThreadingTCPServer.allow_reuse_address = True
with socketserver.ThreadingTCPServer(("127.0.0.1", int(sys.argv[1])), Cluster) as s:
    s.serve_forever()
PY
cluster=$!
trap 'kill $serveur $cluster 2>/dev/null || true; nettoyer' EXIT INT TERM

# A fresh program folder (the program beside its shipped data), so that every size starts
# as a first start would.
preparer_programme() {
    local prog="$1"
    rm -rf "$prog"
    mkdir -p "$prog/cfg"
    cp "$programme_construit" "$prog/"
    # The shipped data, the mail-server table among it: the first start copies it into cfg.
    cp -r "$construction/src/data" "$prog/"
    printf '[serveurs]\r\nclub=http://127.0.0.1:%s\r\npays=http://127.0.0.1:%s\r\n' \
        "$port" "$port" >"$prog/cfg/serveurs.ini"
}

# A work file with two QSOs and the settings of a session left on it, so that the program
# reopens it (written as the program writes them: CP1252, CR LF).
preparer_seance() {
    local prog="$1"
    /usr/bin/python3 - "$prog" "$port_cluster" <<'PY'
import datetime, sys
prog, port_cluster = sys.argv[1], sys.argv[2]
# This year's contest, so that the QSOs count in the statistics.
an = str(datetime.date.today().year)
entetes = ["      DATE", "  Heure", "  INDICATIF", " BANDE", "RST env", "RST Reçu", "n° ZTC",
           " Pts", "       Nom", "                    NOTES"]
qsos = [["02/07/" + an, "10:00", "F6XYZ", "40m", "599", "599", "456", "3", "Marie MARTIN", ""],
        ["02/07/" + an, "14:10", "F5ABC", "20m", "599", "599", "123", "5", "Jean DUPONT", ""],
        ["03/07/" + an, "11:30", "DL1ABC", "20m", "599", "579", "NM", "0", "", "Non membre"]]
lignes = [" (12/2023)", "F5ABC", "Jean DUPONT", "1 rue de la Paix", "75001 PARIS", "123", "F",
          "10", str(len(qsos) + 2)]
lignes += ["131", "64", "96", "64", "75", "64", "64", "35", "231", "221"]
for ligne in [entetes] + qsos + [[""] * 10]:
    lignes += ligne
with open(prog + "/Fichiers_challenge/ete_2025.VRK", "wb") as f:
    f.write("".join(l + "\r\n" for l in lignes).encode("cp1252"))
with open(prog + "/cfg/Challenge_VRK.ini", "wb") as f:
    # Hamlib's dummy rig, so that the status area shows (no keyer: F1 stays the help).
    f.write(("[My_EMAIL]\r\nAD=f5abc@free.fr\r\n[Reprise]\r\nBande=20m\r\n"
             "Fichier=" + prog + "/Fichiers_challenge/ete_2025.VRK\r\n"
             "[Radio]\r\nModele=1\r\n"
             "[Cluster]\r\nHote=127.0.0.1\r\nPort=" + port_cluster + "\r\n").encode("utf-8"))
PY
}

# Starts the program in the prepared folder on the running display; sets programme to its
# process and station to its station window.
demarrer() {
    local prog="$1" echelle="$2"
    (cd "$prog" && QT_SCALE_FACTOR="$echelle" exec ./challenge_vorek) &
    programme=$!
    pids+=($programme)
    station=$(xdotool search --sync --onlyvisible --name "VOREK" | head -1)
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

    # A first start: the station window as a new operator sees it, an address typed.
    local station programme
    demarrer "$prog" "$echelle"
    sleep 2
    xdotool windowfocus --sync "$station"
    # Tab order from the call: ZTC, address, OK, DXCC, exit, name, town, the two file
    # buttons, then the e-mail address.
    xdotool key Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab
    xdotool type --delay 40 "f5xyz@free.fr"
    sleep 1
    import -window root "$dossier/ecran_premier_demarrage.png"
    kill "$programme"
    wait "$programme" 2>/dev/null || true

    # The next start reopens the last session's file and band.
    preparer_seance "$prog"
    demarrer "$prog" "$echelle"
    # The member database is there now: "Non" to the update question.
    sleep 1
    xdotool key alt+n
    station=$(xdotool search --sync --onlyvisible --name "CHALLENGE d" | head -1)
    sleep 2
    import -window "$station" "$dossier/fenetre_station.png"
    import -window root "$dossier/ecran_station.png"
    # Tab order from the call: ZTC, address, OK.
    xdotool windowfocus --sync "$station"
    xdotool key Tab Tab Tab space
    local principale
    principale=$(timeout 20 xdotool search --sync --onlyvisible --name "ete_2025" | head -1)
    [ -n "$principale" ] || { echo "$taille : fenêtre principale absente" >&2; arreter; return; }
    sleep 1
    xdotool type --delay 60 "F6XYZ"
    sleep 1
    import -window "$principale" "$dossier/fenetre_principale.png"
    import -window root "$dossier/ecran_principale.png"

    xdotool key F1
    local aide
    aide=$(timeout 10 xdotool search --sync --onlyvisible --name "Aide" | head -1) || true
    if [ -n "$aide" ]; then
        sleep 1
        import -window root "$dossier/ecran_aide.png"
        xdotool key Escape
    fi
    # The "Mises à jour" menu, the menu bar's third title.
    xdotool mousemove --window "$principale" "$(awk "BEGIN { print int(210 * $echelle) }")" \
        "$(awk "BEGIN { print int(8 * $echelle) }")" click 1
    sleep 1
    import -window root "$dossier/ecran_menu_mises_a_jour.png"
    xdotool key Escape Escape

    # The radio and keyer settings, from the "Radio" menu.
    xdotool key alt+r Return
    local radio
    radio=$(timeout 10 xdotool search --sync --onlyvisible --name "Radio et manipulateur" |
        head -1) || true
    if [ -n "$radio" ]; then
        sleep 1
        import -window "$radio" "$dossier/fenetre_radio.png"
        xdotool key Escape
    fi
    # "Import ADIF", the first item of the menu bar's second title; Escape closes it.
    local choix_adif
    xdotool windowraise "$principale"
    xdotool windowfocus --sync "$principale"
    xdotool mousemove --window "$principale" "$(awk "BEGIN { print int(100 * $echelle) }")" \
        "$(awk "BEGIN { print int(8 * $echelle) }")" click 1
    sleep 1
    xdotool key Down Return
    choix_adif=$(timeout 10 xdotool search --sync --onlyvisible --name "IMPORTATION ADIF" | head -1) || true
    if [ -n "$choix_adif" ]; then
        sleep 1
        import -window "$choix_adif" "$dossier/fenetre_choix_adif.png"
        import -window root "$dossier/ecran_choix_adif.png"
        xdotool windowfocus --sync "$choix_adif" key Escape
        sleep 1
        xdotool search --onlyvisible --name "IMPORTATION ADIF" >/dev/null &&
            echo "$taille : Échap ne ferme pas IMPORTATION ADIF" >&2
    fi
    # "&Ouvrir..." of the "&Fichier" menu, the menu bar's first title (Alt+F is also
    # "&Fermer"): Qt's file dialog, in French.
    xdotool mousemove --window "$principale" "$(awk "BEGIN { print int(30 * $echelle) }")" \
        "$(awk "BEGIN { print int(8 * $echelle) }")" click 1
    sleep 1
    xdotool key o
    sleep 2
    import -window root "$dossier/ecran_ouvrir.png"
    xdotool key Escape
    # "CR" of the tool bar: the report e-mail window.
    xdotool mousemove --window "$principale" "$(awk "BEGIN { print int(613 * $echelle) }")" \
        "$(awk "BEGIN { print int(34 * $echelle) }")" click 1
    local envoi
    envoi=$(timeout 10 xdotool search --sync --onlyvisible --name "Envoi du Compte Rendu" |
        head -1) || true
    if [ -n "$envoi" ]; then
        sleep 1
        import -window "$envoi" "$dossier/fenetre_envoi_cr.png"
        import -window root "$dossier/ecran_envoi_cr.png"
    fi
    # Keyboard only from here: the windows opened so far may cover the main window.
    # The statistics (the table, then the hourly plot) and the report check, from their menu.
    local statistiques verification
    xdotool windowfocus --sync "$principale"
    xdotool key alt+s Return
    statistiques=$(timeout 10 xdotool search --sync --onlyvisible --name "^Statistiques$" | head -1) || true
    if [ -n "$statistiques" ]; then
        sleep 1
        import -window "$statistiques" "$dossier/fenetre_statistiques.png"
        xdotool key ctrl+Tab
        sleep 1
        import -window "$statistiques" "$dossier/fenetre_graphique.png"
        # The day list has the focus on that tab: the first day that holds QSOs.
        xdotool key Tab Down
        sleep 1
        import -window "$statistiques" "$dossier/fenetre_graphique_jour.png"
        import -window root "$dossier/ecran_statistiques.png"
    fi
    xdotool windowfocus --sync "$principale"
    xdotool key alt+s Down Return
    verification=$(timeout 10 xdotool search --sync --onlyvisible --name "rifier le compte rendu" | head -1) || true
    if [ -n "$verification" ]; then
        sleep 1
        import -window "$verification" "$dossier/fenetre_verification.png"
        import -window root "$dossier/ecran_verification.png"
        xdotool key Escape
    fi
    # The committee's cross-check, last item of the same menu: the folder asked for, the
    # run's progress over a generated pile of reports, then "Annuler".
    xdotool windowfocus --sync "$principale"
    xdotool key alt+s
    sleep 1
    import -window root "$dossier/ecran_menu_statistiques.png"
    xdotool key Escape
    if [ -d "$travail/pile/cr" ]; then
        xdotool windowfocus --sync "$principale"
        xdotool key alt+s Up Return
        local choix progression
        choix=$(timeout 10 xdotool search --sync --onlyvisible --name "Dossier des comptes rendus" |
            head -1) || true
        if [ -n "$choix" ]; then
            sleep 1
            import -window "$choix" "$dossier/fenetre_dossier_correction.png"
            xdotool type --delay 20 "$travail/pile/cr/"
            xdotool key Return
            progression=$(timeout 20 xdotool search --sync --onlyvisible \
                --name "^Correction des comptes rendus$" | head -1) || true
            if [ -n "$progression" ]; then
                sleep 1
                import -window "$progression" "$dossier/fenetre_progression_correction.png"
                import -window root "$dossier/ecran_progression_correction.png"
                xdotool key Escape
                sleep 3
                import -window root "$dossier/ecran_correction_annulee.png"
                xdotool key Return
            fi
        fi
    fi
    # The band map, from the "Radio" menu, fed by the local cluster.
    xdotool windowfocus --sync "$principale"
    xdotool key alt+r Down Return
    local carte
    carte=$(timeout 10 xdotool search --sync --onlyvisible --name "Carte des bandes" | head -1) || true
    if [ -n "$carte" ]; then
        sleep 2
        import -window "$carte" "$dossier/fenetre_carte.png"
        import -window root "$dossier/ecran_carte.png"
    fi
    arreter
    sleep 1
    ls "$dossier"/*.png
}

# A pile of reports for the cross-check's progress, when the benchmarks are built.
if [ -x "$construction/bench/generer_pile" ]; then
    "$construction/bench/generer_pile" "$travail/pile" 300 0.8 >/dev/null
fi
for taille in "${tailles[@]}"; do
    capturer "$taille"
done
