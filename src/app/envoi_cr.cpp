#include "envoi_cr.h"

#include "app/serveurs.h"
#include "base/erreur.h"
#include "log/etat.h"
#include "reports/cabrillo.h"

namespace vorek {

PreparationCR preparer_message_cr(Etat& etat, const QString& destinataire,
                                  const QDateTime& moment) {
    PreparationCR r;
    ChampsMessageCR champs{destinataire, QString(), moment};
    try {
        champs.fichier_joint = ecrire_cabrillo(etat);
        r.message = composer_message_cr(etat.station, champs);
    } catch (const Erreur& e) {
        r.erreur = e.message();
        champs.fichier_joint.clear();
        r.message = composer_message_cr(etat.station, champs);
    }
    // The panel names the expected report even when it is not attached.
    r.message.fichier_joint = etat.fichier_joint;
    return r;
}

QString adresse_comite(const Etat& etat) {
    return lire_config_serveurs(etat.rep_cfg).email_comite;
}

QString controler_avant_envoi(const Etat&, const ParametresSmtp& parametres,
                              const MessageCR& message) {
    return verifier_envoi(parametres, message);
}

} // namespace vorek
