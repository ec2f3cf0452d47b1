#pragma once

#include <QLabel>
#include <QListWidget>
#include <QWidget>

#include "app/fenster/teiler.h"

namespace morvane {

// The left panel: the header "Kataloge" over the sorted multi-select catalog
// list, a splitter, the header "Wertpapiere" over the security list. It lays
// its children out and lets the splitter size the catalog list; what the
// lists hold is the main window's business.
class TListenPanel : public QWidget {
 public:
  explicit TListenPanel(QWidget* eltern);

  QListWidget* Kataloge() const { return kataloge_; }
  QListWidget* Wertpapiere() const { return wertpapiere_; }
  TTeiler* Teiler() const { return teiler_; }
  int KataloglistenHoehe() const { return katalogHoehe_; }
  void SetzeKataloglistenHoehe(int hoehe);

 protected:
  void resizeEvent(QResizeEvent* ereignis) override;

 private:
  void Anordnen();

  QLabel* katalogKopf_;
  QListWidget* kataloge_;
  TTeiler* teiler_;
  QLabel* wertpapierKopf_;
  QListWidget* wertpapiere_;
  int katalogHoehe_ = 160;
};

inline constexpr int kTeilerWaagerechtHoehe = 7;

}  // namespace morvane
