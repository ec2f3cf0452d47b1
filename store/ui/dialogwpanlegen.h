#pragma once

#include <QDialog>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "store/wpverwaltung.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;
class QTabWidget;
class QTreeView;

namespace morvane {

class TAnlegeZeilenModell;
class TWertpapierVorlagen;

// The controls of the create dialog, for its parts and its tests.
struct TWPAnlegenSteuerelemente {
  QTabWidget* Seiten = nullptr;
  QWidget* ListeTabSheet = nullptr;
  QWidget* ManuellTabSheet = nullptr;
  QScrollArea* ScrollBox1 = nullptr;
  std::vector<QPushButton*> Kategorien;
  QLineEdit* SuchfeldEdit = nullptr;
  QComboBox* BoersenplatzEdit = nullptr;
  QTreeView* ErgebnisListBox = nullptr;
  QComboBox* KatalogEdit1 = nullptr;
  QPushButton* AnlegenButton1 = nullptr;
  QLineEdit* NameEdit = nullptr;
  QLineEdit* ISINEdit = nullptr;
  QLineEdit* WKNEdit = nullptr;
  QComboBox* BoerseListBox = nullptr;
  QComboBox* WaehrungEdit = nullptr;
  QComboBox* WPTypEdit = nullptr;
  QPlainTextEdit* KommentarEdit = nullptr;
  QComboBox* KatalogEdit2 = nullptr;
  QPushButton* AnlegenButton2 = nullptr;
  QLabel* StatusLabel = nullptr;
  QPushButton* Hilfe = nullptr;
  QPushButton* Schliessen = nullptr;
};

// "Wertpapiere anlegen": finds securities in the templates file (by category
// or search text, filtered by exchange) and creates the chosen rows in a
// catalog, or creates one from fields filled in by hand. It writes only when a
// create button is pressed; each create is complete when it returns.
class TDialogWPAnlegen : public QDialog {
 public:
  using THilfe = std::function<void()>;
  // Shows an error message over the dialog; a message box unless replaced.
  using TFehleranzeige = std::function<void(QWidget*, const std::string&)>;

  TDialogWPAnlegen(TWPVerwaltung verwaltung, THilfe hilfe, QWidget* eltern = nullptr);
  ~TDialogWPAnlegen() override;

  void SetzeFehleranzeige(TFehleranzeige anzeige) { fehleranzeige_ = std::move(anzeige); }

  // Opens, runs modally and closes again.
  void Ausfuehren(const std::string& vorlagendatei);
  // Loads the templates with their progress in the status line and resets
  // every control. A templates file that cannot be read leaves the manual tab.
  void Oeffnen(const std::string& vorlagendatei);
  // Frees the templates.
  void Schliessen();

  const TWPAnlegenSteuerelemente& Steuerelemente() const { return s_; }
  const TAnlegeZeilenModell& Ergebnis() const { return *ergebnis_; }

 private:
  void Aufbauen();
  QWidget* ListeAufbauen();
  QWidget* ManuellAufbauen();
  void Verbinden();
  void KategorienAnlegen(const std::vector<std::string>& namen);
  void KatalogeFuellen();
  void Zuruecksetzen();

  void Suchen();
  void SuchtextGeaendert();
  void KategorieGeklickt(std::size_t k);
  void Freigeben();
  void AusListeAnlegen();
  void ManuellAnlegen();
  void Angelegt(const std::vector<std::string>& ids, const std::string& katalog);
  // Runs `schritt` with the hourglass; a failure is shown, never thrown.
  void Sicher(const std::function<void()>& schritt);

  TWPVerwaltung verwaltung_;
  THilfe hilfe_;
  TFehleranzeige fehleranzeige_;
  std::unique_ptr<TWertpapierVorlagen> vorlagen_;
  std::optional<std::size_t> kategorie_;
  TAnlegeZeilenModell* ergebnis_ = nullptr;
  QWidget* kategorienFlaeche_ = nullptr;
  TWPAnlegenSteuerelemente s_;
};

}  // namespace morvane
