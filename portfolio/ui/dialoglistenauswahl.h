#pragma once

#include <QDialog>
#include <optional>
#include <string>
#include <vector>

#include "core/datum.h"
#include "indicators/depotindikatoren.h"
#include "store/einstellungen.h"

class QCheckBox;
class QLineEdit;
class QListWidget;

namespace morvane {

// What a selection dialog asks besides catalogs and date.
struct TAuswahlArt {
  std::string Titel;
  // "Nur Wertpapiere mit Bestand auflisten".
  bool MitBestandOption = false;
  // "Maximaler Berechnungszeitraum".
  bool MitZeitraum = false;
  // The indicator choice; empty: none.
  const TIndListe* Indikatoren = nullptr;
};

struct TListenWahl {
  std::vector<std::string> Kataloge;
  Kalendertag Datum = 0;
  bool NurMitBestand = false;
  int Zeitraum = 0;
  TIndWahl Indikator;
};

// The selection dialog of the catalog-based lists: "Kataloge" (all catalogs,
// those chosen last time preselected), "Datum" (the date used last time) and
// the list's own fields. OK is enabled only while a catalog (and, with the
// indicator choice, an indicator line) is selected; a bad date or period is
// refused with its message. Only on OK are the catalogs and the date written
// back to the settings.
class TDialogListenAuswahl : public QDialog {
 public:
  TDialogListenAuswahl(const TAuswahlArt& art, const std::vector<std::string>& kataloge,
                       TEinstellungen& einstellungen, QWidget* eltern = nullptr);

  // The choice; valid after OK.
  const TListenWahl& Wahl() const { return wahl_; }

  QListWidget* KatalogListe() const { return kataloge_; }
  QLineEdit* DatumFeld() const { return datum_; }
  QCheckBox* BestandFeld() const { return bestand_; }
  QLineEdit* ZeitraumFeld() const { return zeitraum_; }
  QListWidget* IndikatorListe() const { return indikatoren_; }
  bool OkMoeglich() const;

  void accept() override;

 private:
  std::optional<TIndWahl> IndikatorGewaehlt() const;
  void Ablehnen(QWidget* feld, const std::string& meldung);

  TAuswahlArt art_;
  TEinstellungen& einstellungen_;
  TListenWahl wahl_;
  QListWidget* kataloge_;
  QLineEdit* datum_;
  QCheckBox* bestand_ = nullptr;
  QLineEdit* zeitraum_ = nullptr;
  QListWidget* indikatoren_ = nullptr;
  QPushButton* ok_ = nullptr;
};

}  // namespace morvane
