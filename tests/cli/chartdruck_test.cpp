// The chart command's band printing, run through the real program.
#ifdef MORVANE_CLI_MIT_CHART

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "core/datum.h"
#include "store/wpverwaltung.h"
#include "testhilfe/tempverzeichnis.h"

namespace morvane {
namespace {

class ChartDruckBefehl : public testing::Test {
 protected:
  ChartDruckBefehl() {
    std::filesystem::create_directory(daten_);
    const TWPVerwaltung store(daten_);
    TWertpapier wp;
    wp.Bezeichnung = "Beispiel";
    const Boersentag start = BoersentagAusDatum(2, 1, 2018);
    for (int i = 0; i < 30; ++i)
      wp.Kurse.Setze(TKurs{start + i, 0, 0, 100.0 + i % 7, 0, 0, 0}, TSetzModus::Ersetzen);
    id_ = store.NeueID("Aktien", "Beispiel");
    store.WertpapierSpeichern(id_, wp);
  }

  // Runs "chart" with `optionen`; returns the exit code, the first line of
  // the error output in `meldung`.
  int Chart(const std::string& optionen, std::string& meldung) {
    const auto q = [](const std::string& t) { return "'" + t + "'"; };
    const std::string fehler = dir_.Pfad() + "fehler.txt";
    const std::string befehl = q(MORVANE_CLI_PROGRAMM) + " --programmverzeichnis " +
                               q(dir_.Pfad()) + " --datenverzeichnis " + q(daten_) + " chart " +
                               q(id_) + " " + optionen + " 2>" + q(fehler);
    const int rc = std::system(befehl.c_str());
    meldung = dir_.Lies("fehler.txt");
    meldung = meldung.substr(0, meldung.find('\n'));
    return WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
  }

  // "Page size: ..." of pdfinfo.
  std::string Seitengroesse(const std::string& pdf) {
    const std::string aus = dir_.Pfad() + "info.txt";
    EXPECT_EQ(std::system(("pdfinfo '" + pdf + "' >'" + aus + "'").c_str()), 0);
    const std::string info = dir_.Lies("info.txt");
    const auto anfang = info.find("Page size:");
    return anfang == std::string::npos ? "" : info.substr(anfang, info.find('\n', anfang) - anfang);
  }

  test::TTempVerzeichnis dir_;
  std::string daten_ = dir_.Pfad() + "daten/";
  std::string id_;
};

TEST_F(ChartDruckBefehl, UnpassendeBandwahlWirdAbgewiesen) {
  struct TFall {
    std::string optionen;
    std::string meldung;
  };
  const std::string png = "--ausgabe '" + dir_.Pfad() + "x.png' ";
  const std::string pdf = "--ausgabe '" + dir_.Pfad() + "x.pdf' ";
  const std::string nurPdf =
      "--baender, --position und --hochformat gelten nur für eine PDF-Datei.";
  const TFall faelle[] = {
      {png + "--baender 2", nurPdf},
      {png + "--hochformat", nurPdf},
      {pdf + "--baender 3", "Drei Charts pro Seite gibt es nur mit --hochformat."},
      {pdf + "--baender 2 --position 2",
       "--position 2 (in der Mitte) gibt es nur mit --baender 3."},
      {pdf + "--position 2", "--position 2 (in der Mitte) gibt es nur mit --baender 3."},
  };
  for (const TFall& f : faelle) {
    std::string meldung;
    EXPECT_EQ(Chart(f.optionen, meldung), 2) << f.optionen;
    EXPECT_EQ(meldung, f.meldung) << f.optionen;
  }
  // Out of range values are refused by the number check, naming the option.
  std::string meldung;
  EXPECT_NE(Chart(pdf + "--baender 4", meldung), 0);
  EXPECT_NE(meldung.find("--baender"), std::string::npos) << meldung;
  EXPECT_FALSE(std::filesystem::exists(dir_.Pfad() + "x.pdf"));
  EXPECT_FALSE(std::filesystem::exists(dir_.Pfad() + "x.png"));
}

TEST_F(ChartDruckBefehl, HochformatUndQuerformatDerA4Seite) {
  std::string meldung;
  const std::string hoch = dir_.Pfad() + "hoch.pdf";
  ASSERT_EQ(Chart("--ausgabe '" + hoch + "' --baender 3 --position 2 --hochformat", meldung), 0)
      << meldung;
  EXPECT_NE(Seitengroesse(hoch).find("595 x 842"), std::string::npos) << Seitengroesse(hoch);
  const std::string quer = dir_.Pfad() + "quer.pdf";
  ASSERT_EQ(Chart("--ausgabe '" + quer + "' --baender 2 --position 3", meldung), 0) << meldung;
  EXPECT_NE(Seitengroesse(quer).find("842 x 595"), std::string::npos) << Seitengroesse(quer);
}

}  // namespace
}  // namespace morvane

#endif
