#pragma once

#include <QGroupBox>
#include <string>

#include "online/konto.h"

class QLabel;
class QLineEdit;

namespace morvane {

// Of konto.cfg, the options dialog edits the price-subscription account and
// the User-Agent the update run sends; this copies those values from `eingabe`
// into `konto` and leaves the others (the update address) as they are.
void AbonnementUebernehmen(const TKonto& eingabe, TKonto& konto);

// Reads konto.cfg anew, takes over the edited values and writes it atomically
// with mode 0600, so that values another part of the program keeps in it
// stay. Raises EKonto, the file then unchanged.
void AbonnementSpeichern(const std::string& programmverzeichnis, const TKonto& eingabe);

// The group "Kursabonnement": customer number, user name, password (shown as
// dots) and the browser identification.
class TKontoGruppe : public QGroupBox {
 public:
  explicit TKontoGruppe(QWidget* eltern = nullptr);

  void Setzen(const TKonto& konto);
  // The fields as typed, in a TKonto whose other values are the defaults.
  TKonto Eingabe() const;
  // When konto.cfg cannot be read: the fields are disabled (so that OK cannot
  // replace what the file holds) and the reason is shown.
  void Sperren(const std::string& grund);
  bool Gesperrt() const { return gesperrt_; }

 private:
  QLineEdit* nummer_;
  QLineEdit* name_;
  QLineEdit* passwort_;
  QLineEdit* agent_;
  QLabel* grund_;
  bool gesperrt_ = false;
};

}  // namespace morvane
