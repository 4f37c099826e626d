#include "liaison_radio.h"

#include "hamlib_commun.h"
#include "textes_rig.h"

#include "base/journal_diagnostic.h"
#include "rules/bandes.h"

#include <hamlib/rig.h>

#include <cmath>

namespace vorek {

namespace {

// Far above any amateur band: 500 GHz.
constexpr double frequence_max_hz = 500e9;

RIG* creer_rig(int modele) {
    const QMutexLocker verrou(&verrou_hamlib());
    faire_taire_hamlib();
    return rig_init(rig_model_t(modele));
}

QString nom_modele(const RIG* rig) {
    return QStringLiteral("%1 %2 (%3)")
        .arg(QString::fromUtf8(rig->caps->mfg_name), QString::fromUtf8(rig->caps->model_name))
        .arg(rig->caps->rig_model);
}

int regler_conf(RIG* rig, const char* nom, const QString& valeur) {
    return rig_set_conf(rig, rig_token_lookup(rig, nom), valeur.toLocal8Bit().constData());
}

// Applies the port and speed, then opens; Hamlib's error code, RIG_OK when open.
int configurer_et_ouvrir(RIG* rig, const ReglagesRadio& reglages) {
    if (!reglages.port.isEmpty()) {
        if (const int code = regler_conf(rig, "rig_pathname", reglages.port); code != RIG_OK) {
            return code;
        }
    }
    if (reglages.vitesse_bauds > 0 && rig->caps->port_type == RIG_PORT_SERIAL) {
        const QString vitesse = QString::number(reglages.vitesse_bauds);
        if (const int code = regler_conf(rig, "serial_speed", vitesse); code != RIG_OK) {
            return code;
        }
    }
    // Every poll must reach the rig: a cached value would hide a lost link.
    rig_set_cache_timeout_ms(rig, HAMLIB_CACHE_ALL, 0);
    return rig_open(rig);
}

} // namespace

bool EtatRadio::en_cw() const {
    return mode == QLatin1String("CW") || mode == QLatin1String("CWR");
}

QString texte_frequence(qint64 hz) {
    QString khz = QString::number(hz / 1000);
    for (qsizetype i = khz.size() - 3; i > 0; i -= 3) {
        khz.insert(i, QLatin1Char(' '));
    }
    const QString centiemes = QStringLiteral("%1").arg(hz % 1000 / 10, 2, 10, QLatin1Char('0'));
    return QStringLiteral("%1,%2 kHz").arg(khz, centiemes);
}

QString texte_radio(bool connectee, const EtatRadio& etat) {
    if (!connectee) {
        return textes_rig::radio_non_connectee();
    }
    QString texte = texte_frequence(etat.frequence_hz);
    if (!etat.mode.isEmpty()) {
        texte += QLatin1Char(' ') + etat.mode;
    }
    return texte;
}

LiaisonRadio::~LiaisonRadio() {
    fermer();
}

std::optional<QString> LiaisonRadio::ouvrir(const ReglagesRadio& reglages) {
    fermer();
    if (reglages.modele <= 0) {
        return textes_rig::pas_de_radio();
    }
    RIG* rig = creer_rig(reglages.modele);
    if (rig == nullptr) {
        return textes_rig::modele_inconnu().arg(reglages.modele);
    }
    if (const int code = configurer_et_ouvrir(rig, reglages); code != RIG_OK) {
        const QString port =
            reglages.port.isEmpty() ? textes_rig::port_par_defaut() : reglages.port;
        const QString message =
            textes_rig::ouverture_impossible().arg(nom_modele(rig), port, cause_hamlib(code));
        rig_cleanup(rig);
        return dire_echec(message, code);
    }
    rig_ = rig;
    qCInfo(journal_radio).noquote() << "radio ouverte :" << nom_modele(rig) << reglages.port;
    dernier_echec_.clear();
    return std::nullopt;
}

void LiaisonRadio::fermer() {
    if (rig_ != nullptr) {
        rig_close(rig_);
        rig_cleanup(rig_);
        rig_ = nullptr;
    }
}

std::optional<QString> LiaisonRadio::lire(EtatRadio& etat) {
    if (rig_ == nullptr) {
        return textes_rig::radio_fermee();
    }
    freq_t frequence = 0;
    if (const int code = rig_get_freq(rig_, RIG_VFO_CURR, &frequence); code != RIG_OK) {
        return dire_echec(textes_rig::lecture_impossible().arg(cause_hamlib(code)), code);
    }
    // A rig or a rigctld that answers a negative, infinite or absurd number is not trusted
    // for anything (and llround of such a number is undefined).
    if (!(frequence >= 0 && frequence <= frequence_max_hz)) {
        return dire_echec(textes_rig::lecture_refusee().arg(textes_rig::frequence_illisible(),
                                                            QString::number(frequence)));
    }
    etat.frequence_hz = std::llround(frequence);
    etat.bande = bande_de_frequence(etat.frequence_hz);
    // A rig that cannot tell its mode still gives the band; the mode stays unknown.
    rmode_t mode = RIG_MODE_NONE;
    pbwidth_t largeur = 0;
    etat.mode = rig_get_mode(rig_, RIG_VFO_CURR, &mode, &largeur) == RIG_OK
                    ? QString::fromLatin1(rig_strrmode(mode))
                    : QString();
    return std::nullopt;
}

std::optional<QString> LiaisonRadio::regler_frequence(qint64 hz) {
    if (rig_ == nullptr) {
        return textes_rig::radio_fermee();
    }
    return resultat(rig_set_freq(rig_, RIG_VFO_CURR, freq_t(hz)));
}

std::optional<QString> LiaisonRadio::envoyer_morse(const QString& texte) {
    if (rig_ == nullptr) {
        return textes_rig::radio_fermee();
    }
    return resultat(rig_send_morse(rig_, RIG_VFO_CURR, texte.toLatin1().constData()));
}

std::optional<QString> LiaisonRadio::arreter_morse() {
    if (rig_ == nullptr) {
        return textes_rig::radio_fermee();
    }
    return resultat(rig_stop_morse(rig_, RIG_VFO_CURR));
}

std::optional<QString> LiaisonRadio::regler_vitesse_morse(int wpm) {
    if (rig_ == nullptr) {
        return textes_rig::radio_fermee();
    }
    value_t valeur{};
    valeur.i = wpm;
    return resultat(rig_set_level(rig_, RIG_VFO_CURR, RIG_LEVEL_KEYSPD, valeur));
}

QString LiaisonRadio::dire_echec(const QString& message, int code) {
    if (message != dernier_echec_) {
        dernier_echec_ = message;
        const QString brut = code != 0 ? texte_hamlib(code) : QString();
        qCWarning(journal_radio).noquote()
            << message << (brut.isEmpty() ? QString() : QStringLiteral("[Hamlib : %1]").arg(brut));
    }
    return message;
}

std::optional<QString> LiaisonRadio::resultat(int code) {
    if (code == RIG_OK) {
        return std::nullopt;
    }
    return dire_echec(cause_hamlib(code), code);
}

} // namespace vorek
