#pragma once

#include <QDialog>
#include <string>

#include "indicators/ui/dialogknoepfe.h"

class QListWidget;

namespace morvane {

// The new-indicator dialog ("Indikator hinzufügen"): the kinds of one group
// by type name, the first one chosen; a double click acts as OK.
class TDialogIndikatorNeu : public QDialog {
 public:
  TDialogIndikatorNeu(int gruppe, const TIndHilfe& hilfe, QWidget* eltern = nullptr);

  // The class key of the chosen kind, empty when none is chosen.
  std::string Schluessel() const;
  QListWidget* Typen() const { return typen_; }

 private:
  QListWidget* typen_ = nullptr;
};

}  // namespace morvane
