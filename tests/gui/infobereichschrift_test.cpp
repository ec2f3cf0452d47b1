#include <gtest/gtest.h>

#include <QImage>

#include "chart/chartfeld.h"
#include "core/datumtext.h"
#include "core/transaktion.h"
#include "grafik/grafikfenster.h"
#include "testhilfe/beispieldaten.h"
#include "testhilfe/tempverzeichnis.h"
#include "textmessung.h"

namespace morvane {
namespace {

QRect Exklusiv(const TRechteck& r) {
  return QRect(r.Links, r.Oben, r.Rechts - r.Links + 1, r.Unten - r.Oben + 1);
}

// One text call as it reached the Qt canvas, with the cell the canvas
// reports for it: TextBreite wide, the font height high.
struct TGemalterText {
  std::string Text;
  TSchrift Schrift;
  std::optional<TRechteck> Clip;
  QRect Zelle;
};

// The Qt canvas, keeping every text it paints.
class TMessendeLeinwand : public TQtLeinwand {
 public:
  using TQtLeinwand::TQtLeinwand;
  void Text(int x, int y, std::string_view text) override {
    texte_.push_back(
        {std::string(text), Schrift(), Clip(), QRect(x, y, TextBreite(text), Schrift().Hoehe)});
    TQtLeinwand::Text(x, y, text);
  }
  const std::vector<TGemalterText>& Texte() const { return texte_; }

 private:
  std::vector<TGemalterText> texte_;
};

Boersentag Tag(const char* text) {
  return TextZuBoersentag(text).value();
}

std::string Zeigen(const QRect& r) {
  return std::to_string(r.x()) + "," + std::to_string(r.y()) + " " + std::to_string(r.width()) +
         "x" + std::to_string(r.height());
}

// The example chart as the command line draws it at 1000 x 700: Apple up to
// 11.05.2018 as a candle chart with the indicator bar and the info area, with
// a holding of 50 shares at a book gain of more than 100 %.
class InfobereichSchrift : public testing::Test {
 protected:
  InfobereichSchrift() : store_(dir_.Pfad()) {
    ansicht_.Charttyp = TCharttyp::Kerze;
    ansicht_.Tage = 200;
    ansicht_.Indikatoren = true;
    ansicht_.Infobereich = true;
    TWertpapier wp = test::BeispielPapier("AAPL_2013-2018_observable.csv", "Apple");
    wp.Transaktionen.Einfuegen(TTransaktionKauf(Tag("03.06.2013"), 100, 64.39, 6451.5));
    wp.Transaktionen.Einfuegen(TTransaktionSonstige(Tag("13.02.2014"), 43.57));
    wp.Transaktionen.Einfuegen(TTransaktionVerkauf(Tag("02.03.2015"), 50, 129.09, 6442));
    id_ = store_.NeueID("Beispiele", "Apple");
    store_.WertpapierSpeichern(id_, wp);
  }

  // Paints the whole field and returns what the info area painted.
  std::vector<TGemalterText> InfoTexte(TChartFeld& feld) {
    const TRechteck seite{0, 0, 999, 699};
    feld.SetzeGrenzen(seite);
    QImage bild(1000, 700, QImage::Format_RGB32);
    QPainter p(&bild);
    TMessendeLeinwand l(p);
    {
      TGrafikfenster f(l, seite);
      feld.ZeichneIn(f);
    }
    const TRechteck& info = feld.Info().Grenzen();
    const TRechteck clip{info.Links, info.Oben, info.Rechts + 1, info.Unten + 1};
    std::vector<TGemalterText> texte;
    for (const TGemalterText& t : l.Texte())
      if (t.Clip == clip) texte.push_back(t);
    return texte;
  }

  test::TTempVerzeichnis dir_;
  TWPVerwaltung store_;
  TChartAnsicht ansicht_;
  TIndVorlagen vorlagen_;
  std::string id_;
};

// Every text lies inside its cell and inside the area, and no two texts
// touch: the labels do not run into their values.
TEST_F(InfobereichSchrift, TexteUeberlappenSichNichtBei1000x700) {
  TChartFeld feld(store_, ansicht_, vorlagen_);
  feld.ZeigeWertpapier(id_);
  feld.Chart().SetzeEndeDatum(Tag("11.05.2018"));
  const std::vector<TGemalterText> texte = InfoTexte(feld);
  ASSERT_EQ(feld.Info().Grenzen(), (TRechteck{900, 0, 999, 599}));
  ASSERT_EQ(texte.size(), 2u + 6 * 3 + 2 + 3);
  EXPECT_EQ(texte[2].Text, "Eröffnung:");
  EXPECT_EQ(texte[3].Text, "+0,93 %");
  EXPECT_EQ(texte[texte.size() - 2].Text, "192,32 %");

  const QRect bereich = Exklusiv(feld.Info().Grenzen());
  std::vector<QRect> tinte;
  for (const TGemalterText& t : texte) {
    SCOPED_TRACE(t.Text);
    const QRect r = test::TintePerQt(t.Schrift, t.Zelle.x(), t.Zelle.y(), t.Text);
    ASSERT_FALSE(r.isEmpty());
    EXPECT_TRUE(t.Zelle.contains(r)) << Zeigen(r) << " in " << Zeigen(t.Zelle);
    EXPECT_TRUE(bereich.contains(t.Zelle)) << Zeigen(t.Zelle);
    tinte.push_back(r);
  }
  for (std::size_t i = 0; i < texte.size(); ++i)
    for (std::size_t j = i + 1; j < texte.size(); ++j)
      EXPECT_FALSE(tinte[i].intersects(tinte[j])) << texte[i].Text << " / " << texte[j].Text;
}

}  // namespace
}  // namespace morvane
