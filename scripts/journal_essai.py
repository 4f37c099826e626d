#!/usr/bin/env python3
"""Writes a program folder for comparing the outputs of two builds: a member database, a
DXCC list, the settings file's address, a 3,000-QSO log with odd cells (every band text and
some that are none, calls with blanks or small letters, empty calls, foreign characters,
remarks, numbers with a star), two small logs of 8 and 12 columns, a log with an unreadable
date and an ADIF file to import.

usage: journal_essai.py DOSSIER [QSO]
"""

import os
import random
import sys

BANDES = ["160m", "80m", "60m", "40m", "30m", "20m", "17m", "15m", "12m", "10m", "6m", "2m",
          "70cm", "23cm", "sat"]
BANDES_ETRANGES = ["SAT", "1,2m", "???", "33cm", "", " 20m", "20M", "13cm"]
LARGEURS = [131, 64, 96, 64, 75, 64, 64, 35, 231, 221]
NOMS = ["Jean Dupont", "Jérôme Lætitia", "Zoë Œuvray", "Ç'est ça; oui, non", "<b>Nom</b>",
        "Hans Müller", "  blancs  ", "€uro Sterling", ""]
NOTES = ["", "", "", "bon signal", " NM car non à jour", "QSB <EOR> fort", "é;,\"'",
         "  ", "x" * 60]


def ecrire(chemin, lignes):
    os.makedirs(os.path.dirname(chemin), exist_ok=True)
    with open(chemin, "wb") as f:
        for ligne in lignes:
            f.write(ligne.encode("cp1252", "replace") + b"\r\n")


def membres(g):
    lignes = ["F8ZTC,1,Club VOREK,x", "F6XYZ,,Sans Numero,x"]
    appels = []
    prefixes = ["F", "DL", "ON", "EA8", "JA", "K", "G", "I"]
    for i in range(1200):
        appel = "%s%d%s" % (prefixes[i % len(prefixes)], i % 10, format(i, "X"))
        appels.append(appel)
        lignes.append("%s,%d,%s,x" % (appel, 100 + i, NOMS[i % len(NOMS)].strip() or "Anonyme"))
    return lignes, appels


def dxcc():
    return ["F,France,F,EU,227", "DL,Germany,DL,EU,230", "ON,Belgium,ON,EU,209",
            "K,United States,K,NA,291", "W,United States,K,NA,291", "JA,Japan,JA,AS,339",
            "EA8,Canary Is.,EA8,AF,29", "G,England,G,EU,223", "I,Italy,I,EU,248"]


def appel_du_qso(g, appels, r):
    tirage = g.randrange(100)
    appel = appels[g.randrange(len(appels))]
    if tirage < 8:
        return appel + "/P"
    if tirage < 11:
        return "F8ZTC" if tirage < 10 else "F8ZTC/P"
    if tirage < 15:
        return "X%dNM" % r
    if tirage < 17:
        return appel.lower()
    if tirage < 18:
        return " " + appel
    if tirage < 19:
        return appel[:2] + " " + appel[2:]
    if tirage < 20:
        return ""
    if tirage < 21:
        return "F6XYZ"
    return appel


def qso(g, appels, r, colonnes):
    jour = 1 + g.randrange(62)
    mois = 7 if jour <= 31 else 8
    jour = jour if jour <= 31 else jour - 31
    annee = 2025
    if g.randrange(50) == 0:
        mois, jour = g.choice([(6, 30), (9, 1), (7, 1)])
    if g.randrange(100) == 0:
        annee = 2024
    heure = "%02d:%02d" % (g.randrange(24), g.randrange(60))
    if (mois, jour) == (7, 1) and g.randrange(2) == 0:
        heure = "00:00"
    bande = g.choice(BANDES) if g.randrange(12) else g.choice(BANDES_ETRANGES)
    rst = g.choice(["599", "599", "599", "5NN", "59", ""])
    numero = g.choice(["", "", "NM", "123*", "-1", str(g.randrange(2000))])
    cellules = ["%02d/%02d/%d" % (jour, mois, annee), heure, appel_du_qso(g, appels, r), bande,
                rst, g.choice(["599", "579", "599 "]), numero, str(g.randrange(20)),
                g.choice(NOMS), g.choice(NOTES)]
    cellules += ["extra%d" % c for c in range(10, colonnes)]
    return cellules[:colonnes]


