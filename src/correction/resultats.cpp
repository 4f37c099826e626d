#include "resultats.h"

#include "textes_correction.h"

#include <QStringList>
#include <QUrl>

namespace vorek {

namespace {

// Texts of the reports, then numbers: a heading says which.
struct Cellule {
    QString texte;
    bool nombre = false;
};

QList<Cellule> cellules(const StationCorrigee& s) {
    const auto n = [](int v) { return Cellule{QString::number(v), true}; };
    return {n(s.rang),
            {s.indicatif},
            {s.nom},
            n(s.qso_revendiques),
            n(s.points_revendiques),
            n(s.qso_verifies),
            n(s.points_verifies),
            n(s.absents),
            n(s.indicatifs_errones),
            n(s.numeros_errones),
            n(s.non_verifiables),
            n(s.uniques),
            {s.fichier}};
}

// A field that a spreadsheet would split, or take for a formula, is quoted (and a
// formula's sign kept as text).
QString champ_csv(const QString& texte, bool nombre) {
    if (nombre) {
        return texte;
    }
    QString t = texte;
    if (!t.isEmpty() && QStringLiteral("=+-@").contains(t.front())) {
        t.prepend(QLatin1Char('\''));
    }
    if (t.contains(QLatin1Char(';')) || t.contains(QLatin1Char('"')) ||
        t.contains(QLatin1Char('\n')) || t.contains(QLatin1Char('\r'))) {
        t = QLatin1Char('"') + t.replace(QLatin1Char('"'), QStringLiteral("\"\"")) +
            QLatin1Char('"');
    }
    return t;
}

QString echappe(const QString& texte) {
    return texte.toHtmlEscaped();
}

const char* const style = R"(
body{font-family:system-ui,-apple-system,"Segoe UI",Roboto,sans-serif;margin:0;padding:1rem;
color:#1a1a1a;background:#fff}
h1{font-size:1.3rem;margin:0 0 .4rem}
p{margin:0 0 1rem;color:#555;font-size:.9rem}
.tableau{overflow-x:auto;-webkit-overflow-scrolling:touch}
table{border-collapse:collapse;font-size:.9rem;min-width:100%}
th,td{padding:.4rem .55rem;border-bottom:1px solid #dde3ea;white-space:nowrap}
th{background:#1f4e79;color:#fff;cursor:pointer;user-select:none;text-align:left;
position:sticky;top:0;white-space:normal;vertical-align:bottom;min-width:3em}
th:focus{outline:2px solid #f0b400}
th[aria-sort=ascending]::after{content:" \25B2"}
th[aria-sort=descending]::after{content:" \25BC"}
td.n{text-align:right;font-variant-numeric:tabular-nums}
tbody tr:nth-child(even){background:#f3f6fa}
a{color:#1f4e79}
@media (max-width:600px){body{padding:.5rem}h1{font-size:1.1rem}table{font-size:.8rem}
th,td{padding:.3rem .35rem}td:nth-child(3){white-space:normal;min-width:7em}}
)";

const char* const script = R"(
(function () {
  var table = document.getElementById('resultats');
  var titres = table.tHead.rows[0].cells;
  var corps = table.tBodies[0];
  function valeur(ligne, c, nombre) {
    var t = ligne.cells[c].textContent;
    return nombre ? parseFloat(t) || 0 : t;
  }
  function trier(c, descendant) {
    var nombre = titres[c].getAttribute('data-type') === 'n';
    var lignes = Array.prototype.slice.call(corps.rows);
    lignes.sort(function (a, b) {
      var x = valeur(a, c, nombre), y = valeur(b, c, nombre);
      var r = nombre ? x - y : x.localeCompare(y, 'fr');
      return descendant ? -r : r;
    });
    lignes.forEach(function (l) { corps.appendChild(l); });
    for (var i = 0; i < titres.length; i++) titres[i].removeAttribute('aria-sort');
    titres[c].setAttribute('aria-sort', descendant ? 'descending' : 'ascending');
  }
  function selonAdresse() {
    var m = /^#tri=(-?)(\d+)$/.exec(location.hash);
    if (!m) return;
    var c = parseInt(m[2], 10) - 1;
    if (c >= 0 && c < titres.length) trier(c, m[1] === '-');
  }
  function choisir(c) {
    var descendant = titres[c].getAttribute('aria-sort') === 'ascending';
    var adresse = '#tri=' + (descendant ? '-' : '') + (c + 1);
    if (location.hash === adresse) trier(c, descendant); else location.hash = adresse;
  }
  Array.prototype.forEach.call(titres, function (titre, c) {
    titre.addEventListener('click', function () { choisir(c); });
    titre.addEventListener('keydown', function (e) {
      if (e.key === 'Enter' || e.key === ' ') { e.preventDefault(); choisir(c); }
    });
  });
  window.addEventListener('hashchange', selonAdresse);
  selonAdresse();
})();
)";

} // namespace

QByteArray csv_resultats(const BilanCorrection& bilan) {
    QStringList lignes{textes_correction::entetes_resultats().join(QLatin1Char(';'))};
    for (const StationCorrigee& s : bilan.stations) {
        QStringList champs;
        for (const Cellule& c : cellules(s)) {
            champs.append(champ_csv(c.texte, c.nombre));
        }
        lignes.append(champs.join(QLatin1Char(';')));
    }
    return (lignes.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
}

QByteArray page_resultats(const BilanCorrection& bilan) {
    const QString titre = echappe(textes_correction::titre_page(bilan.annee));
    QString page = QStringLiteral("<!DOCTYPE html>\n<html lang=\"fr\">\n<head>\n"
                                  "<meta charset=\"utf-8\">\n"
                                  "<meta name=\"viewport\" content=\"width=device-width, "
                                  "initial-scale=1\">\n<title>") +
                   titre + QStringLiteral("</title>\n<style>") + QString::fromUtf8(style) +
                   QStringLiteral("</style>\n</head>\n<body>\n<h1>") + titre +
                   QStringLiteral("</h1>\n<p>") + echappe(textes_correction::aide_page()) +
                   QStringLiteral("</p>\n<div class=\"tableau\">\n<table id=\"resultats\">\n"
                                  "<thead><tr>");
    const QStringList entetes = textes_correction::entetes_resultats();
    const QList<Cellule> modele = cellules(StationCorrigee{});
    for (qsizetype c = 0; c < entetes.size(); ++c) {
        page += QStringLiteral("<th tabindex=\"0\"") +
                (modele[c].nombre ? QStringLiteral(" data-type=\"n\">") : QStringLiteral(">")) +
                echappe(entetes[c]) + QStringLiteral("</th>");
    }
    page += QStringLiteral("</tr></thead>\n<tbody>\n");
    for (const StationCorrigee& s : bilan.stations) {
        page += QStringLiteral("<tr>");
        const QList<Cellule> ligne = cellules(s);
        for (qsizetype c = 0; c < ligne.size(); ++c) {
            QString contenu = echappe(ligne[c].texte);
            if (c == 1) {
                contenu = QStringLiteral("<a href=\"") +
                          QString::fromLatin1(QUrl::toPercentEncoding(s.fichier_rapport)) +
                          QStringLiteral("\">") + contenu + QStringLiteral("</a>");
            }
            page +=
                (ligne[c].nombre ? QStringLiteral("<td class=\"n\">") : QStringLiteral("<td>")) +
                contenu + QStringLiteral("</td>");
        }
        page += QStringLiteral("</tr>\n");
    }
    page += QStringLiteral("</tbody>\n</table>\n</div>\n<script>") + QString::fromUtf8(script) +
            QStringLiteral("</script>\n</body>\n</html>\n");
    return page.toUtf8();
}

} // namespace vorek
