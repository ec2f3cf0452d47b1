// Whole pages with their script and the records expected from them.

#include <gtest/gtest.h>

#include <string>

#include "core/datei.h"
#include "core/datumtext.h"
#include "core/zahltext.h"
#include "interpretertest.h"

namespace morvane {
namespace {

std::string Datei(const std::string& name) {
  return DateiLesen(std::string(MORVANE_TESTDATA) + "/online/" + name);
}

// One line per record: date, opening, high, low, close, Kassakurs, volume, id.
std::string AlsText(const std::vector<TGelesenerKurs>& kurse) {
  std::string text;
  for (const auto& [kennung, k] : kurse) {
    text += BoersentagZuText(k.Datum);
    for (double wert : {k.Eroeffnung, k.Hoch, k.Tief, k.Schluss, k.Kassakurs, k.Umsatz}) {
      text += ";" + KursZuText(wert);
    }
    text += ";" + kennung + "\n";
  }
  return text;
}

void Pruefen(const std::string& name, const std::string& seite, bool html) {
  const auto kurse = Interpretieren(Datei(name + ".skript"), Datei(seite), html);
  EXPECT_EQ(AlsText(kurse), Datei(name + ".erwartet")) << seite;
}

TEST(Golden, HtmlTable) {
  Pruefen("tabelle", "tabelle.html", true);
}

TEST(Golden, SemicolonCsvInWindows1252) {
  Pruefen("halbjahr", "halbjahr.csv", false);
}

TEST(Golden, XmlHistoryAnswer) {
  Pruefen("historie", "historie.xml", false);
}

}  // namespace
}  // namespace morvane
