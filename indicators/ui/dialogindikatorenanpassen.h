#pragma once

#include <QDialog>
#include <array>

#include "indicators/indanpassen.h"
#include "indicators/ui/dialogknoepfe.h"

class QListWidget;
class QPushButton;
class QTabWidget;
class QToolButton;

namespace morvane {

// The controls of one group's page.
struct TGruppenseite {
  QListWidget* Liste = nullptr;
  QToolButton* Auf = nullptr;
  QToolButton* Ab = nullptr;
  QPushButton* Hinzufuegen = nullptr;
  QPushButton* Bearbeiten = nullptr;
  QPushButton* Loeschen = nullptr;
};

// The customise dialog ("Indikatoren anpassen"): one page per group with the
// group's entries, the aggregate last. It works on the copy held by
// `anpassen`; committing the copy is the caller's, after OK.
class TDialogIndikatorenAnpassen : public QDialog {
 public:
  TDialogIndikatorenAnpassen(TIndAnpassen& anpassen, TIndHilfe hilfe, QWidget* eltern = nullptr);

  QTabWidget* Seiten() const { return seiten_; }
  // Group 1..3.
  const TGruppenseite& Seite(int gruppe) const { return seiten_g_.at(Stelle(gruppe)); }
  // The selected entry of a group, -1 for none.
  int Auswahl(int gruppe) const;

  // The buttons' actions on a group's selection.
  void Hinzufuegen(int gruppe);
  void Bearbeiten(int gruppe);
  void Loeschen(int gruppe);
  void Auf(int gruppe);
  void Ab(int gruppe);

 private:
  static std::size_t Stelle(int gruppe) { return static_cast<std::size_t>(gruppe - 1); }
  QWidget* GruppenSeite(int gruppe);
  // Fills the group's list anew and selects `auswahl` (none when negative).
  void Fuellen(int gruppe, int auswahl);
  void KnoepfeSetzen(int gruppe);

  TIndAnpassen& anpassen_;
  TIndHilfe hilfe_;
  QTabWidget* seiten_ = nullptr;
  std::array<TGruppenseite, 3> seiten_g_;
};

// The whole set: on OK the edited copy replaces the templates; true then.
// Cancel leaves the templates as they were.
bool IndikatorenAnpassen(QWidget* eltern, TIndVorlagen& vorlagen, const TIndHilfe& hilfe);

// One entry of the set directly: the parameter dialog of the templates' entry
// (group, index) opens at once; its OK commits like the customise dialog's
// OK (true then). An entry the set does not hold opens nothing.
bool IndikatorAnpassen(QWidget* eltern, TIndVorlagen& vorlagen, int gruppe, int index,
                       const TIndHilfe& hilfe);

}  // namespace morvane
