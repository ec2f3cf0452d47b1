#include "indicators/artbeschreibung.h"

#include <algorithm>
#include <stdexcept>

namespace morvane {

namespace {

int Seitenposition(TFeldkennung feld, std::span<const TFeldkennung> seitenfelder) {
  const auto stelle = std::find(seitenfelder.begin(), seitenfelder.end(), feld);
  if (stelle == seitenfelder.end()) {
    throw std::logic_error("Prüfung nennt ein Feld, das nicht auf der Berechnungsseite steht");
  }
  return static_cast<int>(stelle - seitenfelder.begin());
}

bool Enthaelt(std::span<const TFeldkennung> felder, TFeldkennung feld) {
  return std::find(felder.begin(), felder.end(), feld) != felder.end();
}

void KeinesDoppelt(std::span<const TFeldkennung> felder, const char* meldung) {
  for (std::size_t i = 0; i < felder.size(); ++i) {
    if (Enthaelt(felder.first(i), felder[i])) throw std::logic_error(meldung);
  }
}

}  // namespace

std::vector<TPruefschritt> Pruefschritte(std::span<const TFeldpruefung> pruefungen,
                                         std::span<const TFeldkennung> seitenfelder) {
  std::vector<TPruefschritt> schritte;
  for (const TFeldpruefung& p : pruefungen) {
    const int feld = Seitenposition(p.Feld, seitenfelder);
    if (!p.Bedingung) {
      schritte.push_back(FeldPruefen(feld));
      continue;
    }
    std::vector<std::size_t> liest;
    for (TFeldkennung gelesen : p.Liest)
      liest.push_back(static_cast<std::size_t>(Seitenposition(gelesen, seitenfelder)));
    auto bedingung = [liest, b = p.Bedingung](std::span<const double> werte) {
      std::vector<double> gelesen;
      for (std::size_t i : liest)
        gelesen.push_back(werte[i]);
      return b(gelesen);
    };
    schritte.push_back(Querpruefung(feld, std::move(bedingung), p.Meldung));
  }
  return schritte;
}

void DatensatzPruefen(std::span<const TFeldkennung> dialog,
                      std::span<const TFeldkennung> datensatz) {
  KeinesDoppelt(dialog, "Der Dialog nennt ein Feld zweimal");
  KeinesDoppelt(datensatz, "Der Datensatz nennt ein Feld zweimal");
  for (TFeldkennung feld : dialog) {
    if (!Enthaelt(datensatz, feld)) {
      throw std::logic_error("Dem Datensatz fehlt ein Feld des Dialogs");
    }
  }
}

}  // namespace morvane
