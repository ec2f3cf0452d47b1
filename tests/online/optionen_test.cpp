#include "online/optionen.h"

#include <gtest/gtest.h>

#include "store/einstellungen.h"
#include "testhilfe/ausnahme.h"
#include "testhilfe/tempverzeichnis.h"

namespace morvane {
namespace {

class Optionen : public testing::Test {
 protected:
  Optionen() : e_(programm_.Pfad()) { ZeitplanerEinstecken(e_); }

  TOptionenEingabe Eingabe() { return OptionenAus(e_, Zeitplaner(e_)); }

  test::TTempVerzeichnis programm_;
  TEinstellungen e_;
};

TEST_F(Optionen, PruefungInIhrerReihenfolge) {
  const auto timeout = TOptionenFehler{"Der Timeout-Wert muss zwischen 5 und 500 Sekunden liegen.",
                                       TOptionenSeite::Kursaktualisierung, TOptionenFeld::Timeout};
  const auto wahl = TOptionenFehler{"Die Anzahl der Wahlwiederholungen ist ungültig.",
                                    TOptionenSeite::Internet, TOptionenFeld::Wahlwiederholungen};
  const auto pause = TOptionenFehler{"Die angegebene Wahlpause ist ungültig.",
                                     TOptionenSeite::Internet, TOptionenFeld::Wahlpause};
  const struct {
    std::string Timeout, Wahl, Pause;
    std::optional<TOptionenFehler> Fehler;
  } faelle[] = {
      {"5", "0", "0", std::nullopt},     {"500", "1000", "1000", std::nullopt},
      {" 60 ", "10", "5", std::nullopt}, {"4", "10", "5", timeout},
      {"501", "10", "5", timeout},       {"", "10", "5", timeout},
      {"6,5", "10", "5", timeout},       {"4", "1001", "x", timeout},
      {"60", "1001", "5", wahl},         {"60", "-1", "5", wahl},
      {"60", "1001", "x", wahl},         {"60", "10", "x", pause},
      {"60", "10", "1001", pause},       {"60", "10", "", pause},
  };
  for (const auto& f : faelle) {
    TOptionenEingabe o = Eingabe();
    o.Timeout = f.Timeout;
    o.Wahlwiederholungen = f.Wahl;
    o.Wahlpause = f.Pause;
    EXPECT_EQ(OptionenPruefen(o, false), f.Fehler) << f.Timeout << "/" << f.Wahl << "/" << f.Pause;
  }
}

TEST_F(Optionen, DFUeEintragNurMitInstalliertemDFUeNetzwerk) {
  TOptionenEingabe o = Eingabe();
  o.DFUeVerbinden = true;
  o.Wahlwiederholungen = "1001";
  const auto fehlt = OptionenPruefen(o, true);
  ASSERT_TRUE(fehlt);
  EXPECT_EQ(fehlt->Meldung, "Es wurde keine DFÜ-Netzwerkverbindung ausgewählt.");
  EXPECT_EQ(fehlt->Feld, TOptionenFeld::DFUeListe);
  // Without dial-up networking the stored values are still checked.
  EXPECT_EQ(OptionenPruefen(o, false)->Feld, TOptionenFeld::Wahlwiederholungen);
  o.DFUeEintrag = "Anbieter";
  EXPECT_EQ(OptionenPruefen(o, true)->Feld, TOptionenFeld::Wahlwiederholungen);
}

TEST_F(Optionen, ZurueckschreibenUndWiederLesen) {
  TZeitpunkt z;
  z.Stunde = 2;
  z.Wochentage[0] = true;
  z.Kataloge = {"Aktien"};
  TOptionenEingabe o = Eingabe();
  o.Datenverzeichnis = "  /daten/kurse ";
  o.Timeout = "500";
  o.Protokollieren = !o.Protokollieren;
  o.AutoUpdate = !o.AutoUpdate;
  o.ZeitplanAktiv = true;
  o.Zeitpunkte = {z, z};
  o.Zeitpunkte[1].Stunde = 3;
  o.DFUeVerbinden = true;
  o.DFUeEintrag = "Anbieter";
  o.Wahlwiederholungen = "1000";
  o.Wahlpause = "0";
  o.DFUeTrennen = !o.DFUeTrennen;
  o.ProxyAdresse = " proxy.beispiel.de";
  o.ProxyPort = "80 80";
  o.ProxyKennung = "anna";
  o.ProxyPasswort = " geheim ";
  OptionenSchreiben(o, e_, Zeitplaner(e_));
  EXPECT_EQ(e_.EingestelltesDatenverzeichnis(), "/daten/kurse/");
  EXPECT_EQ(e_.Timeout, 500);
  EXPECT_EQ(Zeitplaner(e_).Zeitpunkt(1)->Stunde, 3);
  // Read back, everything matches but the directory's normal form.
  o.Datenverzeichnis = "/daten/kurse/";
  EXPECT_EQ(Eingabe(), o);

  for (const auto& [getippt, gespeichert] :
       {std::pair{"/a/b", "/a/b/"}, {"/a/b/", "/a/b/"}, {"", ""}, {"   ", ""}}) {
    o.Datenverzeichnis = getippt;
    OptionenSchreiben(o, e_, Zeitplaner(e_));
    EXPECT_EQ(e_.EingestelltesDatenverzeichnis(), gespeichert) << getippt;
  }
}

TEST_F(Optionen, UngeprueftesAendertNichts) {
  TOptionenEingabe o = Eingabe();
  const std::string vorher = e_.Dateiinhalt();
  o.Datenverzeichnis = "/anders";
  o.Wahlpause = "zehn";
  EXPECT_THROW_MSG(OptionenSchreiben(o, e_, Zeitplaner(e_)), EOptionen,
                   "Ungeprüfte Optionen können nicht übernommen werden.");
  EXPECT_EQ(e_.Dateiinhalt(), vorher);
}

TEST(OptionenFreigaben, FolgenHaekchenAuswahlUndEintrag) {
  const struct {
    bool Zeitplan, Zeile, Installiert, Verbinden;
    std::string Eintrag;
    TOptionenFreigaben Erwartet;
  } faelle[] = {
      {false, true, false, true, "A", {false, false, false, false, false}},
      {true, false, false, false, "", {true, false, false, false, false}},
      {true, true, false, true, "A", {true, true, false, false, false}},
      {false, false, true, false, "A", {false, false, true, false, false}},
      {false, false, true, true, "", {false, false, true, true, false}},
      {false, false, true, true, "A", {false, false, true, true, true}},
  };
  for (const auto& f : faelle) {
    TOptionenEingabe o;
    o.ZeitplanAktiv = f.Zeitplan;
    o.DFUeVerbinden = f.Verbinden;
    o.DFUeEintrag = f.Eintrag;
    EXPECT_EQ(OptionenFreigaben(o, f.Zeile, f.Installiert), f.Erwartet)
        << f.Zeitplan << f.Zeile << f.Installiert << f.Verbinden << f.Eintrag;
  }
}

TEST(KatalogWahlen, VerschwundeneKatalogeFallenWeg) {
  EXPECT_EQ(KatalogWahlen({"Aktien", "Fonds", "Indizes"}, {"Weg", "Indizes", "Aktien"}),
            (std::vector<TKatalogWahl>{{"Aktien", true}, {"Fonds", false}, {"Indizes", true}}));
  EXPECT_TRUE(KatalogWahlen({}, {"Weg"}).empty());
}

}  // namespace
}  // namespace morvane
