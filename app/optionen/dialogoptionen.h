#pragma once

#include <QDialog>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/optionen/knoepfe.h"
#include "online/internetverbindung.h"
#include "online/konto.h"
#include "online/optionen.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;

namespace morvane {

class TEinstellungen;
class TKontoGruppe;

// What the options dialog needs besides the settings.
struct TOptionenUmgebung {
  // Where the directory chooser starts when the field is empty.
  std::string Programmverzeichnis;
  // The log book's file.
  std::string Logdatei;
  // The store's catalogs for the time-point dialog.
  std::function<std::vector<std::string>()> Kataloge;
  THilfeAufruf Hilfe;
  THilfeAufruf ZeitpunktHilfe;
  // Opens a file in the desktop's viewer; false when that failed. Without one
  // the desktop services are asked.
  std::function<bool(const std::string& datei)> DateiOeffnen;
  // The dial-up connection object; without one there is no dial-up networking.
  std::function<std::unique_ptr<TInternetVerbindung>()> Verbindung;
};

// "Optionen": the data directory, the price update with its schedule, dial-up
// networking and the HTTP proxy. It edits copies; the settings and the
// schedule change only when the dialog closes with OK.
class TDialogOptionen : public QDialog {
 public:
  TDialogOptionen(QWidget* eltern, const TEinstellungen& einstellungen,
                  const TZeitplaner& zeitplaner, TOptionenUmgebung umgebung);
  ~TDialogOptionen() override;

  // The controls as they stand.
  TOptionenEingabe Eingabe() const;

  // Runs the dialog and on OK writes it back into the settings and the
  // schedule (saving is the caller's).
  static bool Ausfuehren(QWidget* eltern, TEinstellungen& einstellungen, TZeitplaner& zeitplaner,
                         TOptionenUmgebung umgebung);

 private:
  QWidget* ProgrammSeite();
  QWidget* KursSeite();
  QWidget* ZeitplanTeil(QWidget* seite);
  QWidget* InternetSeite();
  QWidget* ProxyTeil(QWidget* seite);
  void Fuellen(const TOptionenEingabe& eingabe);
  void Freigeben();
  void VerzeichnisWaehlen();
  void LogdateiAnzeigen();
  void EigenschaftenAnzeigen();
  // Opens the time-point dialog on `zeitpunkt`; true on OK.
  bool ZeitpunktBearbeiten(TZeitpunkt& zeitpunkt, bool neu);
  void Hinzufuegen();
  void Bearbeiten();
  void Loeschen();
  int GewaehlteZeile() const;
  void Pruefen();
  void Melden(const QString& text);
  // konto.cfg of the program directory into the group "Kursabonnement", and
  // back on OK; false (with the message shown) when it cannot be written.
  void AbonnementLaden();
  bool AbonnementSchreiben();

  TOptionenUmgebung umgebung_;
  std::unique_ptr<TInternetVerbindung> verbindung_;
  std::vector<TZeitpunkt> zeitpunkte_;

  QTabWidget* seiten_ = nullptr;
  QLineEdit* verzeichnis_ = nullptr;
  QLineEdit* timeout_ = nullptr;
  QCheckBox* protokollieren_ = nullptr;
  QCheckBox* autoUpdate_ = nullptr;
  QLineEdit* updateAdresse_ = nullptr;
  QCheckBox* zeitplan_ = nullptr;
  QListWidget* liste_ = nullptr;
  QPushButton* hinzufuegen_ = nullptr;
  QPushButton* bearbeiten_ = nullptr;
  QPushButton* loeschen_ = nullptr;
  QCheckBox* dfueVerbinden_ = nullptr;
  QLabel* dfueBeschriftung_ = nullptr;
  QComboBox* dfueListe_ = nullptr;
  QPushButton* eigenschaften_ = nullptr;
  std::vector<QWidget*> dfueFelder_;
  QLineEdit* wahlwiederholungen_ = nullptr;
  QLineEdit* wahlpause_ = nullptr;
  QCheckBox* trennen_ = nullptr;
  QLineEdit* proxyAdresse_ = nullptr;
  QLineEdit* proxyPort_ = nullptr;
  QLineEdit* proxyKennung_ = nullptr;
  QLineEdit* proxyPasswort_ = nullptr;
  TKontoGruppe* abonnement_ = nullptr;
  // What the dialog showed on opening: only what the user changed is written
  // back to konto.cfg, so that values another part of the program wrote
  // meanwhile stay.
  std::string updateAdresseAnfang_;
  std::optional<TKonto> abonnementAnfang_;
};

}  // namespace morvane
