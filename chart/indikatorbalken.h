#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>

#include "chart/grafikfeld.h"
#include "core/datum.h"
#include "core/wertpapier.h"
#include "indicators/indanalyse.h"
#include "indicators/indvorlagen.h"

namespace morvane {

// One entry of the indicator set: group 1..3 and index within the group.
struct TIndikatorWahl {
  int Gruppe = 0;
  int Index = 0;
  friend bool operator==(const TIndikatorWahl&, const TIndikatorWahl&) = default;
};

// The strip below the price chart with one gauge per indicator of the user's
// set ("Indikator-Balken"). Each gauge shows the indicator's signal on `Tag`;
// clicking a gauge selects which indicators the price chart draws.
//
// The bar owns the chart's working copy of the set (Analyse), made from the
// templates, which must outlive the bar. The indicator layer of the price chart
// reads the same working copy.
//
// How the owner (the chart field) wires it:
// - SetzeOnAnzeigeGeaendert: called whenever the displayed indicators changed
//   or were recomputed; connect it to the layer's Geaendert.
// - SetzeWertpapier when another security is shown, SetzeTag with the last
//   visible day of the price chart.
// - SetzeOnPopup: the context menu. The bar calls it after a right click with
//   the click's screen point and whether "Diesen Indikator anpassen..." is to
//   be enabled; that item calls IndikatorAnpassen.
// - SetzeAnpassenDialog: opens the parameter dialog of the templates' entry
//   (group, index) and commits it to the templates on OK.
class TChart_Indikatoren : public TGrafikfeld {
 public:
  using TEreignis = std::function<void()>;
  using TPopupEreignis = std::function<void(TPunkt bildschirm, bool anpassenAktiv)>;
  using TAnpassenDialog = std::function<void(int gruppe, int index)>;

  explicit TChart_Indikatoren(const TIndVorlagen& vorlagen);

  TIndAnalyse& Analyse() { return analyse_; }
  const TIndAnalyse& Analyse() const { return analyse_; }
  // The security shown; not owned, it must stay alive while it is shown.
  const TWertpapier* Wertpapier() const { return wertpapier_; }
  // The trading day whose signals the gauges show (0 = none).
  Boersentag Tag() const { return tag_; }

  void SetzeOnAnzeigeGeaendert(TEreignis ereignis) { onAnzeigeGeaendert_ = std::move(ereignis); }
  void SetzeOnPopup(TPopupEreignis ereignis) { onPopup_ = std::move(ereignis); }
  void SetzeAnpassenDialog(TAnpassenDialog dialog) { anpassenDialog_ = std::move(dialog); }

  // Computes the set over the security's prices (no security: over no prices)
  // and repaints the gauges.
  void SetzeWertpapier(const TWertpapier* wertpapier);
  // Repaints the gauges when the day changed.
  void SetzeTag(Boersentag tag);
  // Computes the set anew from the (possibly edited) templates, repaints the
  // bar and reports the change.
  void IndikatorenNeuBerechnen();
  // Hiding the bar also switches every indicator off.
  void SetzeSichtbar(bool sichtbar) override;

  void GroesseGeaendert() override;
  void Zeichne(TGrafikfenster& fenster) override;
  void MausKlick(TMausTaste taste, TUmschaltStatus status, TPunkt bildschirm, TPunkt feld) override;
  // The handler of "Diesen Indikator anpassen...": the parameter dialog for the
  // entry last right-clicked, then the set is computed anew (also when the
  // dialog was cancelled). Nothing happens without such an entry.
  void IndikatorAnpassen();

  // The gauge under a field point on the screen, if any.
  std::optional<TIndikatorWahl> Treffer(TPunkt feld) const;

  // Gauge size of the last layout.
  int Zellbreite() const { return zellbreite_; }
  int Zellhoehe() const { return zellhoehe_; }
  // The gradients the gauges are filled from.
  const TBild& SignalBild() const { return signalBild_; }
  const TBild& IntensitaetBild() const { return intensitaetBild_; }
  // The entry last right-clicked, while "Diesen Indikator anpassen..." applies.
  std::optional<TIndikatorWahl> Popup() const { return popup_; }

 private:
  struct TLayout {
    int Zellbreite = 0;
    int Zellhoehe = 0;
  };
  // Gauge size for the field's size and the vertical factor.
  TLayout Layout(int faktorY) const;
  void LayoutSetzen(int faktorY);
  // Left edge of each group's first gauge, indexed by group 1..3, and the x
  // after the last group and its gap.
  struct TGruppenLage {
    std::array<int, 4> Start{};
    int Ende = 0;
  };
  TGruppenLage GruppenLage(int zellbreite) const;

  void BilderAufbauen();
  void ZeichneMesser(TGrafikfenster& f, int gruppe, int index, int x) const;
  void ZeichneBalken(TGrafikfenster& f, int gruppe, int x, int t, double s) const;
  void ZeichneBeschriftung(TGrafikfenster& f, const TGruppenLage& lage) const;
  std::string Titeltext() const;

  void MesserNeuZeichnen();
  void Melden() const;
  void Berechnen();
  bool PopupGueltig() const;

  const TIndVorlagen& vorlagen_;
  TIndAnalyse analyse_;
  const TWertpapier* wertpapier_ = nullptr;
  Boersentag tag_ = 0;
  TEreignis onAnzeigeGeaendert_;
  TPopupEreignis onPopup_;
  TAnpassenDialog anpassenDialog_;

  int zellbreite_ = 0;
  int zellhoehe_ = 0;
  TBild signalBild_;
  TBild intensitaetBild_;
  std::optional<TIndikatorWahl> popup_;
};

}  // namespace morvane
