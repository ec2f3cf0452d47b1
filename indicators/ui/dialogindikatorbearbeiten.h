#pragma once

#include <QDialog>
#include <vector>

#include "indicators/indbearbeiten.h"
#include "indicators/ui/dialogknoepfe.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QTabWidget;

namespace morvane {

class TFeldseite;

// The parameter dialog ("Indikator bearbeiten") of any indicator, built from
// what the indicator describes of itself: the "Allgemein" page with its name,
// code and "Im Chart anzeigen" boxes, the "Berechnung" page from its field
// description and, when the signal model applies, the "Signalgenerierung"
// page. A new kind needs no code here. The controls are made anew for every
// dialog, so nothing of one opening survives into the next.
class TDialogIndikatorBearbeiten : public QDialog {
 public:
  TDialogIndikatorBearbeiten(TIndikator& indikator, TIndHilfe hilfe, QWidget* eltern = nullptr);

  // The controls' texts and states as the model reads them.
  TParameterEingaben Eingaben() const;

  QTabWidget* Seiten() const { return seiten_; }
  QLabel* Typ() const { return typ_; }
  QLineEdit* Bezeichnung() const { return bezeichnung_; }
  QLineEdit* Kurzbezeichnung() const { return kurz_; }
  const std::vector<QCheckBox*>& Kaestchen() const { return kaestchen_; }
  TFeldseite* Berechnung() const { return berechnung_; }
  TFeldseite* Signal() const { return signal_; }
  QLineEdit* ExtremzoneOben() const { return oben_; }

  // OK: checks page by page and takes everything over; at the first failure
  // the dialog stays open on that page with the field focused and says why.
  void accept() override;

 private:
  QWidget* AllgemeinSeite();
  QWidget* BerechnungSeite();
  QWidget* SignalSeite();
  void Fuellen();
  TFeldseite* SeiteZu(TParameterSeite seite) const;

  TIndikator& indikator_;
  QTabWidget* seiten_ = nullptr;
  QLabel* typ_ = nullptr;
  QLineEdit* bezeichnung_ = nullptr;
  QLineEdit* kurz_ = nullptr;
  std::vector<QCheckBox*> kaestchen_;
  TFeldseite* berechnung_ = nullptr;
  TFeldseite* signal_ = nullptr;
  QLineEdit* oben_ = nullptr;
};

// Shows the parameter dialog modally; true when OK took the inputs over.
bool IndikatorBearbeiten(QWidget* eltern, TIndikator& indikator, const TIndHilfe& hilfe);

}  // namespace morvane
