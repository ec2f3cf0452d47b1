#pragma once

#include <QMainWindow>
#include <QMenu>
#include <array>
#include <functional>
#include <span>

#include "app/fenster/befehlsaktionen.h"
#include "app/fenster/werkzeugleiste.h"
#include "app/hauptmodell/vorlagenmenue.h"

namespace morvane {

// The main menu: Wertpapier, Listen, Ansicht (with the view toggles shared
// with the toolbar and the ten template items), Extras, Hilfe.
class THauptmenue {
 public:
  THauptmenue(QMainWindow& fenster, const TBefehlsAktionen& befehle, const TWerkzeugleiste& leiste);

  // Slot 1 ... 10 chosen.
  std::function<void(int)> OnVorlage;
  void ZeigeVorlagen(const TVorlagenMenue& menue);

  QAction* VorlagenTrenner() const { return trenner_; }
  // Slot 1 ... 10.
  QAction* Vorlage(int slot) const { return vorlagen_.at(static_cast<std::size_t>(slot - 1)); }

 private:
  QAction* trenner_ = nullptr;
  std::array<QAction*, kAnzahlChartVorlagen> vorlagen_{};
};

// A popup menu of one of the lists. Its items run the commands of the main
// window; an item is enabled when its command exists and the right click hit
// a row (or the command needs none).
class TListenPopup : public QMenu {
 public:
  TListenPopup(std::span<const TMenuebefehl> befehle, const TBefehlsAktionen& aktionen,
               QWidget* eltern);

  // Sets the enabling and opens the menu at `global` without waiting.
  void Oeffnen(bool zeileGetroffen, QPoint global);

 private:
  const TBefehlsAktionen& aktionen_;
  std::vector<std::pair<TMenuebefehl, QAction*>> eintraege_;
};

}  // namespace morvane
