// The shipped price-source files as the build writes them beside the programs,
// and each shipped source's script over a page in its provider's format.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "core/datei.h"
#include "core/datumtext.h"
#include "core/zahltext.h"
#include "interpretertest.h"
#include "online/inlineparser.h"
#include "online/kandidaten.h"
#include "online/quellendatei.h"
#include "online/quellenmanager.h"
#include "online/quellentext.h"
#include "testhilfe/ausnahme.h"

namespace morvane {
namespace {

class MitgelieferteQuellen : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { manager_ = new TQuellenManager(MORVANE_QUELLEN_VERZEICHNIS); }
  static void TearDownTestSuite() {
    delete manager_;
    manager_ = nullptr;
  }

  static const TQuelle* Finden(const std::string& anzeigename) {
    const auto& q = manager_->Quellen();
    const auto it = std::find_if(q.begin(), q.end(), [&](const TQuelle& quelle) {
      return quelle.Anzeigename() == anzeigename;
    });
    return it == q.end() ? nullptr : &*it;
  }

  static TQuellenManager* manager_;
};

TQuellenManager* MitgelieferteQuellen::manager_ = nullptr;

// Date, open, high, low, close, Kassakurs and volume of every record.
std::string Text(const std::vector<TGelesenerKurs>& kurse) {
  std::string text;
  for (const auto& [kennung, k] : kurse) {
    if (!text.empty()) text += "; ";
    text += BoersentagZuText(k.Datum);
    for (const double wert : {k.Eroeffnung, k.Hoch, k.Tief, k.Schluss, k.Kassakurs, k.Umsatz})
      text += " " + KursZuText(wert);
  }
  return text;
}

TWPStammdaten Wertpapier(std::uint8_t typ, std::uint8_t boerse, std::string isin) {
  TWPStammdaten wp;
  wp.WPTyp = typ;
  wp.Boerse = boerse;
  wp.ISIN = std::move(isin);
  wp.WKN = "716460";
  return wp;
}

TEST_F(MitgelieferteQuellen, LoadWithEveryTemplateAndScriptParsing) {
  EXPECT_TRUE(manager_->Meldungen().empty());
  EXPECT_EQ(manager_->Anzahl(), 18);
  EXPECT_EQ(QuellenPruefen(manager_->Quellen(), {8, 12, 2026}), std::vector<std::string>{});
  std::vector<TQuelle> eigene;
  EXPECT_EQ(
      QuellenLesen(DateiLesen(std::string(MORVANE_QUELLEN_VERZEICHNIS) + "/anwender.mvq"), eigene),
      KalendertagAusDatum(8, 12, 2026));
  EXPECT_TRUE(eigene.empty());
  const std::string programm =
      DateiLesen(std::string(MORVANE_QUELLEN_VERZEICHNIS) + "/Quellen35.mvq");
  EXPECT_EQ(QuellenSignatur(programm), TQuellenKopf::Programm);
  EXPECT_EQ(QuellenSignatur(DateiLesen(std::string(MORVANE_QUELLEN_VERZEICHNIS) + "/anwender.mvq")),
            TQuellenKopf::Persoenlich);
}

TEST_F(MitgelieferteQuellen, EveryAutomaticCandidateIsThere) {
  const TWPStammdaten faelle[] = {
      Wertpapier(0, 8, "DE0007164600"), Wertpapier(0, 3, ""),
      Wertpapier(0, 0, "DE0008492356"), Wertpapier(0, 0, ""),
      Wertpapier(1, 0, "DE0008469008"), Wertpapier(1, 8, ""),
  };
  int gefunden = 0;
  for (const TWPStammdaten& wp : faelle) {
    for (const bool tageskurse : {true, false}) {
      TKandidaten kandidaten(wp, tageskurse);
      const auto kandidat = kandidaten.Naechster();
      ASSERT_TRUE(kandidat);
      const TQuelle* quelle = Finden(kandidat->Anzeigename);
      EXPECT_TRUE(quelle) << kandidat->Anzeigename;
      gefunden += quelle != nullptr && !quelle->IstTextdatei();
    }
  }
  EXPECT_EQ(gefunden, 12);
}

TEST_F(MitgelieferteQuellen, TemplatesExpandForASecurity) {
  const struct {
    const char* quelle;
    TWPStammdaten wp;
    const char* id;
    const char* adresse;
  } faelle[] = {
      {"Internet (aktuell): Wertpapiere von Onvista [ISIN]", Wertpapier(0, 8, "DE0007164600"), "",
       "https://api.boerse-frankfurt.de/v1/data/price_information/"
       "single?isin=DE0007164600&mic=XETR"},
      {"Internet (historisch): Fonds außerbörslich von Onvista [ISIN]",
       Wertpapier(0, 0, "DE0008492356"), "",
       "https://api.boerse-frankfurt.de/v1/tradingview/history?symbol=XFRA:DE0008492356"
       "&resolution=1D&from=1609459200&to=4102444800"},
      {"Internet (historisch): Indizes von Onvista [ISIN]", Wertpapier(1, 0, "DE0008469008"), "",
       "https://api.boerse-frankfurt.de/v1/tradingview/history?symbol=XETR:DE0008469008"
       "&resolution=1D&from=1609459200&to=4102444800"},
      {"Internet (aktuell): Wertpapiere von Onvista [WKN]", Wertpapier(0, 8, ""), "",
       "https://www.consorsbank.de/web-financialinfo-service/api/marketdata/stocks?id=716460"
       "&field=QuotesV1&field=BasicV1"},
      {"Internet (historisch): EZB-Referenzkurs [Währung als Kennung]", Wertpapier(2, 0, ""), "USD",
       "https://data-api.ecb.europa.eu/service/data/EXR/D.USD.EUR.SP00.A?startPeriod=2025-01-01"
       "&format=csvdata"},
      {"Textdatei (akt./hist.): CSV-Kursdatei [Pfad als Kennung]", Wertpapier(0, 8, ""),
       "/home/anna/Kurse/sap.csv", "/home/anna/Kurse/sap.csv"},
      {"Textdatei (akt./hist.): CSV-Kursdatei <ISIN>.csv [Ordner als Kennung]",
       Wertpapier(0, 8, "DE0007164600"), "/home/anna/Kurse", "/home/anna/Kurse/DE0007164600.csv"},
  };
  for (const auto& f : faelle) {
    const TQuelle* quelle = Finden(f.quelle);
    ASSERT_TRUE(quelle) << f.quelle;
    const TInlineParser vorlage(quelle->UrlVorlage, {8, 12, 2026});
    EXPECT_TRUE(vorlage.ProWertpapier()) << f.quelle;
    EXPECT_EQ(vorlage.Expandieren(f.wp, f.id), f.adresse) << f.quelle;
  }
}

TEST_F(MitgelieferteQuellen, ScriptsReadTheirProvidersPages) {
  const struct {
    const char* quelle;
    const char* seite;
    const char* erwartet;  // date, open, high, low, close, Kassakurs, volume
  } faelle[] = {
      {"Internet (aktuell): Wertpapiere von Onvista [ISIN]", "boersefrankfurt_einzelkurs.json",
       "07.10.2026 0,00 0,00 0,00 188,02 0,00 1671276,00"},
      {"Internet (historisch): Wertpapiere von Onvista [ISIN]", "boersefrankfurt_historie.json",
       "03.12.2026 187,50 189,20 186,90 188,02 0,00 1671276,00; "
       "04.12.2026 188,10 190,05 187,40 189,74 0,00 1402311,50; "
       "07.12.2026 0,00 191,00 189,50 190,50 0,00 0,00"},
      {"Internet (historisch): Indizes von Onvista [ISIN]", "boersefrankfurt_keinedaten.json", ""},
      {"Internet (historisch): Fonds außerbörslich von Onvista [ISIN]", "zustimmung.html", ""},
      {"Internet (aktuell): Indizes von Onvista [WKN]", "consorsbank.json",
       "07.12.2026 187,50 189,20 186,90 188,02 0,00 1671276,00"},
      {"Internet (historisch): Fonds außerbörslich von Onvista [WKN]", "consorsbank.json",
       "07.12.2026 187,50 189,20 186,90 188,02 0,00 1671276,00"},
      {"Internet (aktuell): EZB-Referenzkurs [Währung als Kennung]", "ezb.csv",
       "02.01.2024 0,00 0,00 0,00 1,0956 0,00 0,00; 03.01.2024 0,00 0,00 0,00 1,0919 0,00 0,00"},
      {"Textdatei (akt./hist.): CSV-Kursdatei [Pfad als Kennung]", "export.csv",
       "05.01.2026 12,50 13,00 12,00 12,75 0,00 1000,00; "
       "06.01.2026 12,80 13,10 12,60 13,00 12,90 0,00; "
       "07.01.2026 13,00 13,20 12,90 13,05 0,00 2500,00"},
  };
  for (const auto& f : faelle) {
    const TQuelle* quelle = Finden(f.quelle);
    ASSERT_TRUE(quelle) << f.quelle;
    const std::string seite =
        DateiLesen(std::string(MORVANE_TESTDATA) + "/online/quellen/" + f.seite);
    EXPECT_EQ(Text(Interpretieren(quelle->Script, seite, quelle->IstHtml())), f.erwartet)
        << f.quelle;
  }
}

TEST(Quellentext, FaultsNameTheLine) {
  const struct {
    const char* text;
    const char* fehler;
  } faelle[] = {
      {"Datei: Programm\n", "Zeile 1: 'Datei:' und 'Stand:' fehlen"},
      {"Datei: Programm\nStand: 31.02.2026\n", "Zeile 2: Ungültiges Datum: 31.02.2026"},
      {"Datei: Eigen\n", "Zeile 1: 'Programm' oder 'Persönlich' erwartet"},
      {"# Kommentar\nAdresse: x\n", "Zeile 2: 'Adresse:' vor der ersten Quelle"},
      {"Quelle: Web: x\n", "Zeile 1: Art und Name der Kursquelle erwartet: Web: x"},
      {"Quelle: Internet: x\nSeite: PDF\n", "Zeile 2: 'Text' oder 'HTML' erwartet"},
      {"Quelle: Internet: x\nLink: y\n", "Zeile 2: unbekannte Angabe 'Link'"},
      {"Quelle: Internet: x\n  id\n", "Zeile 2: 'Name: Wert' erwartet"},
      {"Quelle: Internet: x\nQuelle: Internet: x\n", "Zeile 2: Kursquelle doppelt: Internet: x"},
      {"Datei: Programm\nStand: 08.12.2026\nQuelle: Internet: x\nAdresse: y\n",
       "Kursquelle 'Internet: x': 'Adresse:' oder 'Script:' fehlt"},
  };
  for (const auto& f : faelle)
    EXPECT_THROW_MSG(QuellentextLesen(f.text), EQuellentext, f.fehler);
}

TEST(Quellentext, ReadsSourcesAndChecksThem) {
  const auto text = QuellentextLesen(
      "Datei: Persönlich\r\nStand: 08.12.2026\r\n\r\n"
      "Quelle: Textdatei: A\r\nSeite: Text\r\nAdresse: <id>\r\nScript:\r\n"
      "  datensatz\r\n\r\n# Kommentar\r\n\tschluss\r\n  ende\r\n"
      "Quelle: Internet: B\r\nAdresse: http://x/<wkn\r\nScript:\r\n  schluss(faktor 0)\r\n");
  EXPECT_EQ(text.Kopf, TQuellenKopf::Persoenlich);
  EXPECT_EQ(text.Stand, KalendertagAusDatum(8, 12, 2026));
  ASSERT_EQ(text.Quellen.size(), 2u);
  EXPECT_EQ(text.Quellen[0].Art, qaTextdatei);
  EXPECT_EQ(text.Quellen[0].Seitentyp, 1);
  EXPECT_EQ(text.Quellen[0].Script, "datensatz\nschluss\nende");
  EXPECT_EQ(text.Quellen[1].Seitentyp, 2);
  EXPECT_EQ(QuellenPruefen(text.Quellen, {8, 12, 2026}),
            (std::vector<std::string>{
                "Fehler in Internetadresse/Pfad bei Kursquelle 'Internet: B': Fehlendes '>' nach "
                "einer Anweisung. (Position 14)",
                "Fehler im Script bei Kursquelle 'Internet: B': Ungültige Zahl: \"0\". (Position "
                "16)"}));
}

}  // namespace
}  // namespace morvane
