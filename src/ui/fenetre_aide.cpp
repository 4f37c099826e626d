#include "fenetre_aide.h"

#include "base/journal_diagnostic.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace vorek {

QString FenetreAide::texte_aide() {
    QFile page(QStringLiteral(":/vorek/aide.html"));
    if (!page.open(QIODevice::ReadOnly)) {
        return {};
    }
    return QString::fromUtf8(page.readAll())
        .replace(QStringLiteral("{JOURNAL}"),
                 QDir::toNativeSeparators(chemin_journal_diagnostic()).toHtmlEscaped());
}

FenetreAide::FenetreAide(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Fenetre_aide"));
    setWindowTitle(QStringLiteral("Aide - Challenge VOREK"));
    auto* page = new QTextBrowser(this);
    page->setObjectName(QStringLiteral("Page_aide"));
    page->setHtml(texte_aide());
    auto* boutons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    boutons->button(QDialogButtonBox::Close)->setText(QStringLiteral("Fermer"));
    connect(boutons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* pile = new QVBoxLayout(this);
    pile->addWidget(page);
    pile->addWidget(boutons);
    // Room for the tables' longest lines; whatever the screen lacks is fitted when shown.
    const QFontMetrics mesures = page->fontMetrics();
    resize(mesures.averageCharWidth() * 100, mesures.lineSpacing() * 44);
}

} // namespace vorek
