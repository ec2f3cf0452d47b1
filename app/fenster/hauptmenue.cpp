#include "app/fenster/hauptmenue.h"

#include <QMenuBar>

namespace morvane {
namespace {

QMenu* Menue(QMainWindow& fenster, const char* titel, const char* name) {
  QMenu* m = fenster.menuBar()->addMenu(QString::fromUtf8(titel));
  m->setObjectName(QString::fromUtf8(name));
  return m;
}

void Eintragen(QMenu* menue, const TBefehlsAktionen& befehle,
               std::initializer_list<TMenuebefehl> liste) {
  for (TMenuebefehl b : liste)
    menue->addAction(befehle.Aktion(b));
}

}  // namespace

THauptmenue::THauptmenue(QMainWindow& fenster, const TBefehlsAktionen& befehle,
                         const TWerkzeugleiste& leiste) {
  fenster.menuBar()->setObjectName(QStringLiteral("Hauptmenue"));
  Eintragen(Menue(fenster, "&Wertpapier", "Wertpapier1"), befehle,
            {TMenuebefehl::WertpapierNeu, TMenuebefehl::WertpapierLoeschen,
             TMenuebefehl::WertpapierKursaktu, TMenuebefehl::WPEigenschaften,
             TMenuebefehl::WPKurstabelle, TMenuebefehl::WPTransaktionen,
             TMenuebefehl::WPAktiensplit, TMenuebefehl::WertpapierChartDrucken});
  Eintragen(Menue(fenster, "&Listen", "Listen1"), befehle,
            {TMenuebefehl::ListenWPTransaktionen, TMenuebefehl::ListenDepotUebersicht,
             TMenuebefehl::ListenDepotTransakt, TMenuebefehl::ListenDepotSignale,
             TMenuebefehl::ListenDepotInd, TMenuebefehl::ListenVolatilitaet});
  QMenu* ansicht = Menue(fenster, "&Ansicht", "Ansicht1");
  ansicht->addAction(befehle.Aktion(TMenuebefehl::AnsichtChart));
  ansicht->addAction(leiste.Schalter(TAnsichtSchalter::Infobereich));
  ansicht->addAction(leiste.Schalter(TAnsichtSchalter::Indikatoren));
  ansicht->addAction(befehle.Aktion(TMenuebefehl::AnsichtIndikatoren));
  trenner_ = ansicht->addSeparator();
  for (int slot = 1; slot <= kAnzahlChartVorlagen; ++slot) {
    QAction* a = ansicht->addAction(QString());
    a->setObjectName(QStringLiteral("ChartVorlage") +
                     QString::fromStdString(VorlagenBeschriftung(slot)));
    a->setVisible(false);
    QObject::connect(a, &QAction::triggered, ansicht, [this, slot] {
      if (OnVorlage) OnVorlage(slot);
    });
    vorlagen_[static_cast<std::size_t>(slot - 1)] = a;
  }
  Eintragen(Menue(fenster, "&Extras", "Extras1"), befehle,
            {TMenuebefehl::ExtrasOptionen, TMenuebefehl::ExtrasOnlineUpdate});
  Eintragen(Menue(fenster, "&Hilfe", "Hilfe1"), befehle,
            {TMenuebefehl::HilfeHilfethemen, TMenuebefehl::HilfeInfo});
}

void THauptmenue::ZeigeVorlagen(const TVorlagenMenue& menue) {
  trenner_->setVisible(menue.TrennerSichtbar);
  for (std::size_t i = 0; i < vorlagen_.size(); ++i) {
    vorlagen_[i]->setText(QString::fromStdString(menue.Eintraege[i].Menuetext));
    vorlagen_[i]->setVisible(menue.Eintraege[i].Sichtbar);
  }
}

TListenPopup::TListenPopup(std::span<const TMenuebefehl> befehle, const TBefehlsAktionen& aktionen,
                           QWidget* eltern)
    : QMenu(eltern), aktionen_(aktionen) {
  for (TMenuebefehl b : befehle) {
    QAction* a = addAction(aktionen.Aktion(b)->text());
    connect(a, &QAction::triggered, this, [this, b] { aktionen_.Ausfuehren(b); });
    eintraege_.emplace_back(b, a);
  }
}

void TListenPopup::Oeffnen(bool zeileGetroffen, QPoint global) {
  for (auto& [befehl, aktion] : eintraege_)
    aktion->setEnabled(PopupAktiv(befehl, aktionen_.Verbunden(befehl), zeileGetroffen));
  popup(global);
}

}  // namespace morvane
