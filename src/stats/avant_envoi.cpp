#include "avant_envoi.h"

#include "textes_stats.h"

#include "base/dialogues.h"
#include "base/fichier_texte.h"
#include "mail/message_cr.h"

#include <algorithm>

namespace vorek {

namespace {

// Constats shown before a send: past this many, the list says how many more there are.
constexpr qsizetype constats_montres = 15;

// The attached report's lines, without their CR LF.
QStringList lignes_jointes(const QByteArray& octets) {
    QStringList lignes = depuis_cp1252(octets).split(QLatin1Char('\n'));
    if (!lignes.isEmpty() && lignes.last().isEmpty()) {
        lignes.removeLast();
    }
    for (QString& ligne : lignes) {
        if (ligne.endsWith(QLatin1Char('\r'))) {
            ligne.chop(1);
        }
    }
    return lignes;
}

} // namespace

bool envoyer_malgre_constats(const QList<Constat>& constats, Dialogues& dialogues) {
    if (constats.isEmpty()) {
        return true;
    }
    QStringList liste;
    for (qsizetype i = 0; i < std::min(constats.size(), constats_montres); ++i) {
        liste.append(texte_constat(constats[i]));
    }
    if (constats.size() > constats_montres) {
        liste.append(textes_stats::constats_de_plus(constats.size() - constats_montres));
    }
    return dialogues.confirmer(
        textes_stats::envoyer_quand_meme(liste.join(QLatin1Char('\n')), constats.size()));
}

QList<Constat> verifier_piece_jointe(const MessageCR& message, const SourceVerification& source) {
    if (!message.piece_jointe) {
        return {};
    }
    return verifier_lignes_cabrillo(lignes_jointes(message.piece_jointe->octets), source);
}

bool verifier_avant_envoi(const MessageCR& message, const SourceVerification& source,
                          Dialogues& dialogues) {
    return envoyer_malgre_constats(verifier_piece_jointe(message, source), dialogues);
}

} // namespace vorek
