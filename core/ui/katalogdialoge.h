#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "core/ui/wpdialogteile.h"

class QComboBox;
class QLineEdit;
class QRadioButton;

namespace morvane {

// "Katalog umbenennen": one name field; OK takes only a name that
// KatalogNamePruefen accepts.
class TDialogKatalogUmbenennen : public QDialog {
 public:
  TDialogKatalogUmbenennen(QWidget* eltern, const std::string& name, TWPDialogUmgebung umgebung);
  // The checked, trimmed name after OK.
  const std::string& Name() const { return name_; }
  QLineEdit* NameEdit() const { return edit_; }
  void Pruefen();

 private:
  TWPDialogUmgebung umgebung_;
  QLineEdit* edit_;
  std::string name_;
};

// "Wertpapier kopieren/verschieben": the target catalog (one of `kataloge` or
// a new name) and whether to move.
class TDialogWPKopierenVerschieben : public QDialog {
 public:
  TDialogWPKopierenVerschieben(QWidget* eltern, const std::vector<std::string>& kataloge,
                               const std::string& katalog, TWPDialogUmgebung umgebung);
  const std::string& Katalog() const { return katalog_; }
  bool Verschieben() const;
  QComboBox* KatalogEdit() const { return combo_; }
  QRadioButton* VerschiebenKnopf() const { return verschieben_; }
  void Pruefen();

 private:
  TWPDialogUmgebung umgebung_;
  QComboBox* combo_;
  QRadioButton* verschieben_;
  std::string katalog_;
};

}  // namespace morvane
