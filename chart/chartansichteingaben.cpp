#include "chart/chartansichteingaben.h"

#include "chart/kurszeichnung.h"
#include "core/zahltext.h"

namespace morvane {
namespace {

constexpr std::uint16_t kMinTage = 10;
constexpr std::uint16_t kMaxTage = 50000;
constexpr std::uint8_t kMinHoehe = 20;
constexpr std::uint8_t kMaxHoehe = 70;
constexpr std::uint16_t kMaxExtremwert = 999;

std::optional<double> Umkehrminimum(std::string_view text) {
  const auto wert = TextZuZahl(text, 2);
  if (!wert || *wert < 0 || *wert > 100) return std::nullopt;
  return wert;
}

bool IstAlleTage(std::string_view text) {
  std::string klein(Trimmen(text));
  for (char& c : klein) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return klein == "alle tage";
}

// The number before the first blank: "250 Tage", "250 xyz".
std::optional<std::uint16_t> Tage(std::string_view text) {
  const std::string_view getrimmt = Trimmen(text);
  const auto wert = TextZuWord(getrimmt.substr(0, getrimmt.find(' ')));
  if (!wert || *wert < kMinTage || *wert > kMaxTage) return std::nullopt;
  return wert;
}

// "70%", "70 %" and "70" all read 70.
std::optional<std::uint8_t> Hoehe(std::string_view text) {
  std::string ohneProzent(text);
  if (const auto p = ohneProzent.find('%'); p != std::string::npos) ohneProzent[p] = ' ';
  const auto wert = TextZuByte(ohneProzent);
  if (!wert || *wert < kMinHoehe || *wert > kMaxHoehe) return std::nullopt;
  return wert;
}

std::optional<std::uint16_t> Extremwert(std::string_view text) {
  const auto wert = TextZuWord(text);
  if (!wert || *wert > kMaxExtremwert) return std::nullopt;
  return wert;
}

int Listenindex(std::uint8_t kurs) {
  return kurs >= 1 && kurs <= kKursfelder.size() ? kurs - 1 : -1;
}

// A list without a selection (the view held a price field that names none of
// the five) keeps the field as it was instead of writing 0.
void KursAusIndex(int index, std::uint8_t& kurs) {
  if (index >= 0 && static_cast<std::size_t>(index) < kKursfelder.size()) {
    kurs = static_cast<std::uint8_t>(index + 1);
  }
}

}  // namespace

TChartAnsichtEingaben EingabenAusAnsicht(const TChartAnsicht& a) {
  TChartAnsichtEingaben e;
  e.Charttyp = a.Charttyp;
  e.L_Kurs = Listenindex(a.LinienKurs);
  e.P_Kurs = Listenindex(a.PFKurs);
  e.P_Umkehrminimum = ZahlZuText(2, a.Umkehrminimum);
  e.Zeit_Tage = a.AlleTage ? std::string(kTageAuswahl[0]) : ZahlZuTextGanz(a.Tage) + " Tage";
  e.Zeit_Wochentag = a.Wochentag;
  e.Zeit_Monatsbalken = a.Monatsbalken;
  e.Zeit_Jahresbalken = a.Jahresbalken;
  e.Zeit_TageOhneKursWeglassen = a.TageOhneKursWeglassen;
  e.Wert_Logarithmisch = a.Logarithmisch;
  e.Wert_GraphStrecken = a.GraphStrecken;
  e.Z_Punkteraster = a.Punkteraster;
  e.Z_KaufVerkauf = a.KaufVerkauf;
  e.Z_GVGrenze = a.GVGrenze;
  e.Z_Indikatoren = a.Indikatoren;
  e.Z_Infobereich = a.Infobereich;
  e.Umsatz_Anzeigen = a.UmsatzAnzeigen;
  e.Umsatz_Hoehe = ZahlZuTextGanz(a.UmsatzHoehe) + " %";
  e.Umsatz_Abschneiden = a.UmsatzAbschneiden;
  e.Umsatz_Extremwert = ZahlZuTextGanz(a.UmsatzExtremwert);
  return e;
}

TChartAnsichtFreigaben Freigaben(const TChartAnsichtEingaben& e) {
  // The controls follow what the chart does with the chosen type.
  const std::unique_ptr<TKurszeichnung> zeichnung = NeueKurszeichnung(e.Charttyp);
  const bool mitUmsatz = zeichnung->HatUmsatzbereich();
  TChartAnsichtFreigaben f;
  f.LinienKursSichtbar = e.Charttyp == TCharttyp::Linie;
  f.PointFigureSichtbar = e.Charttyp == TCharttyp::PointFigure;
  // Days without prices and transactions need a type drawn by date.
  f.TransaktionszeichenAktiv = zeichnung->Saeulen() == nullptr;
  f.WertachseUndUmsatzAktiv = mitUmsatz;
  f.UmsatzHoeheAktiv = e.Umsatz_Anzeigen && mitUmsatz;
  f.UmsatzExtremwertAktiv = e.Umsatz_Anzeigen && e.Umsatz_Abschneiden && mitUmsatz;
  return f;
}

std::optional<TAnsichtEingabefehler> EingabenPruefen(const TChartAnsichtEingaben& e) {
  if (e.Charttyp == TCharttyp::PointFigure && !Umkehrminimum(e.P_Umkehrminimum)) {
    return TAnsichtEingabefehler{
        std::string(kSeiteAllgemein), "P_Umkehrminimum",
        "Der Wert für das Umkehrminimum muss zwischen 0% und 100% liegen!"};
  }
  if (!IstAlleTage(e.Zeit_Tage) && !Tage(e.Zeit_Tage)) {
    return TAnsichtEingabefehler{std::string(kSeiteAchsen), "Zeit_Tage",
                                 "Die Anzahl der Tage auf der Zeitachse muss zwischen " +
                                     ZahlZuTextGanz(kMinTage) + " und " + ZahlZuTextGanz(kMaxTage) +
                                     " liegen!"};
  }
  if (e.Umsatz_Anzeigen && !Hoehe(e.Umsatz_Hoehe)) {
    return TAnsichtEingabefehler{
        std::string(kSeiteZusaetze), "Umsatz_Hoehe",
        "Das Umsatzvolumen-Histogramm muss eine Höhe zwischen 20% und 70% haben!"};
  }
  if (e.Umsatz_Anzeigen && e.Umsatz_Abschneiden && !Extremwert(e.Umsatz_Extremwert)) {
    return TAnsichtEingabefehler{std::string(kSeiteZusaetze), "Umsatz_Extremwert",
                                 "Der Extremwert muss zwischen 0% und 999% liegen!"};
  }
  return std::nullopt;
}

void EingabenUebernehmen(const TChartAnsichtEingaben& e, TChartAnsicht& a) {
  a.Charttyp = e.Charttyp;
  KursAusIndex(e.L_Kurs, a.LinienKurs);
  KursAusIndex(e.P_Kurs, a.PFKurs);
  if (const auto wert = Umkehrminimum(e.P_Umkehrminimum)) a.Umkehrminimum = *wert;
  a.AlleTage = IstAlleTage(e.Zeit_Tage);
  if (!a.AlleTage) {
    if (const auto wert = Tage(e.Zeit_Tage)) a.Tage = *wert;
  }
  a.Wochentag = e.Zeit_Wochentag;
  a.Monatsbalken = e.Zeit_Monatsbalken;
  a.Jahresbalken = e.Zeit_Jahresbalken;
  a.TageOhneKursWeglassen = e.Zeit_TageOhneKursWeglassen;
  a.Logarithmisch = e.Wert_Logarithmisch;
  a.GraphStrecken = e.Wert_GraphStrecken;
  a.Punkteraster = e.Z_Punkteraster;
  a.KaufVerkauf = e.Z_KaufVerkauf;
  a.GVGrenze = e.Z_GVGrenze;
  a.Indikatoren = e.Z_Indikatoren;
  a.Infobereich = e.Z_Infobereich;
  a.UmsatzAnzeigen = e.Umsatz_Anzeigen;
  if (const auto wert = Hoehe(e.Umsatz_Hoehe)) a.UmsatzHoehe = *wert;
  a.UmsatzAbschneiden = e.Umsatz_Abschneiden;
  if (const auto wert = Extremwert(e.Umsatz_Extremwert)) a.UmsatzExtremwert = *wert;
}

}  // namespace morvane
