#include "messages_cw.h"

#include "code_morse.h"
#include "textes_rig.h"

#include <QRegularExpression>

namespace vorek {

namespace {

struct Macro {
    const char* nom;
    QString ChampsMacro::*champ;
    QString (*libelle)();
};

const std::array<Macro, 4> macros{{
    {"{MOI}", &ChampsMacro::moi, textes_rig::champ_moi},
    {"{IND}", &ChampsMacro::ind, textes_rig::champ_ind},
    {"{NUM}", &ChampsMacro::num, textes_rig::champ_num},
    {"{RST}", &ChampsMacro::rst, textes_rig::champ_rst},
}};

const Macro* trouver_macro(const QString& nom) {
    for (const Macro& m : macros) {
        if (nom.compare(QLatin1String(m.nom), Qt::CaseInsensitive) == 0) {
            return &m;
        }
    }
    return nullptr;
}

} // namespace

MessageCw developper_message(const QString& modele, const ChampsMacro& champs) {
    static const QRegularExpression accolades(QStringLiteral("\\{[^{}]*\\}"));
    QString texte;
    qsizetype depuis = 0;
    for (const QRegularExpressionMatch& trouve : accolades.globalMatch(modele)) {
        const Macro* macro = trouver_macro(trouve.captured());
        if (macro == nullptr) {
            return {QString(), textes_rig::macro_inconnue().arg(trouve.captured())};
        }
        const QString valeur = texte_morse(champs.*(macro->champ));
        if (valeur.isEmpty()) {
            return {QString(), textes_rig::champ_vide().arg(macro->libelle())};
        }
        texte += modele.mid(depuis, trouve.capturedStart() - depuis) + valeur;
        depuis = trouve.capturedEnd();
    }
    texte += modele.mid(depuis);
    return {texte_morse(texte), QString()};
}

std::array<QString, nb_messages_cw> messages_cw_par_defaut() {
    return {
        QStringLiteral("CQ TEST {MOI} {MOI} TEST"),
        QStringLiteral("{IND} {RST} {NUM}"),
        QStringLiteral("TU {MOI}"),
        QStringLiteral("{MOI}"),
        QStringLiteral("{IND}"),
        QStringLiteral("{RST} {NUM} {RST} {NUM}"),
        QStringLiteral("AGN?"),
        QStringLiteral("{IND}?"),
    };
}

} // namespace vorek
