#include "chart/infobereich.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "charttesthilfe.h"
#include "core/datumtext.h"
#include "core/transaktion.h"

namespace morvane {
namespace {

using TArt = TAufruf::TArt;
using test::Satz;
using test::Tag;

constexpr int kBreite = 100;

// Paints the area, sized 100 x 500, onto a recording canvas.
void Zeichnen(TChart_Infobereich& info, TAufzeichnungsLeinwand& l, int faktor = 1) {
  info.SetzeGrenzen({0, 0, kBreite * faktor - 1, 500 * faktor - 1});
  TGrafikfenster f(l, info.Grenzen(), static_cast<std::uint16_t>(faktor),
                   static_cast<std::uint16_t>(faktor));
  info.Zeichne(f);
}

// The right edge of a text as the recording canvas measures it.
int RechterRand(const TAufruf& t) {
  TAufzeichnungsLeinwand messen;
  messen.SetzeSchrift(t.Schrift);
  return t.x1 + messen.TextBreite(t.Text);
}

// The texts painted at height y, left to right as painted.
std::vector<std::string> ZeileBei(const TAufzeichnungsLeinwand& l, int y) {
  std::vector<std::string> texte;
  for (const TAufruf& t : l.Texte())
    if (t.y1 == y) texte.push_back(t.Text);
  return texte;
}

// The Schluss row: change line at y 115, value line at 125.
constexpr int kSchlussAenderung = 115;
constexpr int kSchlussWert = 125;

TWertpapier Papier(const std::vector<double>& schluss) {
  TWertpapier wp;
  test::Schlusskurse(wp, schluss);
  return wp;
}

TEST(Infobereich, OhneWertpapierNurDieUeberschrift) {
  TChart_Infobereich info;
  TAufzeichnungsLeinwand l;
  Zeichnen(info, l);
  ASSERT_EQ(l.Texte().size(), 1u);
  EXPECT_EQ(l.Texte()[0].Text, "Tagesinformationen");
  EXPECT_EQ(l.Texte()[0].y1, 5);

  info.SetzeTag(Tag(3));
  l.Leeren();
  Zeichnen(info, l);
  ASSERT_EQ(l.Texte().size(), 2u);
  EXPECT_EQ(l.Texte()[1].Text, "zum " + BoersentagZuText(Tag(3)));
  EXPECT_EQ(l.Texte()[1].y1, 15);
}

TEST(Infobereich, AnstiegSchwarzRueckgangRotAuchDerWert) {
  TWertpapier wp = Papier({8, 10, 8});
  TChart_Infobereich info;
  info.SetzeWertpapier(&wp);
  TAufzeichnungsLeinwand l;

  info.SetzeTag(Tag(1));
  Zeichnen(info, l);
  EXPECT_EQ(ZeileBei(l, kSchlussAenderung), (std::vector<std::string>{"Schluss:", "+25,00 %"}));
  const TAufruf* plus = l.SucheText("+25,00 %");
  ASSERT_NE(plus, nullptr);
  EXPECT_EQ(plus->Schrift.Farbe, kSchwarz);
  EXPECT_EQ(RechterRand(*plus), kBreite - 4);
  const TAufruf* zehn = l.SucheText("10,00 EUR");
  ASSERT_NE(zehn, nullptr);
  EXPECT_EQ(zehn->y1, kSchlussWert);
  EXPECT_EQ(zehn->Schrift.Farbe, kSchwarz);

  info.SetzeTag(Tag(2));
  l.Leeren();
  Zeichnen(info, l);
  const TAufruf* minus = l.SucheText("-20,00 %");
  ASSERT_NE(minus, nullptr);
  EXPECT_EQ(minus->y1, kSchlussAenderung);
  EXPECT_EQ(minus->Schrift.Farbe, kRot);
  const TAufruf* acht = l.SucheText("8,00 EUR");
  ASSERT_NE(acht, nullptr);
  EXPECT_EQ(acht->y1, kSchlussWert);
  EXPECT_EQ(acht->Schrift.Farbe, kRot);
  // The next row starts black again.
  EXPECT_EQ(l.SucheText("Kassa:")->Schrift.Farbe, kSchwarz);
}

TEST(Infobereich, FeiertagUndErsterSatzZeigenStriche) {
  TWertpapier wp;
  wp.Kurse.Setze(Satz(0, 10, 12, 9, 11, 500), TSetzModus::Ersetzen);
  wp.Kurse.Setze(Satz(2, 11, 13, 10, 12, 600), TSetzModus::Ersetzen);
  TChart_Infobereich info;
  info.SetzeWertpapier(&wp);
  TAufzeichnungsLeinwand l;

  // Day 1 has no record: every change and every value is "-".
  info.SetzeTag(Tag(1));
  Zeichnen(info, l);
  EXPECT_EQ(l.Texte("-").size(), 12u);

  // The first record has nothing to compare with, but shows its values.
  info.SetzeTag(Tag(0));
  l.Leeren();
  Zeichnen(info, l);
  EXPECT_EQ(l.Texte("-").size(), 7u);  // six changes and the missing Kassa
  EXPECT_EQ(ZeileBei(l, 40), (std::vector<std::string>{"Eröffnung:", "-"}));
  EXPECT_EQ(ZeileBei(l, 50), (std::vector<std::string>{"10,00 EUR"}));
  EXPECT_EQ(ZeileBei(l, 175), (std::vector<std::string>{"500 Stück"}));

  // Day 2 compares with day 0 across the gap.
  info.SetzeTag(Tag(2));
  l.Leeren();
  Zeichnen(info, l);
  // (The opening's change does not fit beside its label on this canvas and
  // takes the line below, so the volume row is found by its label.)
  EXPECT_EQ(ZeileBei(l, l.SucheText("Umsatz:")->y1),
            (std::vector<std::string>{"Umsatz:", "+20,00 %"}));
}

TEST(Infobereich, UmsatzGruppiertInStueck) {
  TWertpapier wp;
  wp.Kurse.Setze(Satz(0, 0, 0, 0, 5, 1234567), TSetzModus::Ersetzen);
  TChart_Infobereich info;
  info.SetzeWertpapier(&wp);
  info.SetzeTag(Tag(0));
  TAufzeichnungsLeinwand l;
  Zeichnen(info, l);
  const TAufruf* umsatz = l.SucheText("1 234 567 Stück");
  ASSERT_NE(umsatz, nullptr);
  EXPECT_EQ(umsatz->y1, 175);
}

TEST(Infobereich, BaenderUndBestandOhneTransaktionen) {
  TWertpapier wp = Papier({10});
  TChart_Infobereich info;
  info.SetzeWertpapier(&wp);
  info.SetzeTag(Tag(0));
  TAufzeichnungsLeinwand l;
  Zeichnen(info, l);
  std::vector<int> oben;
  for (const TAufruf& r : l.Alle(TArt::Rechteck)) {
    EXPECT_EQ(r.Pinsel.Farbe, TFarbe::RGB(242, 242, 242));
    EXPECT_EQ(r.Pinsel.Stil, TPinselStil::Voll);
    EXPECT_EQ(r.x1, 0);
    oben.push_back(r.y1);
  }
  // Rows 1, 3 and 5 from one pixel above the label; the holding's band after
  // the 30-pixel gap below the day block.
  EXPECT_EQ(oben, (std::vector<int>{39, 89, 139, 219}));
  EXPECT_EQ(ZeileBei(l, 220), (std::vector<std::string>{"Bestand:", "0 St."}));
  // Every text goes on a clear brush, so the bands stay visible behind it.
  for (const TAufruf& t : l.Texte())
    EXPECT_EQ(t.Pinsel.Stil, TPinselStil::Leer) << t.Text;
}

TEST(Infobereich, BuchgewinnSchwarzUndVerlustRot) {
  TWertpapier wp = Papier({8, 10, 6});
  wp.Transaktionen.Einfuegen(TTransaktionKauf(Tag(0), 12.5, 8, 100));
  wp.Transaktionen.Einfuegen(TTransaktionKauf(Tag(2), 2.5, 6, 15));
  TChart_Infobereich info;
  info.SetzeWertpapier(&wp);
  TAufzeichnungsLeinwand l;

  // Only the first purchase counts on day 1: 12,5 units at 10 against 100.
  // On this canvas the holding and the gain are too wide to stand beside
  // their labels and take the line below.
  info.SetzeTag(Tag(1));
  Zeichnen(info, l);
  EXPECT_EQ(ZeileBei(l, 220), (std::vector<std::string>{"Bestand:"}));
  EXPECT_EQ(ZeileBei(l, 230), (std::vector<std::string>{"12,50 St."}));
  EXPECT_EQ(ZeileBei(l, 245), (std::vector<std::string>{"Buchgewinn:"}));
  EXPECT_EQ(ZeileBei(l, 255), (std::vector<std::string>{"25,00 %"}));
  EXPECT_EQ(ZeileBei(l, 265), (std::vector<std::string>{"25,00 EUR"}));
  EXPECT_EQ(l.SucheText("25,00 EUR")->Schrift.Farbe, kSchwarz);

  // Day 2 books the second: 15 units at 6 against 115.
  info.SetzeTag(Tag(2));
  l.Leeren();
  Zeichnen(info, l);
  EXPECT_EQ(ZeileBei(l, 220), (std::vector<std::string>{"Bestand:", "15 St."}));
  const TAufruf* prozent = l.SucheText("-21,74 %");
  const TAufruf* betrag = l.SucheText("-25,00 EUR");
  ASSERT_NE(prozent, nullptr);
  ASSERT_NE(betrag, nullptr);
  EXPECT_EQ(prozent->Schrift.Farbe, kRot);
  EXPECT_EQ(betrag->Schrift.Farbe, kRot);
  EXPECT_EQ(l.SucheText("Buchgewinn:")->Schrift.Farbe, kSchwarz);

  // Without a price on the day there is no book gain, only the holding.
  info.SetzeTag(Tag(5));
  l.Leeren();
  Zeichnen(info, l);
  EXPECT_EQ(ZeileBei(l, 220), (std::vector<std::string>{"Bestand:", "15 St."}));
  EXPECT_EQ(l.SucheText("Buchgewinn:"), nullptr);
}

// A change that fits beside its label only in a smaller font gets it; one that
// would need a font below 9 pixels takes the line below, and its band grows
// with it. A volume too long for the area is drawn smaller. Labels keep their
// size, and nothing runs into a label or past the left edge.
TEST(Infobereich, ZuBreiteWerteWerdenKleinerOderRueckenNachUnten) {
  TWertpapier wp;
  wp.Kurse.Setze(Satz(0, 1, 125, 1, 10, 500), TSetzModus::Ersetzen);
  wp.Kurse.Setze(Satz(1, 150, 150, 8, 8, 1234567890), TSetzModus::Ersetzen);
  TChart_Infobereich info;
  info.SetzeWertpapier(&wp);
  info.SetzeTag(Tag(1));
  TAufzeichnungsLeinwand l;
  Zeichnen(info, l);

  const TAufruf* eroeffnung = l.SucheText("+14900,00 %");
  ASSERT_NE(eroeffnung, nullptr);
  EXPECT_EQ(eroeffnung->y1, 50);
  EXPECT_EQ(eroeffnung->Schrift.Hoehe, 12);
  EXPECT_EQ(l.SucheText("150,00 EUR")->y1, 60);
  EXPECT_GE(l.Alle(TArt::Rechteck)[0].y2, 60 + 12);
  EXPECT_EQ(ZeileBei(l, 75), (std::vector<std::string>{"Höchst:", "+20,00 %"}));
  EXPECT_EQ(l.SucheText("+20,00 %")->Schrift.Hoehe, 12);
  const TAufruf* schluss = l.SucheText("-20,00 %");
  ASSERT_NE(schluss, nullptr);
  EXPECT_LT(schluss->Schrift.Hoehe, 12);
  EXPECT_GE(schluss->Schrift.Hoehe, 9);
  const TAufruf* umsatz = l.SucheText("1 234 567 890 Stück");
  ASSERT_NE(umsatz, nullptr);
  EXPECT_LT(umsatz->Schrift.Hoehe, 12);

  const std::vector<TAufruf> texte = l.Texte();
  for (const TAufruf& t : texte) {
    EXPECT_GE(t.x1, 0) << t.Text;
    if (t.Text.ends_with(':')) {
      EXPECT_EQ(t.Schrift.Hoehe, 12) << t.Text;
    } else if (t.Text != "Tagesinformationen" && t.y1 > 15) {
      EXPECT_EQ(RechterRand(t), kBreite - 4) << t.Text;
    }
    for (const TAufruf& beschriftung : texte) {
      if (beschriftung.Text.ends_with(':') && t.y1 == beschriftung.y1 && &t != &beschriftung) {
        EXPECT_GE(t.x1, RechterRand(beschriftung) + 3) << t.Text;
      }
    }
  }
}

TEST(Infobereich, DruckSkaliertAbstaendeUndRand) {
  TWertpapier wp = Papier({8, 10});
  TChart_Infobereich info;
  info.SetzeWertpapier(&wp);
  info.SetzeTag(Tag(1));
  TAufzeichnungsLeinwand l;
  Zeichnen(info, l, 10);
  const TAufruf* wert = l.SucheText("10,00 EUR");
  ASSERT_NE(wert, nullptr);
  EXPECT_EQ(wert->y1, kSchlussWert * 10);
  EXPECT_EQ(RechterRand(*wert), kBreite * 10 - 40);
  EXPECT_EQ(wert->Schrift.Hoehe, 90);
  EXPECT_EQ(l.SucheText("Schluss:")->x1, 20);
}

}  // namespace
}  // namespace morvane
