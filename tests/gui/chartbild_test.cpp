#include "platform/chartbild.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>

#include <QImage>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "chart/chartfehler.h"
#include "chart/wpchart.h"
#include "grafik/aufzeichnungsleinwand.h"
#include "testhilfe/ausnahme.h"
#include "testhilfe/beispieldaten.h"
#include "testhilfe/tempverzeichnis.h"

namespace morvane {
namespace {

namespace fs = std::filesystem;

class ChartBild : public testing::Test {
 protected:
  void SetUp() override {
    verzeichnis_ =
        fs::temp_directory_path() / ("morvane_chartbild_" + std::to_string(::getpid()) + "_" +
                                     testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(verzeichnis_);
  }
  void TearDown() override {
    if (!std::getenv("MORVANE_BILDER_BEHALTEN")) fs::remove_all(verzeichnis_);
  }

  std::string Datei(const std::string& name) const { return (verzeichnis_ / name).string(); }

  // The chart as the export lays it out, for the geometry of its paint.
  static void Nachbauen(TChart_WPChart& chart, const TWertpapier& wp, const TChartAnsicht& a, int w,
                        int h) {
    chart.SetzeAnsicht(a);
    chart.SetzeWertpapier(&wp);
    chart.SetzeGrenzen({0, 0, w - 1, h - 1});
    TAufzeichnungsLeinwand l;
    TGrafikfenster f(l, {0, 0, w - 1, h - 1});
    chart.Zeichne(f);
  }

  static int Zaehle(const QImage& bild, QRgb farbe, int x1, int y1, int x2, int y2) {
    int n = 0;
    for (int y = y1; y <= y2; ++y)
      for (int x = x1; x <= x2; ++x)
        n += bild.pixel(x, y) == farbe;
    return n;
  }

  const TWertpapier msft_ = test::BeispielPapier("MSFT_2003_matplotlib.csv", "Microsoft");
  fs::path verzeichnis_;
};

constexpr QRgb kSchwarzQ = 0xFF000000, kWeissQ = 0xFFFFFFFF, kGruenQ = 0xFF008000,
               kRotQ = 0xFFFF0000;

TEST_F(ChartBild, KerzenchartMitHistogrammAlsPng) {
  TChartAnsicht a;  // candles, volume histogram, 50 days
  const std::string datei = Datei("kerzen.png");
  ChartAlsBildSpeichern(msft_, a, {datei, 800, 600, {}});
  QImage bild(QString::fromStdString(datei));
  ASSERT_FALSE(bild.isNull());
  EXPECT_EQ(bild.size(), QSize(800, 600));

  TChart_WPChart chart;
  Nachbauen(chart, msft_, a, 800, 600);
  const TChartGeometrie& g = chart.Geometrie();
  // Frame: the left side and the bottom line are black.
  EXPECT_EQ(bild.pixel(g.RahmenLinks, (g.RahmenOben + g.RahmenUnten) / 2), kSchwarzQ);
  EXPECT_EQ(bild.pixel((g.RahmenLinks + g.RahmenRechts) / 2, g.RahmenUnten), kSchwarzQ);
  // Each candle body's centre: white for a rising day, black otherwise.
  int weiss = 0, schwarz = 0;
  for (int i = chart.ErsterIndex(); i <= chart.LetzterIndex(); ++i) {
    const TKurs& k = *msft_.Kurse.Kurs(i);
    const int yO = chart.WertZuY(k.Eroeffnung), yC = chart.WertZuY(k.Schluss);
    if (std::abs(yO - yC) < 4) continue;
    const int x = *chart.IndexZuX(i) + 1;  // inside the body, beside the wick
    const QRgb mitte = bild.pixel(x, (yO + yC) / 2);
    if (k.Schluss > k.Eroeffnung) {
      EXPECT_EQ(mitte, kWeissQ) << i;
      ++weiss;
    } else {
      EXPECT_EQ(mitte, kSchwarzQ) << i;
      ++schwarz;
    }
  }
  EXPECT_GT(weiss, 5);
  EXPECT_GT(schwarz, 5);
  // Volume bars: green and red only inside the volume plot.
  EXPECT_GT(Zaehle(bild, kGruenQ, g.UmsatzLinks - 5, g.UmsatzOben - 5, g.UmsatzRechts + 5,
                   g.UmsatzUnten + 5),
            100);
  EXPECT_GT(Zaehle(bild, kRotQ, g.UmsatzLinks - 5, g.UmsatzOben - 5, g.UmsatzRechts + 5,
                   g.UmsatzUnten + 5),
            100);
  EXPECT_EQ(Zaehle(bild, kGruenQ, 0, 0, 799, g.PlotUnten), 0);
}

TEST_F(ChartBild, JederCharttypZeichnetImPlot) {
  for (int typ = 1; typ <= 5; ++typ) {
    TChartAnsicht a;
    a.Charttyp = static_cast<TCharttyp>(typ);
    a.Umkehrminimum = 1;
    const std::string datei = Datei("typ" + std::to_string(typ) + ".png");
    ChartAlsBildSpeichern(msft_, a, {datei, 640, 480, {}});
    QImage bild(QString::fromStdString(datei));
    ASSERT_EQ(bild.size(), QSize(640, 480)) << typ;
    TChart_WPChart chart;
    Nachbauen(chart, msft_, a, 640, 480);
    const TChartGeometrie& g = chart.Geometrie();
    EXPECT_GT(Zaehle(bild, kSchwarzQ, g.PlotLinks, g.PlotOben + 1, g.PlotRechts, g.PlotUnten - 1),
              200)
        << typ;
    const int gruen = Zaehle(bild, kGruenQ, g.PlotLinks, g.UmsatzOben, g.PlotRechts, g.UmsatzUnten);
    EXPECT_EQ(gruen > 0, typ <= 3) << typ;
  }
}

TEST_F(ChartBild, SvgZeigtTexteUndLaesstAbgeschnittenesWeg) {
  TChartAnsicht a;
  a.Charttyp = TCharttyp::Linie;
  const std::string datei = Datei("linie.svg");
  ChartAlsBildSpeichern(msft_, a, {datei, 800, 600, {}});
  std::ifstream ein(datei);
  std::stringstream inhalt;
  inhalt << ein.rdbuf();
  const std::string svg = inhalt.str();
  EXPECT_NE(svg.find("<svg"), std::string::npos);
  EXPECT_NE(svg.find(">Microsoft<"), std::string::npos);
  EXPECT_NE(svg.find("Linienchart mit Schlusskurs"), std::string::npos);
  EXPECT_NE(svg.find(" September "), std::string::npos);  // a month bar label
}

TEST_F(ChartBild, PdfIstEineSeiteInDerErwartetenGroesse) {
  if (std::system("command -v pdftoppm >/dev/null 2>&1") != 0) GTEST_SKIP() << "ohne pdftoppm";
  TChartAnsicht a;
  const std::string datei = Datei("kerzen.pdf");
  ChartAlsBildSpeichern(msft_, a, {datei, {}, {}, {}});
  const std::string prefix = Datei("seite");
  ASSERT_EQ(std::system(("pdftoppm -r 30 -png '" + datei + "' '" + prefix + "'").c_str()), 0);
  // One page, A4 landscape at 30 dpi.
  std::vector<fs::path> seiten;
  for (const auto& e : fs::directory_iterator(verzeichnis_))
    if (e.path().filename().string().starts_with("seite")) seiten.push_back(e.path());
  ASSERT_EQ(seiten.size(), 1u);
  QImage seite(QString::fromStdString(seiten[0].string()));
  EXPECT_NEAR(seite.width(), 351, 1);
  EXPECT_NEAR(seite.height(), 248, 1);
  // Something was drawn in black (frame, candles, axis labels).
  EXPECT_GT(Zaehle(seite, kSchwarzQ, 0, 0, seite.width() - 1, seite.height() - 1) +
                Zaehle(seite, qRgb(1, 1, 1), 0, 0, seite.width() - 1, seite.height() - 1),
            0);
  int dunkel = 0;
  for (int y = 0; y < seite.height(); ++y)
    for (int x = 0; x < seite.width(); ++x)
      dunkel += qGray(seite.pixel(x, y)) < 100;
  EXPECT_GT(dunkel, 500);
}

TEST_F(ChartBild, FehlerLassenDieAlteDateiStehen) {
  const std::string datei = Datei("alt.png");
  std::ofstream(datei) << "alt";
  TChartAnsicht a;
  a.Tage = 1;  // not reachable from the dialog, but from a file
  EXPECT_THROW_MSG(ChartAlsBildSpeichern(msft_, a, {datei, 400, 300, {}}), EChart,
                   "Integer-Division durch 0");
  std::ifstream ein(datei);
  std::string inhalt;
  ein >> inhalt;
  EXPECT_EQ(inhalt, "alt");

  EXPECT_THROW_MSG(ChartAlsBildSpeichern(msft_, TChartAnsicht{}, {Datei("x.gif"), 400, 300, {}}),
                   EChartBild,
                   "Unbekanntes Ausgabeformat der Datei '" + Datei("x.gif") +
                       "': erlaubt sind .png, .svg und .pdf.");
  EXPECT_THROW_MSG(ChartAlsBildSpeichern(msft_, TChartAnsicht{}, {Datei("x.png"), 0, 300, {}}),
                   EChartBild, "Die Bildgröße muss zwischen 1 und 20000 Pixeln liegen.");
  // The reason after the colon is the system's text.
  const std::string meldung = test::AusnahmeMeldung([&] {
    ChartAlsBildSpeichern(msft_, TChartAnsicht{}, {Datei("fehlt/x.png"), 400, 300, {}});
  });
  EXPECT_TRUE(meldung.starts_with("Konnte Datei '" + Datei("fehlt/x.png") + "' nicht schreiben: "))
      << meldung;
}

// Every format is written in one checked step: a target that cannot take
// the picture gives a German message naming the file, and nothing is left.
TEST_F(ChartBild, SchreibfehlerNennenDieDateiInJedemFormat) {
  const std::string geraet = Datei("geraet");
  ASSERT_EQ(::mkfifo(geraet.c_str(), 0600), 0);
  const struct {
    std::string Name;
    std::string Grund;
  } faelle[] = {
      {"link", "Keine reguläre Datei"},
      {"ordner", "Ist ein Verzeichnis"},
      {"fehlt/x", "Datei oder Verzeichnis nicht gefunden"},
      {std::string(300, 'n'), "Dateiname zu lang"},
  };
  for (const std::string endung : {".png", ".svg", ".pdf"}) {
    fs::create_directory(Datei("ordner" + endung));
    fs::create_symlink(geraet, Datei("link" + endung));
    for (const auto& f : faelle) {
      const std::string datei = Datei(f.Name + endung);
      EXPECT_THROW_MSG(ChartAlsBildSpeichern(msft_, TChartAnsicht{}, {datei, 400, 300, {}}),
                       EChartBild, "Konnte Datei '" + datei + "' nicht schreiben: " + f.Grund);
    }
  }
  EXPECT_EQ(std::distance(fs::directory_iterator(verzeichnis_), fs::directory_iterator()), 7);
}

// In a child process: a chart saved while files may not grow beyond 1000
// bytes, as on a full disk; exits 0 when it failed with the expected message.
void VollSpeichern(const TWertpapier& wp, const std::string& datei) {
  std::signal(SIGXFSZ, SIG_IGN);
  const rlimit grenze{1000, 1000};
  ::setrlimit(RLIMIT_FSIZE, &grenze);
  const std::string meldung = test::AusnahmeMeldung([&] {
    ChartAlsBildSpeichern(wp, TChartAnsicht{}, {datei, 400, 300, {}});
  });
  std::_Exit(meldung == "Konnte Datei '" + datei + "' nicht schreiben: Datei zu groß" ? 0 : 1);
}

TEST_F(ChartBild, VollePlatteMeldetDenFehlerUndLaesstDieAlteDateiStehen) {
  for (const std::string endung : {".png", ".svg", ".pdf"}) {
    const std::string datei = Datei("alt" + endung);
    std::ofstream(datei) << "alt";
    EXPECT_EXIT(VollSpeichern(msft_, datei), ::testing::ExitedWithCode(0), "") << endung;
    EXPECT_EQ(test::DateiInhalt(datei), "alt");
  }
  EXPECT_EQ(std::distance(fs::directory_iterator(verzeichnis_), fs::directory_iterator()), 3);
}

TEST_F(ChartBild, BisSetztDenLetztenSichtbarenTag) {
  TChartAnsicht a;
  a.Charttyp = TCharttyp::Linie;
  const std::string datei = Datei("bis.svg");
  const Boersentag bis = BoersentagAusDatum(1, 8, 2003);
  ChartAlsBildSpeichern(msft_, a, {datei, 800, 600, bis});
  std::ifstream ein(datei);
  std::stringstream inhalt;
  inhalt << ein.rdbuf();
  EXPECT_NE(inhalt.str().find("19.06.2003 bis 01.08.2003 (31 Tage)"), std::string::npos);
}

}  // namespace
}  // namespace morvane
