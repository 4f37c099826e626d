#include "programme.h"

#include "parametres_fenetres.h"
#include "tform_choix_adif.h"
#include "tform_infocr.h"
#include "tform_infos.h"
#include "tform_main.h"

#include <QTimer>

namespace vorek {

Programme::Programme(Etat& etat, Dialogues& dialogues, const Horloge& horloge,
                     FenetreAttente& attente, OptionsProgramme options)
    : contexte_{etat,    dialogues, horloge, attente, std::move(options), nullptr, nullptr, nullptr,
                nullptr, nullptr,   {},      false} {
    contexte_.terminer = [this] { terminer(); };
    contexte_.Form_Infos = new TForm_Infos(contexte_);
    contexte_.Form_Infos->FormCreate();
    contexte_.Form_main = new TForm_main(contexte_);
    contexte_.Form_main->FormCreate();
    contexte_.Form_choix_ADIF = new TForm_choix_ADIF(contexte_);
    contexte_.Form_infoCR = new TForm_infoCR(contexte_);
    contexte_.Form_infoCR->FormCreate();
    reprendre_derniere_seance(contexte_);
    contexte_.Form_Infos->show();
}

Programme::~Programme() {
    contexte_.fin_en_cours = true;
    // Hidden while whole: a window hidden by its own destructor moves the focus and calls
    // back into a half-destroyed window.
    for (QWidget* fenetre :
         std::initializer_list<QWidget*>{contexte_.Form_infoCR, contexte_.Form_choix_ADIF,
                                         contexte_.Form_main, contexte_.Form_Infos}) {
        fenetre->hide();
    }
    delete contexte_.Form_infoCR;
    delete contexte_.Form_choix_ADIF;
    delete contexte_.Form_main;
    delete contexte_.Form_Infos;
}

void Programme::terminer() {
    if (termine_) {
        return;
    }
    termine_ = true;
    contexte_.fin_en_cours = true;
    contexte_.Form_main->Timer1->stop();
    contexte_.Form_infoCR->hide();
    contexte_.Form_choix_ADIF->hide();
    contexte_.Form_main->hide();
    contexte_.Form_Infos->hide();
    emit fin();
}

} // namespace vorek
