#pragma once

#include <QString>

namespace vorek {

// What the start-up and the station window tell the operator, exactly as shown.
namespace textes_app {

// Said in the station window, not in a box: the e-mail field is being typed into.
inline QString table_smtp_illisible(const QString& chemin, const QString& erreur) {
    return QStringLiteral("Le fichier %1 n'a pas pu être lu (%2) : saisissez le serveur SMTP "
                          "et le port.")
        .arg(chemin, erreur);
}

} // namespace textes_app

} // namespace vorek
