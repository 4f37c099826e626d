#include "reglages_rig.h"

#include "textes_rig.h"

#include "base/erreur.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace vorek {

namespace {

const std::array<std::pair<TypeManipulateur, const char*>, 3> noms_types{{
    {TypeManipulateur::aucun, "aucun"},
    {TypeManipulateur::cwdaemon, "cwdaemon"},
    {TypeManipulateur::radio, "radio"},
}};

} // namespace

QString texte_ini(const QSettings& ini, const QString& cle, const QString& defaut) {
    const QVariant valeur = ini.value(cle);
    if (!valeur.isValid()) {
        return defaut;
    }
    // An unquoted value holding a comma reads as a list.
    if (valeur.typeId() == QMetaType::QStringList) {
        return valeur.toStringList().join(QStringLiteral(", "));
    }
    return valeur.toString();
}

int entier_ini(const QSettings& ini, const QString& cle, int defaut, int min, int max) {
    bool ok = false;
    const int valeur = ini.value(cle).toString().trimmed().toInt(&ok);
    return ok && valeur >= min && valeur <= max ? valeur : defaut;
}

namespace {

TypeManipulateur type_manipulateur(const QString& nom) {
    for (const auto& [type, texte_type] : noms_types) {
        if (nom.trimmed().compare(QLatin1String(texte_type), Qt::CaseInsensitive) == 0) {
            return type;
        }
    }
    return TypeManipulateur::aucun;
}

QString nom_type(TypeManipulateur type) {
    for (const auto& [t, texte_type] : noms_types) {
        if (t == type) {
            return QLatin1String(texte_type);
        }
    }
    return QStringLiteral("aucun");
}

QString cle_message(int i) {
    return QStringLiteral("MessagesCW/F") + QString::number(i + 1);
}

} // namespace

ReglagesRig lire_reglages_rig(const QString& chemin) {
    const QSettings ini(chemin, QSettings::IniFormat);
    ReglagesRig r;
    r.radio.modele = entier_ini(ini, QStringLiteral("Radio/Modele"), 0, 0, 1'000'000'000);
    r.radio.port = texte_ini(ini, QStringLiteral("Radio/Port"), QString()).trimmed();
    r.radio.vitesse_bauds = entier_ini(ini, QStringLiteral("Radio/Vitesse"), 0, 0, 10'000'000);
    ReglagesManipulateur& m = r.manipulateur;
    m.type = type_manipulateur(texte_ini(ini, QStringLiteral("Manipulateur/Type"), QString()));
    m.hote = texte_ini(ini, QStringLiteral("Manipulateur/Hote"), m.hote).trimmed();
    if (m.hote.isEmpty()) {
        m.hote = ReglagesManipulateur{}.hote;
    }
    m.port = quint16(entier_ini(ini, QStringLiteral("Manipulateur/Port"), m.port, 1, 65535));
    m.wpm = entier_ini(ini, QStringLiteral("Manipulateur/WPM"), m.wpm, Manipulateur::vitesse_min,
                       Manipulateur::vitesse_max);
    for (int i = 0; i < nb_messages_cw; ++i) {
        r.messages[size_t(i)] = texte_ini(ini, cle_message(i), r.messages[size_t(i)]);
    }
    return r;
}

void ecrire_reglages_rig(const QString& chemin, const ReglagesRig& r) {
    QSettings ini(chemin, QSettings::IniFormat);
    ini.setValue(QStringLiteral("Radio/Modele"), QString::number(r.radio.modele));
    ini.setValue(QStringLiteral("Radio/Port"), r.radio.port);
    ini.setValue(QStringLiteral("Radio/Vitesse"), QString::number(r.radio.vitesse_bauds));
    ini.setValue(QStringLiteral("Manipulateur/Type"), nom_type(r.manipulateur.type));
    ini.setValue(QStringLiteral("Manipulateur/Hote"), r.manipulateur.hote);
    ini.setValue(QStringLiteral("Manipulateur/Port"), QString::number(r.manipulateur.port));
    ini.setValue(QStringLiteral("Manipulateur/WPM"), QString::number(r.manipulateur.wpm));
    for (int i = 0; i < nb_messages_cw; ++i) {
        ini.setValue(cle_message(i), r.messages[size_t(i)]);
    }
    ini.sync();
    if (ini.status() != QSettings::NoError) {
        throw Erreur(textes_rig::ecriture_reglages_impossible().arg(
            QDir::toNativeSeparators(QFileInfo(chemin).absoluteFilePath())));
    }
}

std::optional<HotePort> lire_hote_port(const QString& texte, quint16 port_par_defaut) {
    QString hote = texte.trimmed();
    QString port;
    const qsizetype deux_points = hote.lastIndexOf(QLatin1Char(':'));
    const bool ipv6_nu = hote.count(QLatin1Char(':')) > 1 && !hote.startsWith(QLatin1Char('['));
    if (deux_points >= 0 && !ipv6_nu && !hote.endsWith(QLatin1Char(']'))) {
        port = hote.mid(deux_points + 1);
        hote.truncate(deux_points);
    }
    if (hote.startsWith(QLatin1Char('[')) && hote.endsWith(QLatin1Char(']'))) {
        hote = hote.mid(1, hote.size() - 2);
    }
    bool ok = true;
    const uint numero = port.isNull() ? port_par_defaut : port.toUInt(&ok);
    if (hote.isEmpty() || !ok || numero == 0 || numero > 65535) {
        return std::nullopt;
    }
    return HotePort{hote, quint16(numero)};
}

} // namespace vorek
