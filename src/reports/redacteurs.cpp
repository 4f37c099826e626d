#include "redacteurs.h"

#include "adif_sortie.h"
#include "ascii.h"
#include "cabrillo.h"
#include "commandes_rapports.h"

#include "refdata/referentiel.h"

#include <QDir>
#include <QFileInfo>

#include <array>

namespace vorek {

namespace {

class RedacteurCabrillo : public RedacteurRapport {
  public:
    QString nom() const override { return QStringLiteral("Compte rendu Cabrillo"); }
    QString extension() const override { return QStringLiteral(".LOG"); }
    EcritureRapport ecrire(ContexteRapport& contexte, const QString&) const override {
        return {ecrire_cabrillo(contexte.etat)};
    }
};

class RedacteurTexte : public RedacteurRapport {
  public:
    QString nom() const override { return QStringLiteral("Compte rendu texte"); }
    QString extension() const override { return QStringLiteral(".TXT"); }
    EcritureRapport ecrire(ContexteRapport& contexte, const QString&) const override {
        const ResultatRapportTexte texte = ecrire_rapport_texte(contexte);
        return {texte.chemin, texte.base_membres_absente};
    }
};

class RedacteurAdifRapport : public RedacteurRapport {
  public:
    QString nom() const override { return QStringLiteral("Compte rendu ADIF"); }
    QString extension() const override { return QStringLiteral(".ADI"); }
    EcritureRapport ecrire(ContexteRapport& contexte, const QString&) const override {
        const ResultatAdif adif = ecrire_adif_rapport(contexte.etat, contexte.referentiel.membres);
        return {adif.chemin, adif.base_membres_absente};
    }
};

class RedacteurExportAdif : public RedacteurRapport {
  public:
    QString nom() const override { return QStringLiteral("Export ADIF"); }
    QString extension() const override { return QStringLiteral(".adi"); }
    std::optional<DemandeFichier> demande() const override {
        return DemandeFichier{QString(), QStringLiteral("Fichier ADIF (*.adi)|*.adi"),
                              QStringLiteral("adi"), QString(), QString()};
    }
    EcritureRapport ecrire(ContexteRapport& contexte, const QString& nom_choisi) const override {
        const ResultatAdif adif =
            exporter_adif(contexte.etat, contexte.referentiel.membres, nom_choisi);
        return {adif.chemin, adif.base_membres_absente};
    }
    QString annonce(const Etat&, const QString& chemin) const override {
        return emplacements(QStringLiteral("Export ADIF écrit :"), {chemin});
    }
};

class RedacteurAscii : public RedacteurRapport {
  public:
    QString nom() const override { return QStringLiteral("Export TEXTE"); }
    QString extension() const override { return QStringLiteral(".ASC"); }
    EcritureRapport ecrire(ContexteRapport& contexte, const QString&) const override {
        return {exporter_ascii(contexte.etat)};
    }
    QString annonce(const Etat& etat, const QString& chemin) const override {
        return message_ascii(etat) + QStringLiteral("\r\r") +
               emplacements(QStringLiteral("Fichier écrit :"), {chemin});
    }
};

} // namespace

QString RedacteurRapport::annonce(const Etat&, const QString& chemin) const {
    return emplacements(QStringLiteral("Fichier écrit :"), {chemin});
}

std::span<const RedacteurRapport* const> redacteurs_compte_rendu() {
    static const RedacteurCabrillo cabrillo;
    static const RedacteurTexte texte;
    static const RedacteurAdifRapport adif;
    static const std::array<const RedacteurRapport*, 3> liste{&cabrillo, &texte, &adif};
    return liste;
}

const RedacteurRapport& redacteur_export_adif() {
    static const RedacteurExportAdif redacteur;
    return redacteur;
}

const RedacteurRapport& redacteur_listing_ascii() {
    static const RedacteurAscii redacteur;
    return redacteur;
}

QString emplacements(const QString& titre, const QStringList& chemins) {
    QStringList lignes{titre};
    for (const QString& chemin : chemins) {
        lignes.append(QDir::toNativeSeparators(QFileInfo(chemin).absoluteFilePath()));
    }
    return lignes.join(QLatin1Char('\r'));
}

} // namespace vorek
