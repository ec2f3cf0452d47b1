#pragma once

#include <QAction>
#include <QComboBox>
#include <QToolBar>
#include <QToolButton>
#include <array>
#include <functional>
#include <string>

#include "app/fenster/befehlsaktionen.h"
#include "app/hauptmodell/tastatur.h"
#include "app/hauptmodell/vorlagenmenue.h"
#include "chart/chartansicht.h"

namespace morvane {

// The main window's toolbar: the five chart types, the days field, the ten
// template buttons, then view, "K", indicator bar, info area, print and
// volume. It shows the chart view it is given and reports the user's choices
// through the On... handlers; the view toggles are checkable actions that
// the view menu shares.
class TWerkzeugleiste : public QToolBar {
 public:
  TWerkzeugleiste(QWidget* eltern, const TBefehlsAktionen& befehle);

  std::function<void(TCharttyp)> OnCharttyp;
  std::function<void(TAnsichtSchalter)> OnSchalter;
  // Slot 1 ... 10.
  std::function<void(int)> OnVorlage;
  // The text chosen or entered in the days field.
  std::function<void(const std::string&)> OnTage;
  // Enter or Escape in the days field: the focus goes elsewhere.
  std::function<void()> OnTageVerlassen;

  // The toolbar state from the view.
  void ZeigeAnsicht(const TChartAnsicht& ansicht);
  void ZeigeVorlagen(const TVorlagenMenue& menue);

  QAction* Charttyp(TCharttyp typ) const { return typen_.at(static_cast<std::size_t>(typ) - 1); }
  QAction* Schalter(TAnsichtSchalter s) const { return schalter_.at(static_cast<std::size_t>(s)); }
  QComboBox* Tage() const { return tage_; }
  // Slot 1 ... 10.
  QToolButton* Vorlage(int slot) const { return vorlagen_.at(static_cast<std::size_t>(slot - 1)); }

 protected:
  bool eventFilter(QObject* objekt, QEvent* ereignis) override;

 private:
  void TypenAnlegen();
  void TageAnlegen();
  void VorlagenAnlegen();
  void KnoepfeAnlegen(const TBefehlsAktionen& befehle);
  void Melden(const std::function<void()>& handler) const;

  std::array<QAction*, 5> typen_{};
  std::array<QAction*, 3> schalter_{};
  QComboBox* tage_ = nullptr;
  std::array<QToolButton*, kAnzahlChartVorlagen> vorlagen_{};
};

}  // namespace morvane
