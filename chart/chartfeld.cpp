#include "chart/chartfeld.h"

#include <array>

namespace morvane {
namespace {

// Bar and info area are a fixed strip on the screen and a fixed share of a
// printed page, whose fields are thousands of pixels large.
constexpr int kStreifen = 100;
constexpr int kBalkenGrenze = 1000;
constexpr int kInfoGrenze = 2000;

int Streifen(bool sichtbar, int groesse, int grenze, int teiler) {
  if (!sichtbar) return 0;
  return groesse <= grenze ? kStreifen : groesse / teiler;
}

}  // namespace

TChartFeld::TChartFeld(const TWPVerwaltung& verwaltung, TChartAnsicht& einstellungsAnsicht,
                       const TIndVorlagen& vorlagen)
    : verwaltung_(verwaltung),
      einstellungsAnsicht_(einstellungsAnsicht),
      balken_(vorlagen),
      ebene_(chart_, balken_.Analyse()) {
  chart_.SetzeAnsicht(einstellungsAnsicht_);
  balken_.SetzeSichtbar(einstellungsAnsicht_.Indikatoren);
  info_.SetzeSichtbar(einstellungsAnsicht_.Infobereich);
  chart_.NeueEbene(&ebene_);
  // The children ask in the field's coordinates; the field passes the
  // request on in its owner's.
  auto weiter = [this](const TRechteck& r, bool loeschen) { NeuZeichnenTeil(r, loeschen); };
  chart_.SetzeOnNeuZeichnen(weiter);
  balken_.SetzeOnNeuZeichnen(weiter);
  info_.SetzeOnNeuZeichnen(weiter);
  balken_.SetzeOnAnzeigeGeaendert([this] { ebene_.Geaendert(); });
  chart_.SetzeOnTag([this](Boersentag tag) { TagGeaendert(tag); });
}

TChartFeld::~TChartFeld() {
  // The children go one after the other; none may call back into a part
  // already gone.
  chart_.SetzeOnTag(nullptr);
  balken_.SetzeOnAnzeigeGeaendert(nullptr);
  for (TGrafikfeld* kind : std::array<TGrafikfeld*, 3>{&chart_, &balken_, &info_})
    kind->SetzeOnNeuZeichnen(nullptr);
}

void TChartFeld::ZeigeWertpapier(const std::string& id) {
  Leeren();
  wertpapier_ = std::make_unique<TWertpapier>(verwaltung_.WertpapierLaden(id));
  Weitergeben(wertpapier_.get());
}

void TChartFeld::Leeren() {
  // Bar and info area point to the security as well, so they let go of it
  // before it is freed.
  chart_.Leeren();
  Weitergeben(nullptr);
  wertpapier_.reset();
}

void TChartFeld::Weitergeben(const TWertpapier* wertpapier) {
  if (wertpapier)
    chart_.SetzeWertpapier(wertpapier);
  else
    TagGeaendert(0);
  balken_.SetzeWertpapier(wertpapier);
  info_.SetzeWertpapier(wertpapier);
}

void TChartFeld::Aktualisiere(const std::string& id) {
  if (wertpapier_ && wertpapier_->ID == id) ZeigeWertpapier(id);
}

void TChartFeld::IndikatorenNeuBerechnen() {
  balken_.IndikatorenNeuBerechnen();
}

TChartAnsicht TChartFeld::Ansicht() const {
  TChartAnsicht ansicht = chart_.Ansicht();
  ansicht.Indikatoren = balken_.Sichtbar();
  ansicht.Infobereich = info_.Sichtbar();
  return ansicht;
}

void TChartFeld::SetzeAnsicht(const TChartAnsicht& ansicht) {
  chart_.SetzeAnsicht(ansicht);
  balken_.SetzeSichtbar(ansicht.Indikatoren);
  info_.SetzeSichtbar(ansicht.Infobereich);
  GroesseGeaendert();
  einstellungsAnsicht_ = ansicht;
}

Boersentag TChartFeld::Scrolle(int code, int position) {
  return chart_.Scrolle(code, position);
}

void TChartFeld::GroesseGeaendert() {
  const int w = Breite(), h = Hoehe();
  const int b = Streifen(balken_.Sichtbar(), h, kBalkenGrenze, 3);
  const int i = Streifen(info_.Sichtbar(), w, kInfoGrenze, 5);
  chart_.SetzeGrenzen({0, 0, w - i - 1, h - b - 1});
  if (balken_.Sichtbar()) balken_.SetzeGrenzen({0, h - b, w - 1, h - 1});
  if (info_.Sichtbar()) info_.SetzeGrenzen({w - i, 0, w - 1, h - b - 1});
}

void TChartFeld::Zeichne(TGrafikfenster& fenster) {
  chart_.ZeichneIn(fenster);
  balken_.ZeichneIn(fenster);
  info_.ZeichneIn(fenster);
}

void TChartFeld::MausKlick(TMausTaste taste, TUmschaltStatus status, TPunkt bildschirm,
                           TPunkt feld) {
  for (TGrafikfeld* kind : std::array<TGrafikfeld*, 3>{&chart_, &balken_, &info_}) {
    if (kind->EnthaeltPunkt(feld)) {
      kind->Klick(taste, status, bildschirm, feld);
      return;
    }
  }
}

void TChartFeld::TagGeaendert(Boersentag tag) {
  balken_.SetzeTag(tag);
  info_.SetzeTag(tag);
}

}  // namespace morvane
