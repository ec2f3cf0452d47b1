#pragma once

#include <QDialog>
#include <array>
#include <string>

#include "core/ui/wpdialogteile.h"
#include "core/wpstammdaten.h"
#include "store/wpverwaltung.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QTabWidget;

namespace morvane {

// "Wertpapier-Eigenschaften": master data, fees, comment and price sources
// of one security on four pages. OK checks the fees in their order (the
// first bad one is shown on its page) and writes the master data with one
// locked change; nothing is written before.
class TDialogWPEigenschaften : public QDialog {
 public:
  TDialogWPEigenschaften(QWidget* eltern, const TWPVerwaltung& verwaltung, std::string id,
                         TWPDialogUmgebung umgebung);

  // The master data as written by OK.
  const TWPStammdaten& Stammdaten() const { return stammdaten_; }
  bool GebuehrenImKatalog() const;
  void Pruefen();

  QTabWidget* Seiten() const { return seiten_; }
  QLineEdit* BezeichnungEdit() const { return bezeichnung_; }
  // KaufRel, KaufAbs, KaufMin, VerkaufRel, VerkaufAbs, VerkaufMin.
  QLineEdit* GebuehrEdit(int i) const { return gebuehren_.at(static_cast<std::size_t>(i)); }
  QCheckBox* KatalogCheckBox() const { return imKatalog_; }

 private:
  QWidget* SeiteAllgemein();
  QWidget* SeiteGebuehren();
  QWidget* SeiteKommentar();
  QWidget* SeiteKursaktualisierung();
  void Fuellen();
  TWPStammdaten Lesen() const;

  const TWPVerwaltung& verwaltung_;
  std::string id_;
  TWPDialogUmgebung umgebung_;
  TWPStammdaten stammdaten_;
  QTabWidget* seiten_;
  QLineEdit* bezeichnung_ = nullptr;
  QLineEdit* wkn_ = nullptr;
  QLineEdit* isin_ = nullptr;
  QComboBox* waehrung_ = nullptr;
  QComboBox* boerse_ = nullptr;
  QComboBox* typ_ = nullptr;
  QLineEdit* datei_ = nullptr;
  std::array<QLineEdit*, 6> gebuehren_{};
  QCheckBox* imKatalog_ = nullptr;
  QPlainTextEdit* kommentar_ = nullptr;
  QCheckBox* manuell_ = nullptr;
  std::array<QLineEdit*, 3> quelleAktuell_{}, idAktuell_{}, quelleHistorisch_{}, idHistorisch_{};
};

// Opens the dialog for `id`; after OK with the catalog tick box set, asks
// whether the fees go to every security of the catalog and writes them there
// on Yes. True when the dialog returned OK.
bool WPEigenschaftenBearbeiten(QWidget* eltern, const TWPVerwaltung& verwaltung,
                               const std::string& id, const TWPDialogUmgebung& umgebung);

}  // namespace morvane
