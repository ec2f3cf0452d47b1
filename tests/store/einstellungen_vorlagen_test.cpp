#include <gtest/gtest.h>

#include <filesystem>

#include "core/textkodierung.h"
#include "core/uhr.h"
#include "store/einstellungen.h"
#include "store/grossbuchstaben.h"
#include "store/logbuch.h"
#include "store/wertpapiervorlagen.h"
#include "testhilfe/ausnahme.h"
#include "testhilfe/tempverzeichnis.h"

namespace morvane {
namespace {

using test::TTempVerzeichnis;

const std::string kKopf = "Morvane 3.5  Wertpapier-Vorlagen\n";
const std::string kSpalten =
    "ISIN\tWKN\tKürzel\tWährung\tName\tBemerkung\tIstIndex\tIstFonds\tBerlin\tDüsseldorf\t"
    "Frankfurt\tHamburg\tHannover\tMünchen\tStuttgart\tXetra\t";

class Vorlagen : public ::testing::Test {
 protected:
  TWertpapierVorlagen Datei(const std::string& inhalt) {
    dir.Schreibe("Werte35.mvw", inhalt);
    return TWertpapierVorlagen(dir.Datei("Werte35.mvw"), nullptr);
  }
  std::vector<std::string> Namen(const TWertpapierVorlagen::TListe& liste) {
    std::vector<std::string> namen;
    for (const auto* e : liste)
      namen.push_back(e->Name);
    return namen;
  }
  TTempVerzeichnis dir;
};

TEST_F(Vorlagen, NurKopfUndSpaltenzeileErgibtKategorienOhneEintraege) {
  auto vorlagen = Datei(kKopf + "\n// Kommentar\n" + kSpalten + "DAX\t\tMDAX\t\r\n");
  std::vector<std::string> kategorien{"alt"};
  vorlagen.Kategorien(kategorien);
  EXPECT_EQ(kategorien, (std::vector<std::string>{"DAX", "", "MDAX"}));
  EXPECT_TRUE(vorlagen.Eintraege().empty());
}

TEST_F(Vorlagen, FormatfehlerWerdenGemeldetUndProtokolliert) {
  UhrErsetzen([] { return TUhrzeit{{5, 1, 1998}, 9, 3, 7}; });
  TEinstellungen einstellungen(dir.Pfad());
  TLogbuch logbuch(einstellungen);
  const std::string pfad = dir.Datei("Werte35.mvw");
  auto meldung = [&](const std::optional<std::string>& inhalt) {
    if (inhalt) dir.Schreibe("Werte35.mvw", *inhalt);
    TWertpapierVorlagen vorlagen(pfad, &logbuch);
    std::vector<std::string> kategorien;
    try {
      vorlagen.Kategorien(kategorien);
    } catch (const EWertpapierVorlagen& f) {
      return f.Meldung();
    }
    return std::string("kein Fehler");
  };
  const std::string lesefehler = "Fehler beim Lesen der Datei '" + pfad + "': ";
  EXPECT_EQ(meldung("Morvane 3.5 Wertpapier-Vorlagen\n" + kSpalten + "DAX\n"),
            lesefehler + "Keine Morvane 3.5 Wertpapier-Vorlagen Datei");
  // Trimming takes the tab after "Xetra", so the fixed columns are incomplete.
  EXPECT_EQ(meldung(kKopf + kSpalten + "\n"), lesefehler + "Ungültiges Spaltenformat");
  EXPECT_EQ(meldung(kKopf + "ISIN\tWKN\n"), lesefehler + "Ungültiges Spaltenformat");
  EXPECT_EQ(meldung(kKopf + "// nur Kommentar\n"), lesefehler + "Ungültiges Spaltenformat");
  std::filesystem::remove(pfad);
  EXPECT_EQ(meldung(std::nullopt),
            "Konnte Datei '" + pfad + "' nicht öffnen: Datei oder Verzeichnis nicht gefunden");
  UhrErsetzen({});
  const std::string log = dir.Lies("logbuch.txt");
  EXPECT_NE(log.find("05.01.1998 09:03:07 " + lesefehler + "Ungültiges Spaltenformat\n"),
            std::string::npos);
  EXPECT_NE(log.find("09:03:07 Konnte Datei '" + pfad + "' nicht öffnen"), std::string::npos);
}

TEST_F(Vorlagen, EintraegeKommentareUndKategorien) {
  auto vorlagen = Datei(
      kKopf + kSpalten + "DAX\tFonds\n" +
      "   // eingerückter Kommentar\n"
      "DE0005140008\t514000\tDBK\tEUR\tDeutsche Bank AG\t\t\t\tDBK\t\t514000\t\t\t\t\tDBK\tx\r\n"
      "\n"
      "\t846900\t\tEUR\tDAX Performance\t\tx\t\t\t\t\t\t\t\t\t\tja\n"
      "DE0008474503\t847450\t\tEUR\tDekaFonds\tFonds\t\tja\t\t\t\t\t\t\t\t\t\tx\n"
      "  LU0000000001\t\t\t\tKurz\n");
  const auto& eintraege = vorlagen.Eintraege();
  ASSERT_EQ(eintraege.size(), 4u);
  const TWertpapierEintrag& bank = eintraege[0];
  EXPECT_EQ(bank.ISIN, "DE0005140008");
  EXPECT_EQ(bank.Kuerzel, "DBK");
  EXPECT_EQ(bank.Frankfurt, "514000");
  EXPECT_EQ(bank.Xetra, "DBK");
  EXPECT_FALSE(bank.IstIndex);
  EXPECT_FALSE(OhneBoerse(bank));
  // An empty ISIN keeps every other column in its place.
  const TWertpapierEintrag& index = eintraege[1];
  EXPECT_EQ(index.ISIN, "");
  EXPECT_EQ(index.WKN, "846900");
  EXPECT_EQ(index.Name, "DAX Performance");
  EXPECT_TRUE(index.IstIndex);
  EXPECT_TRUE(OhneBoerse(index));
  EXPECT_TRUE(eintraege[2].IstFonds);
  EXPECT_EQ(eintraege[2].Bemerkung, "Fonds");
  EXPECT_EQ(eintraege[3].ISIN, "LU0000000001");
  EXPECT_EQ(eintraege[3].Name, "Kurz");
  EXPECT_EQ(eintraege[3].Xetra, "");

  TWertpapierVorlagen::TListe liste;
  vorlagen.InKategorie(0, liste);
  EXPECT_EQ(Namen(liste), (std::vector<std::string>{"Deutsche Bank AG", "DAX Performance"}));
  liste.clear();
  vorlagen.InKategorie(1, liste);
  EXPECT_EQ(Namen(liste), std::vector<std::string>{"DekaFonds"});
  vorlagen.InKategorie(2, liste);
  EXPECT_EQ(liste.size(), 1u);
}

TEST_F(Vorlagen, SuchenOhneRuecksichtAufGrossUndKleinschreibung) {
  auto vorlagen = Datei(kKopf + kSpalten + "X\n" +
                        "DE0005140008\t514000\t\t\tDeutsche Bank AG\n"
                        "DE0005141006\t514100\t\t\tMüller Brot\n"
                        "DE0007100000\t710000\t\t\tDaimler\n"
                        "FR0000120271\t\t\t\tTotalÉnergies\n");
  TWertpapierVorlagen::TListe liste;
  vorlagen.SucheISIN("de000514", liste);
  EXPECT_EQ(Namen(liste), (std::vector<std::string>{"Deutsche Bank AG", "Müller Brot"}));
  liste.clear();
  vorlagen.SucheWKN("7100", liste);
  EXPECT_EQ(Namen(liste), std::vector<std::string>{"Daimler"});
  liste.clear();
  vorlagen.SucheWKN("0000", liste);  // a prefix, not a part
  EXPECT_TRUE(liste.empty());
  vorlagen.SucheName("ag\nmü", liste);  // never across two names
  EXPECT_TRUE(liste.empty());
  vorlagen.SucheName("MÜLLER", liste);
  vorlagen.SucheName("er", liste);
  vorlagen.SucheName("énerg", liste);
  EXPECT_EQ(Namen(liste), (std::vector<std::string>{"Müller Brot", "Müller Brot", "Daimler",
                                                    "TotalÉnergies", "TotalÉnergies"}));
}

TEST_F(Vorlagen, WindowsZeichensatzWirdGelesen) {
  auto vorlagen = Datei(Utf8ZuWin1252(kKopf + kSpalten + "Börse\n" + "\t\t\t\tMünchener Rück\n"));
  std::vector<std::string> kategorien;
  vorlagen.Kategorien(kategorien);
  EXPECT_EQ(kategorien, std::vector<std::string>{"Börse"});
  EXPECT_EQ(vorlagen.Eintraege().at(0).Name, "Münchener Rück");
}

TEST_F(Vorlagen, LiestTraegeUndMeldetFortschritt) {
  std::string inhalt = kKopf + kSpalten + "A\n";
  for (int i = 0; i < 2500; ++i)
    inhalt += "\t\t\t\tName " + std::to_string(i) + "\n";
  auto vorlagen = Datei(inhalt);
  std::vector<std::string> meldungen;
  vorlagen.SetzeFortschritt([&](const std::string& text) { meldungen.push_back(text); });

  std::vector<std::string> kategorien;
  vorlagen.Kategorien(kategorien);
  EXPECT_EQ(meldungen, (std::vector<std::string>{"Lese Wertpapier-Vorlagen ...", ""}));
  vorlagen.Kategorien(kategorien);
  EXPECT_EQ(meldungen.size(), 2u);

  meldungen.clear();
  EXPECT_EQ(vorlagen.Eintraege().size(), 2500u);
  EXPECT_EQ(meldungen, (std::vector<std::string>{"Lese Wertpapier-Vorlagen ...",
                                                 "Lese Wertpapier-Vorlagen ... 1000",
                                                 "Lese Wertpapier-Vorlagen ... 2000", ""}));
  // Read once: the file is no longer needed.
  std::filesystem::remove(vorlagen.Pfad());
  TWertpapierVorlagen::TListe liste;
  vorlagen.SucheName("name 249", liste);
  EXPECT_EQ(liste.size(), 11u);
}

TEST_F(Vorlagen, NachFehlerWirdErneutVersucht) {
  TWertpapierVorlagen vorlagen(dir.Datei("Werte35.mvw"), nullptr);
  TWertpapierVorlagen::TListe liste;
  EXPECT_THROW_MSG(vorlagen.SucheISIN("", liste), EWertpapierVorlagen,
                   "Konnte Datei '" + dir.Datei("Werte35.mvw") +
                       "' nicht öffnen: Datei oder Verzeichnis nicht gefunden");
  dir.Schreibe("Werte35.mvw", kKopf + kSpalten + "A\nDE1\n");
  vorlagen.SucheISIN("", liste);
  EXPECT_EQ(liste.size(), 1u);
}

TEST(Grossbuchstaben, WieDieWindowsCodepage) {
  EXPECT_EQ(Grossbuchstaben("abc xyz 09"), "ABC XYZ 09");
  EXPECT_EQ(Grossbuchstaben("äöü éñ ÿ š œ ž"), "ÄÖÜ ÉÑ Ÿ Š Œ Ž");
  EXPECT_EQ(Grossbuchstaben("ß ÷ €"), "ß ÷ €");
}

}  // namespace
}  // namespace morvane
