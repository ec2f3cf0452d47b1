#include "chart/indikatorbalken.h"

#include <gtest/gtest.h>

#include "chart/indikatorebene.h"
#include "charttesthilfe.h"

namespace morvane {
namespace {

using TArt = TAufruf::TArt;
using test::Tag;

// A kind with the same signal on every trading day; its drawing is logged as
// the code, with "!" when its pass did not start with the scale unlabelled.
class TFestIndikator : public TIndikator {
 public:
  TFestIndikator(const std::string& code, double wert, std::vector<std::string>* log)
      : wert_(wert), log_(log) {
    NameSetzen("Fest " + code, code);
  }
  std::unique_ptr<TIndikator> Kopieren() const override {
    auto kopie = std::make_unique<TFestIndikator>(Kurzbezeichnung(), wert_, log_);
    kopie->Vorlage = this;
    return kopie;
  }
  std::string_view Schluessel() const override { return "IndFest"; }
  std::string_view Typname() const override { return "Fest"; }

 protected:
  void Darstellen(TIndikatorZeichnen& z) override {
    if (log_) log_->push_back(Kurzbezeichnung() + (z.SkalaGezeichnet() ? "!" : ""));
    z.SignalverlaufZeichnen();  // labels the scale of this pass
  }
  void Rechnen(const TKurse& kurse) override {
    if (kurse.Anzahl() == 0) return;
    signal_.emplace(kurse.Alle().front().Datum, kurse.Alle().back().Datum);
    for (const TKurs& k : kurse.Alle())
      signal_->Setzen(k.Datum, wert_);
  }

 private:
  double wert_;
  std::vector<std::string>* log_;
};

// Groups of fixed signals, coded A, B, C ... across the groups.
std::unique_ptr<TIndListe> Satz(const std::vector<std::vector<double>>& gruppen,
                                std::vector<std::string>* log = nullptr) {
  auto liste = std::make_unique<TIndListe>();
  char code = 'A';
  for (int g = 1; g <= 3; ++g) {
    for (std::size_t i = 0; i < gruppen[g - 1].size(); ++i)
      liste->Einfuegen(
          g, static_cast<int>(i),
          std::make_unique<TFestIndikator>(std::string(1, code++), gruppen[g - 1][i], log));
  }
  return liste;
}

// Records the source rectangle and the colours of its top and bottom rows too.
struct TKopie {
  TRechteck Quelle, Ziel;
  TFarbe Oben, Unten;
};
class TBildLeinwand : public TAufzeichnungsLeinwand {
 public:
  void BildKopieren(const TBild& bild, const TRechteck& q, const TRechteck& z) override {
    TAufzeichnungsLeinwand::BildKopieren(bild, q, z);
    Kopien.push_back({q, z, bild.At(q.Links, q.Oben), bild.At(q.Links, q.Unten - 1)});
  }
  std::vector<TKopie> Kopien;
};

struct Anfrage {
  TRechteck Rechteck;
  bool Loeschen;
};

class IndikatorBalken : public ::testing::Test {
 protected:
  IndikatorBalken() {
    test::Schlusskurse(wp, std::vector<double>(30, 10.0));
    balken.SetzeGrenzen({0, 0, 799, 99});
    balken.SetzeOnNeuZeichnen([this](const TRechteck& r, bool l) { anfragen.push_back({r, l}); });
    balken.SetzeOnAnzeigeGeaendert([this] { ++meldungen; });
    balken.SetzeOnPopup([this](TPunkt p, bool aktiv) { popups.push_back({p.x, aktiv}); });
  }
  void Zeichnen(int faktor = 1) {
    leinwand.Leeren();
    leinwand.Kopien.clear();
    TGrafikfenster f(leinwand, {0, 0, balken.Breite() - 1, balken.Hoehe() - 1},
                     static_cast<std::uint16_t>(faktor), static_cast<std::uint16_t>(faktor));
    balken.Zeichne(f);
  }
  void Klick(TMausTaste taste, int x, int y, bool strg = false) {
    balken.MausKlick(taste, TUmschaltStatus{false, strg, false}, {x + 1000, y}, {x, y});
  }

