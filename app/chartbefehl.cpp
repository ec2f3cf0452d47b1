#include "app/chartbefehl.h"

#include <cctype>
#include <string>

#include "app/cli/indikatorauswahl.h"
#include "chart/chartfeld.h"
#include "chart/chartvorlagen.h"
#include "core/datumtext.h"
#include "indicators/indvorlagen.h"
#include "platform/chartbild.h"
#include "store/einstellungen.h"

namespace morvane {
namespace {

// The view from the settings, or a template of them, with the overrides.
TChartAnsicht AnsichtLesen(TEinstellungen& einstellungen, const TCliAufruf& a) {
  TChartAnsicht ansicht = ChartAnsicht(einstellungen);
  if (auto vorlage = a.Option("--vorlage")) {
    const auto& gewaehlt =
        ChartVorlagen(einstellungen).Ansicht(GanzzahlLesen(*vorlage, "--vorlage", 1, 10));
    if (!gewaehlt) throw EAufruf("Die Vorlage " + *vorlage + " ist leer.");
    ansicht = *gewaehlt;
  }
  if (auto typ = a.Option("--typ")) {
    ansicht.Charttyp = static_cast<TCharttyp>(GanzzahlLesen(*typ, "--typ", 1, 5));
  }
  if (auto tage = a.Option("--tage")) {
    ansicht.AlleTage = *tage == "alle";
    if (!ansicht.AlleTage) {
      ansicht.Tage = static_cast<std::uint16_t>(GanzzahlLesen(*tage, "--tage", 10, 50000));
    }
  }
  if (a.Hat("--log")) ansicht.Logarithmisch = true;
  return ansicht;
}

bool IstPdf(const std::string& datei) {
  if (datei.size() < 4) return false;
  std::string endung = datei.substr(datei.size() - 4);
  for (char& c : endung)
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return endung == ".pdf";
}

// Band printing on the PDF page, checked as the print dialog would allow it.
TDruckWahl DruckLesen(const TCliAufruf& a, const std::string& datei) {
  TDruckWahl wahl;
  const auto baender = a.Option("--baender");
  const auto position = a.Option("--position");
  wahl.Hochformat = a.Hat("--hochformat");
  if ((baender || position || wahl.Hochformat) && !IstPdf(datei))
    throw EAufruf("--baender, --position und --hochformat gelten nur für eine PDF-Datei.");
  if (baender) wahl.ChartsProSeite = GanzzahlLesen(*baender, "--baender", 1, 3);
  if (position) wahl.Position = GanzzahlLesen(*position, "--position", 1, 3);
  if (wahl.ChartsProSeite == 3 && !wahl.Hochformat)
    throw EAufruf("Drei Charts pro Seite gibt es nur mit --hochformat.");
  if (wahl.Position == 2 && wahl.ChartsProSeite != 3)
    throw EAufruf("--position 2 (in der Mitte) gibt es nur mit --baender 3.");
  return wahl;
}

TChartBildOptionen OptionenLesen(const TCliAufruf& a) {
  TChartBildOptionen optionen;
  const auto ausgabe = a.Option("--ausgabe");
  if (!ausgabe) throw EAufruf("Die Option --ausgabe fehlt.");
  optionen.Datei = *ausgabe;
  optionen.Druck = DruckLesen(a, *ausgabe);
  if (auto b = a.Option("--breite")) {
    optionen.Breite = GanzzahlLesen(*b, "--breite", 1, kChartBildMaximum);
  }
  if (auto h = a.Option("--hoehe")) {
    optionen.Hoehe = GanzzahlLesen(*h, "--hoehe", 1, kChartBildMaximum);
  }
  if (auto bis = a.Option("--bis")) {
    const auto tag = TextZuBoersentag(*bis);
    if (!tag) throw EAufruf("Ungültiges Datum oder kein Börsentag: " + *bis);
    optionen.Bis = *tag;
  }
  return optionen;
}

// The whole chart field as the main window shows it: chart, indicator bar and
// info area as the view says, with the chosen indicators drawn in. The
// settings file is only read; the overrides are not saved.
void Chart(const TKontext& k, const TCliAufruf& a) {
  const TChartBildOptionen optionen = OptionenLesen(a);
  TEinstellungen einstellungen(k.Programmverzeichnis);
  ChartEinstellungenEinstecken(einstellungen);
  IndEinstellungenEinstecken(einstellungen);
  TChartAnsicht ansicht = AnsichtLesen(einstellungen, a);
  TChartFeld feld(k.Verwaltung, ansicht, IndVorlagen(einstellungen));
  feld.ZeigeWertpapier(a.Arg(0));
  if (auto liste = a.Option("--indikatoren"))
    IndikatorenAnzeigen(feld.IndikatorBalken().Analyse(), *liste);
  if (optionen.Bis) feld.Chart().SetzeEndeDatum(*optionen.Bis);
  const TQtUmgebung qt;
  FeldAlsBildSpeichern(feld, feld.Wertpapier()->Bezeichnung, optionen);
}

}  // namespace

std::vector<TCliBefehl> Chartbefehle() {
  return {{"chart",
           {"chart ID --ausgabe DATEI.png|DATEI.pdf|DATEI.svg [--breite W] [--hoehe H] "
            "[--vorlage N] [--typ 1..5] [--tage N|alle] [--bis DATUM] [--log] "
            "[--indikatoren G:I[:MODUS],...] [--baender 1|2|3] [--position 1|2|3] [--hochformat]",
            1,
            1,
            {"--ausgabe", "--breite", "--hoehe", "--vorlage", "--typ", "--tage", "--bis",
             "--indikatoren", "--baender", "--position"},
            {"--log", "--hochformat"}},
           Chart}};
}

}  // namespace morvane
