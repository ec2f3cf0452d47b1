#pragma once

#include <QApplication>
#include <QListWidget>
#include <memory>
#include <string>
#include <vector>

#include "app/fenster/hauptfenster.h"
#include "testhilfe/beispieldaten.h"
#include "testhilfe/tempverzeichnis.h"

namespace morvane::test {

// A program directory and a data directory with the catalogs "Aktien"
// (Microsoft, Apple, Google with real prices), "Leer" (no security) and
// "Indizes" (S&P 500), and a main window over them whose error boxes are
// collected in Meldungen.
class FensterTest : public testing::Test {
 protected:
  FensterTest() : store_(daten_.Pfad()) {
    Anlegen("Aktien", "Microsoft", "MSFT_2003_matplotlib.csv");
    Anlegen("Aktien", "Apple", "AAPL_2013-2018_observable.csv");
    Anlegen("Aktien", "Google", "GOOG_2004-2008_matplotlib.csv");
    DateiAnlegen(daten_.Pfad() + "Leer/.keep", "");
    Anlegen("Indizes", "S&P 500", "SP500_2000-2020_vega.csv");
    NeueEinstellungen();
  }

  std::string Anlegen(const std::string& katalog, const std::string& name,
                      const std::string& kurse) {
    const std::string id = store_.NeueID(katalog, name);
    store_.WertpapierSpeichern(id, BeispielPapier(kurse, name));
    return id;
  }

  // Settings read anew from the program directory, as at a new start.
  void NeueEinstellungen() {
    fenster_.reset();
    einstellungen_ = std::make_unique<TEinstellungen>(programm_.Pfad());
    einstellungen_->SetzeDatenverzeichnis(daten_.Pfad());
  }

  // A new main window, started as after the event loop began.
  THauptfenster& Oeffnen() {
    fenster_ = std::make_unique<THauptfenster>(
        *einstellungen_, store_,
        [this](QWidget*, const std::string& meldung) { Meldungen.push_back(meldung); });
    fenster_->show();
    fenster_->Starten();
    return *fenster_;
  }

  static std::vector<std::string> Texte(const QListWidget& liste) {
    std::vector<std::string> texte;
    for (int i = 0; i < liste.count(); ++i)
      texte.push_back(liste.item(i)->text().toStdString());
    return texte;
  }

  static std::vector<std::string> Gewaehlt(const QListWidget& liste) {
    std::vector<std::string> texte;
    for (int i = 0; i < liste.count(); ++i) {
      if (liste.item(i)->isSelected()) texte.push_back(liste.item(i)->text().toStdString());
    }
    return texte;
  }

  TTempVerzeichnis programm_;
  TTempVerzeichnis daten_;
  TWPVerwaltung store_;
  std::unique_ptr<TEinstellungen> einstellungen_;
  std::unique_ptr<THauptfenster> fenster_;
  std::vector<std::string> Meldungen;
};

using VS = std::vector<std::string>;

}  // namespace morvane::test
