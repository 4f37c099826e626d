#include "message_cr.h"

#include "adresse_email.h"
#include "base/erreur.h"
#include "base/fichier_texte.h"
#include "encodage_mime.h"
#include "textes_mail.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <memory>

namespace vorek {

namespace {

using textes_mail::texte;

QByteArray lire_fichier(const QString& chemin) {
    errno = 0;
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> fichier(
        std::fopen(QFile::encodeName(chemin).constData(), "rb"), &std::fclose);
    QByteArray octets;
    char tampon[65536];
    size_t lus = 0;
    while (fichier && (lus = std::fread(tampon, 1, sizeof tampon, fichier.get())) > 0) {
        octets.append(tampon, qsizetype(lus));
    }
    if (!fichier || std::ferror(fichier.get())) {
        throw Erreur(texte(textes_mail::lecture_piece_jointe)
                         .arg(chemin, message_erreur_es(errno != 0 ? errno : EIO)));
    }
    return octets;
}

} // namespace

MessageCR composer_message_cr(const Station& station, const ChampsMessageCR& champs) {
    const QString call = sans_controle(station.station_call);
    MessageCR m;
    m.de = station.station_email;
    m.repondre_a = station.station_email;
    changer_destinataire(m, champs.adresse_destinataire);
    m.cc = station.station_email;
    m.date = champs.moment;
    m.fichier_joint = champs.fichier_joint;
    const QFileInfo joint(champs.fichier_joint);
    if (!champs.fichier_joint.isEmpty() && joint.isFile()) {
        m.piece_jointe = PieceJointe{joint.fileName(), lire_fichier(champs.fichier_joint)};
    }
    m.objet = texte(textes_mail::prefixe_objet) + call;
    m.corps = QStringList{texte(textes_mail::corps_ligne1) +
                              champs.moment.date().toString(QStringLiteral("dd/MM/yyyy")),
                          texte(textes_mail::corps_ligne2) + call};
    return m;
}

bool changer_destinataire(MessageCR& message, const QString& texte) {
    if (!adresse_email_envoyable(texte)) {
        return false;
    }
    message.a = texte;
    return true;
}

QString texte_piece_jointe(const QString& fichier_joint) {
    return texte(textes_mail::marge_piece_jointe) + QFileInfo(fichier_joint).fileName();
}

} // namespace vorek
