#include "online/zeitplaner.h"

#include <gtest/gtest.h>

#include "store/einstellungen.h"
#include "testhilfe/ausnahme.h"

namespace morvane {
namespace {

TZeitpunkt Zeitpunkt(int stunde, int minute, std::vector<int> tage,
                     std::vector<std::string> kataloge) {
  TZeitpunkt z;
  z.Stunde = static_cast<std::uint8_t>(stunde);
  z.Minute = static_cast<std::uint8_t>(minute);
  for (int tag : tage)
    z.Wochentage[static_cast<std::size_t>(tag)] = true;
  z.Kataloge = std::move(kataloge);
  return z;
}

std::string Block(const TZeitplaner& plan) {
  TBinaerSchreiber s;
  plan.Schreibe(s);
  return s.Entnehmen();
}

TEST(Zeitpunkt, Anzeigetext) {
  EXPECT_EQ(Zeitpunkt(2, 0, {0, 4}, {"Aktien", "Fonds"}).Anzeigetext(),
            "02:00 Uhr\tMontag Freitag\t2 Kataloge");
  EXPECT_EQ(Zeitpunkt(18, 5, {5, 6}, {"Aktien"}).Anzeigetext(),
            "18:05 Uhr\tSamstag Sonntag\t1 Katalog");
  EXPECT_EQ(Zeitpunkt(23, 59, {}, {}).Anzeigetext(), "23:59 Uhr\t\t0 Kataloge");
  EXPECT_EQ(Zeitpunkt(7, 30, {1, 2, 3}, {}).Uhrzeit(), "07:30");
}

TEST(Zeitpunkt, UhrzeitLesen) {
  struct {
    const char* text;
    int stunde, minute;
  } const gueltig[] = {{"2", 2, 0},     {"2:5", 2, 5},     {"02.05", 2, 5}, {"0205", 2, 5},
                       {"2 05", 2, 5},  {"930", 9, 30},    {"0200", 2, 0},  {" 23,59 ", 23, 59},
                       {"00:00", 0, 0}, {"12:  7", 12, 7}, {"7:", 7, 0}};
  for (const auto& fall : gueltig) {
    const auto zeit = UhrzeitLesen(fall.text);
    ASSERT_TRUE(zeit) << fall.text;
    EXPECT_EQ(zeit->Stunde, fall.stunde) << fall.text;
    EXPECT_EQ(zeit->Minute, fall.minute) << fall.text;
  }
  for (const char* text :
       {"24:00", "12:60", "", "  ", "ab", "2400", "12:30:00", "-1", "1260", "x 5"}) {
    EXPECT_FALSE(UhrzeitLesen(text)) << text;
  }
}

TEST(Zeitpunkt, DialogPrueftUhrzeitVorWochentag) {
  std::array<bool, 7> keiner{};
  std::array<bool, 7> sonntag{};
  sonntag[6] = true;
  EXPECT_EQ(ZeitpunktPruefen("25", keiner), "Die angegebene Uhrzeit ist ungültig.");
  EXPECT_EQ(ZeitpunktPruefen("", sonntag), "Die angegebene Uhrzeit ist ungültig.");
  EXPECT_EQ(ZeitpunktPruefen("8", keiner), "Es muss mindestens ein Wochentag ausgewählt sein!");
  EXPECT_FALSE(ZeitpunktPruefen("8", sonntag));
}

TEST(Zeitplaner, BlockUeberstehtSchreibenUndLesen) {
  TZeitplaner plan;
  plan.Aktiv = true;
  auto z = Zeitpunkt(2, 0, {0, 4}, {"Aktien", "Fonds Ü"});
  z.Herunterfahren = true;
  plan.Anhaengen(z);
  plan.Anhaengen(Zeitpunkt(18, 30, {2}, {}));
  const std::string bytes = Block(plan);
  EXPECT_EQ(
      bytes.substr(0, 17),
      std::string("\x01\x02\x00\x00\x00\x02\x00\x01\x00\x00\x00\x01\x00\x00\x01\x02\x00", 17));
  EXPECT_EQ(bytes.size(), 1u + 4 + 2 * 14 + (2 + 6) + (2 + 7));

  TZeitplaner gelesen;
  gelesen.Anhaengen(Zeitpunkt(1, 1, {}, {"alt"}));
  TBinaerLeser leser(bytes);
  gelesen.Lies(leser);
  EXPECT_TRUE(leser.AmEnde());
  EXPECT_TRUE(gelesen.Aktiv);
  ASSERT_EQ(gelesen.Anzahl(), 2u);
  EXPECT_EQ(*gelesen.Zeitpunkt(0), z);
  EXPECT_EQ(gelesen.Zeitpunkt(1)->Minute, 30);
  EXPECT_EQ(gelesen.Zeitpunkt(2), nullptr);
}

TEST(Zeitplaner, AnzahlenUnterEinsSindLeerZuGrosseScheitern) {
  // A negative number of time points, then a time point with -5 catalogs.
  const std::string negativ("\x01\xFF\xFF\xFF\xFF", 5);
  TZeitplaner plan;
  plan.Anhaengen(Zeitpunkt(1, 1, {}, {}));
  TBinaerLeser leser(negativ);
  plan.Lies(leser);
  EXPECT_EQ(plan.Anzahl(), 0u);
  EXPECT_TRUE(plan.Aktiv);

  std::string katalogeNegativ(
      "\x00\x01\x00\x00\x00\x08\x0F\x01\x00\x00\x00\x00\x00\x00\x00\xFB\xFF\xFF\xFF", 19);
  TBinaerLeser zweiter(katalogeNegativ);
  plan.Lies(zweiter);
  ASSERT_EQ(plan.Anzahl(), 1u);
  EXPECT_TRUE(plan.Zeitpunkt(0)->Kataloge.empty());
  EXPECT_EQ(plan.Zeitpunkt(0)->Uhrzeit(), "08:15");

  // Two billion time points in a few bytes fail before anything is made.
  const std::string riesig("\x01\x00\x00\x00\x78", 5);
  TBinaerLeser dritter(riesig);
  EXPECT_THROW_MSG(plan.Lies(dritter), ELesefehler, "Lesefehler: ungültige Anzahl 2013265920");
  EXPECT_EQ(plan.Anzahl(), 0u);
}

TEST(Zeitplaner, InDerEinstellungsdatei) {
  TEinstellungen e("/nicht/vorhanden");
  ZeitplanerEinstecken(e);
  Zeitplaner(e).Aktiv = true;
  Zeitplaner(e).Anhaengen(Zeitpunkt(6, 45, {0, 1, 2, 3, 4}, {"Aktien"}));
  e.ListenKataloge = {"nach dem Zeitplan"};
  const std::string daten = e.Dateiinhalt();

  TEinstellungen geladen("/nicht/vorhanden");
  ZeitplanerEinstecken(geladen);
  ASSERT_TRUE(geladen.LadenAus(daten));
  ASSERT_EQ(Zeitplaner(geladen).Anzahl(), 1u);
  EXPECT_EQ(Zeitplaner(geladen).Zeitpunkt(0)->Anzeigetext(),
            "06:45 Uhr\tMontag Dienstag Mittwoch Donnerstag Freitag\t1 Katalog");
  EXPECT_EQ(geladen.ListenKataloge, e.ListenKataloge);
  EXPECT_EQ(geladen.Dateiinhalt(), daten);
}

}  // namespace
}  // namespace morvane
