#pragma once

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

#include "grafik/drucktabelle.h"
#include "platform/tabellendruck.h"
#include "portfolio/depotlisten.h"

class QTableView;
class QLabel;
class QPushButton;

namespace morvane {

// One list as a window shows it: caption, columns, tab-separated rows with the
// markers "-1" (separator) and "-2" (closing row), and the securities left out.
struct TListenInhalt {
  std::string Titel;
  std::vector<TDruckSpalte> Spalten;
  std::vector<std::string> Zeilen;
  std::vector<std::string> Uebersprungen;
};

TListenInhalt ListenInhalt(const TDepotListe& liste);

// The rows as tab-separated text with the header line first, markers left
// out, for the clipboard.
std::string ListeAlsText(const TListenInhalt& inhalt);

// The list window of every list: owner-drawn rows under the column header,
// "Kopieren" (all rows as tab-separated text to the clipboard), "Drucken..."
// (print dialog, then the table printer) and "Schließen". Securities left out
// are named below the list.
class TListenFenster : public QDialog {
 public:
  // `auftrag` is the print choice shared by all lists; it changes only when
  // the print dialog is confirmed.
  TListenFenster(TListenInhalt inhalt, TDruckAuftrag& auftrag, QWidget* eltern = nullptr);

  QTableView* Tabelle() const { return tabelle_; }
  QLabel* Hinweis() const { return hinweis_; }
  QPushButton* DruckenKnopf() const { return drucken_; }
  QPushButton* KopierenKnopf() const { return kopieren_; }

  void Kopieren();
  void Drucken();

 private:
  TListenInhalt inhalt_;
  TDruckAuftrag& auftrag_;
  QTableView* tabelle_;
  QLabel* hinweis_;
  QPushButton* kopieren_;
  QPushButton* drucken_;
};

}  // namespace morvane