def journal(g, appels, n, colonnes, station):
    lignes = [" (12/2023)"] + station + [str(colonnes), str(n + 2)]
    lignes += [str(LARGEURS[c] if c < len(LARGEURS) else 64) for c in range(colonnes)]
    entetes = [" Date", " Heure", " Call", " Bande", " RST_E", " RST_R", " N° ZTC", " Pts",
               " Nom", " Notes"] + ["Col%d" % c for c in range(10, colonnes)]
    lignes += entetes[:colonnes]
    for r in range(1, n + 1):
        lignes += qso(g, appels, r, colonnes)
    lignes += [""] * colonnes
    return lignes


def adif(g, appels):
    lignes = ["Fichier d'essai", "<ADIF_VER:5>3.1.0 <EOH>"]
    frequences = ["1.830", "3.520", "5.355", "7,012", "10.120", "14.025", "18.080", "21.050",
                  "24.900", "28.050", "29.5", "50.1", "52.5", "144.050", "147", "432.1",
                  "425", "903", "1296", "2320", "3400", "5760", "10368", "222", "abc", ""]
    for i in range(400):
        appel = appels[g.randrange(len(appels))] if i % 17 else "XX%dNM" % i
        champs = ["<CALL:%d>%s" % (len(appel), appel),
                  "<QSO_DATE:8>202507%02d" % (1 + i % 31),
                  "<TIME_ON:6>%02d%02d00" % (i % 24, i % 60)]
        if i % 3:
            f = frequences[i % len(frequences)]
            champs.append("<FREQ:%d>%s" % (len(f), f))
        else:
            b = (BANDES + ["1,2M", "SAT", "33CM"])[i % 18].upper()
            champs.append("<BAND:%d>%s" % (len(b), b))
        mode = "CW" if i % 11 else "SSB"
        champs += ["<MODE:%d>%s" % (len(mode), mode), "<RST_SENT:3>599", "<RST_RCVD:3>579"]
        if i % 5 == 0:
            nom = NOMS[i % len(NOMS)]
            champs.append("<NAME:%d>%s" % (len(nom), nom))
        lignes.append(" ".join(champs) + " <EOR>")
    lignes.append("<CALL:5>F5ABC <MODE:2>CW")
    return lignes


def main():
    dossier = sys.argv[1]
    n = int(sys.argv[2]) if len(sys.argv) > 2 else 3000
    g = random.Random(2025)
    base, appels = membres(g)
    ecrire(os.path.join(dossier, "Fichiers_BD", "ZTC_mini_2021.csv"), base)
    ecrire(os.path.join(dossier, "cfg", "DXCC.CSV"), dxcc())
    ecrire(os.path.join(dossier, "cfg", "Challenge_VRK.ini"),
           ["[My_EMAIL]", "AD=station@exemple.fr"])
    station = ["F6ABC", "Jérôme Émile", "12 rue de l'Église", "75001 Paris", "4242", "F"]
    challenge = os.path.join(dossier, "Fichiers_challenge")
    ecrire(os.path.join(challenge, "GRAND.VRK"), journal(g, appels, n, 10, station))
    ecrire(os.path.join(challenge, "HUIT.VRK"), journal(g, appels, 60, 8, station))
    ecrire(os.path.join(challenge, "DOUZE.VRK"), journal(g, appels, 60, 12, station))
    illisible = journal(g, appels, 30, 10, ["", "", "", "", "", ""])
    illisible[9 + 10 + 10 * 12] = "31/02/2025"
    ecrire(os.path.join(challenge, "ILLISIBLE.VRK"), illisible)
    ecrire(os.path.join(dossier, "import", "AUTRE.ADI"), adif(g, appels))


if __name__ == "__main__":
    main()
