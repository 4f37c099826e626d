#include "francais.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QLibraryInfo>
#include <QLocale>
#include <QTimer>
#include <QTranslator>
#include <QTreeView>

#include <algorithm>

namespace vorek {

namespace {

// The columns of Qt's file model.
enum ColonneFichiers { col_nom = 0, col_taille = 1, col_type = 2, col_date = 3 };

// The file model's sizes and dates in the default locale, French here.
class FichiersEnFrancais : public QIdentityProxyModel {
  public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex& index, int role) const override {
        const auto* fichiers = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (role != Qt::DisplayRole || fichiers == nullptr ||
            (index.column() != col_taille && index.column() != col_date)) {
            return QIdentityProxyModel::data(index, role);
        }
        const QFileInfo info = fichiers->fileInfo(mapToSource(index));
        if (index.column() == col_date) {
            return QLocale().toString(info.lastModified(), QLocale::ShortFormat);
        }
        return info.isFile() ? QLocale().formattedDataSize(info.size())
                             : QIdentityProxyModel::data(index, role);
    }
};

// Room for the title, the sort arrow and the widest usual content.
void elargir(QTreeView* vue, int col, const QString& exemple) {
    QHeaderView* entetes = vue->header();
    const QString titre = vue->model()->headerData(col, Qt::Horizontal).toString();
    const int largeur = std::max(
        entetes->fontMetrics().horizontalAdvance(titre) + 3 * entetes->fontMetrics().height(),
        vue->fontMetrics().horizontalAdvance(exemple) + entetes->fontMetrics().height());
    entetes->resizeSection(col, std::max(entetes->sectionSize(col), largeur));
}

// Once the dialog is laid out, as wide as its columns need: the view's width is known only
// then.
class ElargirAuPremierAffichage : public QObject {
  public:
    ElargirAuPremierAffichage(QTreeView* vue, QObject* parent) : QObject(parent), vue_(vue) {}

    bool eventFilter(QObject* objet, QEvent* evenement) override {
        if (evenement->type() == QEvent::Show) {
            QTimer::singleShot(0, this, [this, objet] { ajuster(static_cast<QWidget*>(objet)); });
        }
        return false;
    }

  private:
    void ajuster(QWidget* dialogue) {
        const QHeaderView* entetes = vue_->header();
        int colonnes = 0;
        for (int col = col_nom; col <= col_date; ++col) {
            colonnes += entetes->sectionSize(col);
        }
        const int manque = colonnes - vue_->viewport()->width();
        if (manque > 0) {
            dialogue->resize(dialogue->width() + manque, dialogue->height());
        }
        deleteLater();
    }

    QTreeView* vue_;
};

} // namespace

bool traduire_qt_en_francais(QCoreApplication& application) {
    // Before any dialog: the locale Qt's widgets write numbers and dates with.
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    auto* traduction = new QTranslator(&application);
    if (!traduction->load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete traduction;
        return false;
    }
    return QCoreApplication::installTranslator(traduction);
}

void franciser_dialogue(QFileDialog& dialogue) {
    dialogue.setOption(QFileDialog::DontUseNativeDialog);
    dialogue.setProxyModel(new FichiersEnFrancais(&dialogue));
    auto* vue = dialogue.findChild<QTreeView*>(QStringLiteral("treeView"));
    if (vue == nullptr || vue->model() == nullptr) {
        return;
    }
    const QLocale francais;
    elargir(vue, col_taille, francais.formattedDataSize(999'999));
    elargir(vue, col_type, QStringLiteral("document texte brut"));
    elargir(vue, col_date,
            francais.toString(QDateTime(QDate(2025, 12, 31), QTime(23, 59)), QLocale::ShortFormat));
    // Every column in sight without scrolling, the names keeping a fair share.
    vue->header()->resizeSection(col_nom, 3 * vue->header()->sectionSize(col_taille));
    dialogue.installEventFilter(new ElargirAuPremierAffichage(vue, &dialogue));
}

} // namespace vorek
