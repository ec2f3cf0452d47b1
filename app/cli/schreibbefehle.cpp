#include <unistd.h>

#include <memory>
#include <ostream>

#include "app/cli/befehle.h"
#include "core/transaktionsbearbeitung.h"
#include "store/csvimport.h"

namespace morvane {
namespace {

void Anlegen(const TKontext& k, const TCliAufruf& a) {
  TextlaengePruefen(a.Arg(1), "NAME");
  for (const char* option : {"--isin", "--wkn", "--waehrung"}) {
    if (auto text = a.Option(option)) TextlaengePruefen(*text, option);
  }
  TWPStammdaten s;
  s.Bezeichnung = a.Arg(1);
  s.ISIN = a.Option("--isin").value_or("");
  s.WKN = a.Option("--wkn").value_or("");
  s.Waehrung = a.Option("--waehrung").value_or(s.Waehrung);
  if (auto typ = a.Option("--typ"))
    s.WPTyp = static_cast<std::uint8_t>(GanzzahlLesen(*typ, "--typ", 0, 2));
  if (auto boerse = a.Option("--boerse")) {
    s.Boerse = static_cast<std::uint8_t>(GanzzahlLesen(*boerse, "--boerse", 0, 8));
  }
  const std::string id = k.Verwaltung.NeueID(a.Arg(0), a.Arg(1));
  try {
    k.Verwaltung.StammdatenAendern(id, s);
  } catch (...) {
    // Gives the reserved name back.
    ::unlink(id.c_str());
    throw;
  }
  k.Aus << id << '\n';
}

TTransaktionsEingabe EingabeLesen(const TCliAufruf& a) {
  TTransaktionsEingabe e;
  const std::string& art = a.Arg(1);
  if (art == "kauf" || art == "verkauf") {
    if (a.Argumente.size() != 6)
      throw EAufruf("kauf und verkauf verlangen DATUM STUECK KURS BETRAG.");
    e.Art = art == "kauf" ? TEingabeArt::Kauf : TEingabeArt::Verkauf;
    e.Stueck = a.Arg(3);
    e.Kurs = a.Arg(4);
    e.Betrag = a.Arg(5);
  } else if (art == "sonstige") {
    if (a.Argumente.size() != 4) throw EAufruf("sonstige verlangt DATUM BETRAG.");
    e.Art = TEingabeArt::Sonstige;
    e.Betrag = a.Arg(3);
  } else {
    throw EAufruf("Unbekannte Transaktionsart: " + art + " (kauf, verkauf oder sonstige)");
  }
  e.Datum = a.Arg(2);
  return e;
}

void Transaktion(const TKontext& k, const TCliAufruf& a) {
  const std::unique_ptr<TTransaktion> neu = TransaktionLesen(EingabeLesen(a));
  k.Verwaltung.WertpapierAendern(
      a.Arg(0), [&](TWertpapier& wp) { TransaktionEinfuegen(wp.Transaktionen, *neu); });
}

void Split(const TKontext& k, const TCliAufruf& a) {
  const TSplitEingabe split = SplitLesen(a.Arg(2), a.Arg(3), a.Arg(1));
  k.Verwaltung.WertpapierAendern(
      a.Arg(0), [&](TWertpapier& wp) { wp.SplitEinfuegen(split.Datum, split.Von, split.Nach); });
}

void Importiere(const TKontext& k, const TCliAufruf& a) {
  if (!k.Verwaltung.Existiert(a.Arg(0))) {
    throw EWPVerwaltung("Die ID '" + a.Arg(0) + "' verweist auf keine gültige Wertpapier-Datei.");
  }
  const TCsvImport ergebnis = CsvKurseLesen(EingabedateiLesen(a.Arg(1), kCsvGrenze));
  if (ergebnis.Uebernommen == 0) {
    throw Exception("Die Datei '" + a.Arg(1) +
                    "' enthält keine gültigen Kurse: " + CsvImportBericht(ergebnis));
  }
  k.Verwaltung.KurseMischen(a.Arg(0), ergebnis.Kurse);
  k.Meldung << CsvImportBericht(ergebnis) << '\n';
}

}  // namespace

std::vector<TCliBefehl> Schreibbefehle() {
  return {
      {"anlegen",
       {"anlegen KATALOG NAME [--isin X] [--wkn X] [--waehrung X] [--typ 0|1|2] [--boerse 0..8]",
        2,
        2,
        {"--isin", "--wkn", "--waehrung", "--typ", "--boerse"},
        {}},
       Anlegen},
      {"transaktion",
       {"transaktion ID kauf|verkauf DATUM STUECK KURS BETRAG | transaktion ID sonstige DATUM "
        "BETRAG",
        4,
        6,
        {},
        {}},
       Transaktion},
      {"split", {"split ID DATUM VON NACH", 4, 4, {}, {}}, Split},
      {"importiere", {"importiere ID DATEI", 2, 2, {}, {}}, Importiere},
  };
}

}  // namespace morvane
