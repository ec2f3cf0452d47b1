#include "portfolio/kursexport.h"

#include <charconv>
#include <memory>

#include "core/datei.h"
#include "core/datumtext.h"
#include "core/zahltext.h"

namespace morvane {
namespace {

std::string TrennzeichenAusText(std::string_view text) {
  if (text == kTrennzeichenTexte[0]) return "\t";
  if (text == kTrennzeichenTexte[1]) return ";";
  if (text == kTrennzeichenTexte[2]) return " ";
  return std::string(text);
}

// Shortest text that reads back as the same double, with a decimal comma.
std::string Zahl(double x) {
  if (x == 0) return {};
  char puffer[64];
  const auto [ende, fehler] = std::to_chars(puffer, puffer + sizeof puffer, x);
  std::string text(puffer, fehler == std::errc() ? ende : puffer);
  for (char& c : text) {
    if (c == '.') c = ',';
  }
  return text;
}

std::string Zelle(std::string_view text, std::string_view trenner) {
  const bool quoten = text.find(trenner) != std::string_view::npos ||
                      text.find_first_of("\"\r\n") != std::string_view::npos;
  if (!quoten) return std::string(text);
  std::string aus = "\"";
  for (char c : text) {
    aus += c;
    if (c == '"') aus += '"';
  }
  return aus + '"';
}

void ZeileAnhaengen(std::string& text, const std::vector<std::string>& zellen,
                    std::string_view trenner) {
  for (std::size_t i = 0; i < zellen.size(); ++i) {
    if (i > 0) text += trenner;
    text += Zelle(zellen[i], trenner);
  }
  text += "\n";
}

bool ImZeitraum(const TKurs& kurs, const TExportOptionen& o) {
  const TDatum d = DatumAusBoersentag(kurs.Datum);
  const Kalendertag tag = KalendertagAusDatum(d.Tag, d.Monat, d.Jahr);
  return tag >= o.Von && tag <= o.Bis;
}

void WertpapierAnhaengen(std::string& text, const TWertpapier& wp, const TExportOptionen& o) {
  std::vector<std::string> kopf;
  if (o.ISIN) kopf.push_back(wp.ISIN);
  if (o.WKN) kopf.push_back(wp.WKN);
  if (o.Name) kopf.push_back(wp.Bezeichnung);
  const auto kurse = wp.Kurse.Alle();
  for (std::size_t i = 0; i < kurse.size(); ++i) {
    const TKurs& k = kurse[i];
    if (o.NurLetzterKurs ? i + 1 != kurse.size() : !ImZeitraum(k, o)) continue;
    std::vector<std::string> zellen = kopf;
    const TDatum d = DatumAusBoersentag(k.Datum);
    zellen.push_back(DatumZuText(d.Tag, d.Monat, d.Jahr));
    for (double wert : {k.Eroeffnung, k.Hoch, k.Tief, k.Schluss, k.Kassakurs, k.Umsatz}) {
      zellen.push_back(Zahl(wert));
    }
    ZeileAnhaengen(text, zellen, o.Trennzeichen);
  }
}

}  // namespace

std::optional<TExportFehler> ExportEingabePruefen(const TExportEingabe& e, TExportOptionen& o) {
  // Blanks typed into the field are no separator; the offered "Leerzeichen" is.
  const std::string trenner = TrennzeichenAusText(e.Trennzeichen);
  if (Trimmen(e.Trennzeichen).empty()) {
    return TExportFehler{TExportFeld::Trennzeichen, "Es wurde kein Spaltentrennzeichen angegeben!"};
  }
  if (!e.ISIN && !e.WKN && !e.Name) {
    return TExportFehler{TExportFeld::ISIN,
                         "Es wurde kein Identifizierungsmerkmal des Wertpapiers angegeben!"};
  }
  TExportOptionen neu{trenner, e.ISIN, e.WKN, e.Name, e.NurLetzterKurs, 0, 0};
  if (!e.NurLetzterKurs) {
    const auto von = TextZuKalendertag(e.Von);
    if (!von) return TExportFehler{TExportFeld::Von, "Ungültiges Datum angegeben!"};
    const auto bis = TextZuKalendertag(e.Bis);
    if (!bis) return TExportFehler{TExportFeld::Bis, "Ungültiges Datum angegeben!"};
    if (*bis < *von) {
      return TExportFehler{TExportFeld::Bis, "Enddatum darf nicht vor Anfangsdatum liegen!"};
    }
    neu.Von = *von;
    neu.Bis = *bis;
  }
  o = neu;
  return std::nullopt;
}

std::string KurseAlsText(const std::vector<const TWertpapier*>& wertpapiere,
                         const TExportOptionen& o) {
  std::vector<std::string> kopf;
  if (o.ISIN) kopf.emplace_back("ISIN");
  if (o.WKN) kopf.emplace_back("WKN");
  if (o.Name) kopf.emplace_back("Wertpapier");
  for (const char* spalte :
       {"Datum", "Eröffnung", "Hoch", "Tief", "Schluss", "Kassakurs", "Umsatz"}) {
    kopf.emplace_back(spalte);
  }
  std::string text;
  ZeileAnhaengen(text, kopf, o.Trennzeichen);
  for (const TWertpapier* wp : wertpapiere)
    WertpapierAnhaengen(text, *wp, o);
  return text;
}

std::vector<std::string> KurseExportieren(const TWPVerwaltung& verwaltung,
                                          const std::vector<std::string>& ids,
                                          const TExportOptionen& o, const std::string& pfad) {
  std::vector<std::string> uebersprungen;
  std::string text = KurseAlsText({}, o);
  for (const std::string& id : ids) {
    try {
      const TWertpapier wp = verwaltung.WertpapierLaden(id);
      WertpapierAnhaengen(text, wp, o);
    } catch (const EWPVerwaltung& e) {
      uebersprungen.emplace_back(e.what());
    }
  }
  try {
    DateiAtomarSchreiben(pfad, text);
  } catch (const EDatei& e) {
    throw EKursExport(e.what());
  }
  return uebersprungen;
}

}  // namespace morvane