  TIndVorlagen vorlagen;
  TWertpapier wp;
  TChart_Indikatoren balken{vorlagen};
  TBildLeinwand leinwand;
  std::vector<Anfrage> anfragen;
  int meldungen = 0;
  std::vector<std::pair<int, bool>> popups;
};

TEST_F(IndikatorBalken, LayoutNachGroesseUndFaktor) {
  Zeichnen();
  EXPECT_EQ(balken.Zellhoehe(), 60);
  EXPECT_EQ(balken.Zellbreite(), 30);
  const auto rahmen = leinwand.Alle(TArt::Rechteck);
  ASSERT_EQ(rahmen.size(), 22u);
  // Overlapping by one pixel, a quarter gauge of gap after each group.
  EXPECT_EQ((std::vector<int>{rahmen[0].x1, rahmen[1].x1, rahmen[7].x1, rahmen[18].x1}),
            (std::vector<int>{7, 36, 217, 543}));
  EXPECT_EQ(rahmen[0].y1, 18);
  EXPECT_EQ(rahmen[0].y2, 78);
  EXPECT_EQ(rahmen[0].Pinsel.Farbe, kWeiss);

  balken.SetzeGrenzen({0, 0, 299, 99});  // 300 div 23 below the minimum of 25
  Zeichnen();
  EXPECT_EQ(balken.Zellbreite(), 25);
  balken.SetzeGrenzen({0, 0, 39, 9});  // tiny: both sizes at their floor
  Zeichnen();
  EXPECT_EQ(balken.Zellhoehe(), 5);
  EXPECT_EQ(balken.Zellbreite(), 5);
  EXPECT_EQ(balken.SignalBild().Hoehe, 5);
  balken.SetzeGrenzen({0, 0, 7999, 999});  // a page at 600 dpi
  Zeichnen(10);
  EXPECT_EQ(balken.Zellhoehe(), 600);
  EXPECT_EQ(balken.Zellbreite(), 300);
  EXPECT_EQ(leinwand.Alle(TArt::Rechteck)[0].y1, 180);
}

TEST_F(IndikatorBalken, MesserFuellungen) {
  vorlagen.Ersetzen(Satz({{100, -50, 0}, {}, {0, 50}}));
  balken.SetzeWertpapier(&wp);
  Zeichnen();
  EXPECT_TRUE(leinwand.Kopien.empty()) << "no day, no bars";
  balken.SetzeTag(Tag(3));
  Zeichnen();
  // 8 gauges: still 30 wide; group 1 from x 7, group 2 (aggregate only) at
  // 130, group 3 from 166.
  auto kopie = [&](int x) -> const TKopie* {
    for (const TKopie& k : leinwand.Kopien)
      if (k.Ziel.Links == x + 1) return &k;
    return nullptr;
  };
  ASSERT_NE(kopie(7), nullptr);  // +100: the whole upper half
  EXPECT_EQ(kopie(7)->Quelle, (TRechteck{1, 1, 29, 30}));
  EXPECT_EQ(kopie(7)->Ziel, (TRechteck{8, 19, 36, 48}));
  EXPECT_EQ(kopie(7)->Oben, TFarbe::RGB(0, 8, 247));
  EXPECT_EQ(kopie(7)->Unten, TFarbe::RGB(0, 246, 9));
  ASSERT_NE(kopie(36), nullptr);  // -50: half the lower half
  EXPECT_EQ(kopie(36)->Quelle, (TRechteck{1, 31, 29, 45}));
  EXPECT_EQ(kopie(36)->Ziel, (TRechteck{37, 49, 65, 63}));
  EXPECT_EQ(kopie(36)->Oben, TFarbe::RGB(255, 246, 0));
  EXPECT_EQ(kopie(65), nullptr);   // signal 0
  EXPECT_EQ(kopie(166), nullptr);  // intensity 0
  ASSERT_NE(kopie(195), nullptr);  // intensity 50, from the bottom edge up
  EXPECT_EQ(kopie(195)->Quelle, (TRechteck{1, 32, 29, 61}));
  EXPECT_EQ(kopie(195)->Ziel, (TRechteck{196, 48, 224, 77}));
  EXPECT_EQ(kopie(195)->Unten, kCyan);
  EXPECT_EQ(balken.SignalBild().At(0, 0), TFarbe::RGB(0, 0, 255));
  EXPECT_EQ(balken.SignalBild().At(29, 59), TFarbe::RGB(255, 8, 0));
  EXPECT_EQ(balken.IntensitaetBild().At(0, 0), TFarbe::RGB(0, 176, 176));

  balken.SetzeGrenzen({0, 0, 39, 9});  // 5 x 5 gauges: bars stay inside
  Zeichnen();
  EXPECT_EQ(leinwand.Kopien.size(), 4u);
  for (const TKopie& k : leinwand.Kopien)
    EXPECT_TRUE(k.Quelle.Oben >= 0 && k.Quelle.Unten <= 6 && k.Ziel.Oben > 18 &&
                k.Ziel.Unten <= 22);
}

TEST_F(IndikatorBalken, TrefferUeberGruppenLueckenUndHoehe) {
  const std::vector<std::pair<TPunkt, std::optional<TIndikatorWahl>>> faelle = {
      {{6, 50}, std::nullopt},           {{7, 17}, TIndikatorWahl{1, 0}},
      {{35, 88}, TIndikatorWahl{1, 0}},  {{36, 50}, TIndikatorWahl{1, 1}},
      {{210, 50}, TIndikatorWahl{1, 6}}, {{213, 50}, std::nullopt},
      {{217, 50}, TIndikatorWahl{2, 0}}, {{659, 50}, TIndikatorWahl{3, 3}},
      {{660, 50}, std::nullopt},         {{50, 16}, std::nullopt},
      {{50, 89}, std::nullopt}};
  for (const auto& [p, erwartet] : faelle)
    EXPECT_EQ(balken.Treffer(p), erwartet) << p.x << "," << p.y;
  // A print pass leaves the screen's hit test as it was.
  TGrafikfenster druck(leinwand, {0, 0, 7999, 999}, 10, 10);
  balken.ZeichneInRechteck(druck, {0, 0, 7999, 999});
  EXPECT_EQ(balken.Treffer({36, 50}), (TIndikatorWahl{1, 1}));
}

TEST_F(IndikatorBalken, LinksklickSchaltetUndStrgBehaeltErstenAlsSignal) {
  balken.SetzeGrenzen({0, 500, 799, 599});
  anfragen.clear();
  Klick(TMausTaste::Links, 10, 50);
  EXPECT_EQ(balken.Analyse().Indikator(1, 0).Anzeige, 1);
  EXPECT_EQ(meldungen, 1);
  ASSERT_EQ(anfragen.size(), 1u);
  EXPECT_EQ(anfragen[0].Rechteck, (TRechteck{7, 505, 799, 578}));
  EXPECT_FALSE(anfragen[0].Loeschen);
  Zeichnen();
  const auto rahmen = leinwand.Alle(TArt::Rechteck);
  ASSERT_EQ(rahmen.size(), 23u);
  EXPECT_EQ(rahmen[1].Stift, (TStift{kDunkelrot, 2, TStiftStil::Durchgezogen}));
  EXPECT_EQ(rahmen[1].x1, 9);

  Klick(TMausTaste::Links, 40, 50, true);
  EXPECT_EQ(balken.Analyse().Indikator(1, 0).Anzeige, 3);
  EXPECT_EQ(balken.Analyse().Indikator(1, 1).Anzeige, 3);
  EXPECT_EQ(*IndikatorUntertitel(balken.Analyse()), "Indikatoren: RSI, STO");

  Klick(TMausTaste::Links, 3, 50);  // beside the gauges: all off
  EXPECT_EQ(balken.Analyse().AnzahlAngezeigt(), 0);
  EXPECT_EQ(meldungen, 3);
  Klick(TMausTaste::Links, 3, 50);  // nothing left to switch off
  EXPECT_EQ(meldungen, 3);
  EXPECT_EQ(anfragen.size(), 3u);
}

TEST_F(IndikatorBalken, RechtsklickPopupUndAnpassen) {
  std::vector<std::pair<int, int>> dialoge;
  balken.SetzeAnpassenDialog([&](int g, int i) { dialoge.push_back({g, i}); });
  Klick(TMausTaste::Links, 10, 50);
  Klick(TMausTaste::Rechts, 220, 50);
  EXPECT_EQ(balken.Analyse().AnzahlAngezeigt(), 1);
  EXPECT_EQ(balken.Analyse().Indikator(2, 0).Anzeige, 1);
  EXPECT_EQ(popups, (std::vector<std::pair<int, bool>>{{1220, true}}));
  EXPECT_EQ(balken.Popup(), (TIndikatorWahl{2, 0}));
  balken.IndikatorAnpassen();
  EXPECT_EQ(dialoge, (std::vector<std::pair<int, int>>{{2, 0}}));
  EXPECT_EQ(meldungen, 3);
  EXPECT_EQ(balken.Analyse().Indikator(2, 0).Anzeige, 1) << "recomputing keeps the display";

  Klick(TMausTaste::Rechts, 214, 50);  // in the gap
  EXPECT_EQ(balken.Analyse().AnzahlAngezeigt(), 0);
  EXPECT_EQ(popups.back(), (std::pair<int, bool>{1214, false}));
  balken.IndikatorAnpassen();
  EXPECT_EQ(dialoge.size(), 1u);
}

TEST_F(IndikatorBalken, GemerkterEintragNachKleineremSatz) {
  std::vector<std::pair<int, int>> dialoge;
  balken.SetzeAnpassenDialog([&](int g, int i) { dialoge.push_back({g, i}); });
  Klick(TMausTaste::Rechts, 70, 50);  // (1, 2)
  vorlagen.Ersetzen(Satz({{5}, {}, {}}));
  balken.IndikatorAnpassen();  // the templates no longer hold (1, 2)
  EXPECT_TRUE(dialoge.empty());
  balken.IndikatorenNeuBerechnen();
  EXPECT_FALSE(balken.Popup());
  EXPECT_NO_THROW(Zeichnen());
  EXPECT_EQ(leinwand.Alle(TArt::Rechteck).size(), 4u);
}

TEST_F(IndikatorBalken, AusblendenSchaltetAllesAus) {
  Klick(TMausTaste::Links, 10, 50);
  anfragen.clear();
  balken.SetzeSichtbar(false);
  EXPECT_EQ(balken.Analyse().AnzahlAngezeigt(), 0);
  EXPECT_EQ(meldungen, 2);
  Klick(TMausTaste::Links, 10, 50);
  EXPECT_EQ(balken.Analyse().AnzahlAngezeigt(), 0) << "a hidden bar takes no clicks";
  EXPECT_TRUE(anfragen.empty());
}

TEST_F(IndikatorBalken, TitelUndHinweisNurAmBildschirm) {
  const std::string hinweis = "Bitte auf einen Balken klicken, um den Indikator anzuzeigen.";
  Zeichnen();
  ASSERT_NE(leinwand.SucheText("Indikator-Signale"), nullptr);
  EXPECT_EQ(leinwand.SucheText("Indikator-Signale")->x1, 7);
  const TAufruf* h = leinwand.SucheText(hinweis);
  ASSERT_NE(h, nullptr);
  EXPECT_EQ(h->Schrift.Farbe, kSilber);
  EXPECT_EQ(h->x1 + 6 * 60, 666 - 10);  // right-aligned after the last group
  EXPECT_NE(leinwand.SucheText("Trendintensitäts-Indikatoren"), nullptr);

  balken.SetzeWertpapier(&wp);
  anfragen.clear();
  balken.SetzeTag(Tag(0));
  balken.SetzeTag(Tag(0));
  EXPECT_EQ(anfragen.size(), 1u);
  balken.SetzeGrenzen({0, 0, 7999, 999});
  Zeichnen(10);
  EXPECT_NE(leinwand.SucheText("Indikator-Signale zum 04.01.2010"), nullptr);
  EXPECT_EQ(leinwand.SucheText(hinweis), nullptr);
}

TEST_F(IndikatorBalken, OhneWertpapierKeineSignale) {
  vorlagen.Ersetzen(Satz({{100}, {}, {}}));
  balken.SetzeWertpapier(&wp);
  EXPECT_EQ(anfragen.back().Loeschen, true) << "other gauge count: full repaint";
  balken.SetzeTag(Tag(3));
  EXPECT_EQ(balken.Analyse().SignalAm(1, 0, Tag(3)), 100);
  balken.SetzeWertpapier(nullptr);
  EXPECT_EQ(balken.Analyse().SignalAm(1, 0, Tag(3)), 0);
  EXPECT_EQ(anfragen.back().Loeschen, false);
}

TEST(IndikatorEbene, UntertitelUndZeichnenDerAngezeigten) {
  std::vector<std::string> log;
  TIndVorlagen vorlagen;
  vorlagen.Ersetzen(Satz({{10, 20}, {30}, {40}}, &log));
  TIndAnalyse analyse(vorlagen);
  TWertpapier wp;
  test::Schlusskurse(wp, std::vector<double>(30, 10.0));
  TChart_WPChart chart;
  chart.SetzeAnsicht(test::SchlichteAnsicht(TCharttyp::Linie));
  chart.SetzeWertpapier(&wp);
  TChart_WPChart_IndikatorenEbene ebene(chart, analyse);
  chart.NeueEbene(&ebene);

  TAufzeichnungsLeinwand l;
  test::Zeichnen(chart, l, 800, 600);
  EXPECT_TRUE(log.empty());
  for (const TAufruf& t : l.Texte())
    EXPECT_NE(t.Text.rfind("Indikator", 0), 0u) << t.Text;

  analyse.Umschalten(false, 3, 0);
  test::Zeichnen(chart, l, 800, 600);
  EXPECT_NE(l.SucheText("Indikator: Fest D (D)"), nullptr);
  analyse.Umschalten(true, 2, 0);
  analyse.Umschalten(true, 1, 1);
  log.clear();
  test::Zeichnen(chart, l, 800, 600);
  EXPECT_NE(l.SucheText("Indikatoren: B, C, D"), nullptr);
  EXPECT_EQ(log, (std::vector<std::string>{"B", "C", "D"}));

  std::vector<bool> anfragen;
  chart.SetzeOnNeuZeichnen([&](const TRechteck&, bool loeschen) { anfragen.push_back(loeschen); });
  ebene.Geaendert();
  EXPECT_EQ(anfragen, std::vector<bool>{true});
}

}  // namespace
}  // namespace morvane
