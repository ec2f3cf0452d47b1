#include "indicators/indanpassen.h"

#include <gtest/gtest.h>

#include "testhilfe/ausnahme.h"

namespace morvane {
namespace {

TEST(IndAnpassen, KnoepfeLassenDasGesamtStehen) {
  // Three entries: two members and the aggregate.
  auto k = AnpassenKnoepfe(-1, 3);
  EXPECT_FALSE(k.Auf || k.Ab || k.Bearbeiten || k.Loeschen);
  k = AnpassenKnoepfe(0, 3);
  EXPECT_TRUE(!k.Auf && k.Ab && k.Bearbeiten && k.Loeschen);
  k = AnpassenKnoepfe(1, 3);
  EXPECT_TRUE(k.Auf && !k.Ab && k.Bearbeiten && k.Loeschen);
  k = AnpassenKnoepfe(2, 3);
  EXPECT_TRUE(!k.Auf && !k.Ab && k.Bearbeiten && !k.Loeschen);
}

TEST(IndAnpassen, AendernWirktErstMitUebernehmen) {
  TIndVorlagen vorlagen;
  const int anzahl1 = vorlagen.Liste().Anzahl(1);
  {
    TIndAnpassen abgebrochen(vorlagen);
    abgebrochen.Loeschen(1, 0);
    abgebrochen.Liste().Indikator(1, 0).NameSetzen("X", "X");
  }
  EXPECT_EQ(vorlagen.Liste().Anzahl(1), anzahl1);
  EXPECT_EQ(vorlagen.Liste().Indikator(1, 0).Schluessel(), "IndRSI");

  TIndAnpassen dialog(vorlagen);
  EXPECT_EQ(dialog.Hinzufuegen(3, -1, "IndMOM"), 0);
  EXPECT_EQ(dialog.Hinzufuegen(3, 0, "IndRSI"), 0);
  EXPECT_THROW_MSG(dialog.Hinzufuegen(3, 0, "IndXYZ"), std::invalid_argument,
                   "Unbekannter Indikatortyp 'IndXYZ'");
  const auto texte = dialog.Eintraege(3);
  const int letzter = static_cast<int>(texte.size()) - 1;
  EXPECT_EQ(dialog.Liste().Indikator(3, 0).Schluessel(), "IndRSI");
  EXPECT_EQ(dialog.LoeschFrage(3, 0), "Indikator '" + texte[0] + "' wirklich löschen?");
  EXPECT_EQ(dialog.Ab(3, 0), 1);
  EXPECT_EQ(dialog.Liste().Indikator(3, 1).Schluessel(), "IndRSI");
  // Never past the aggregate; the aggregate stays last.
  EXPECT_EQ(dialog.Ab(3, letzter - 1), letzter - 1);
  EXPECT_EQ(dialog.Auf(3, letzter), letzter);
  EXPECT_EQ(dialog.Auf(3, 1), 0);
  EXPECT_EQ(dialog.Loeschen(3, 0), 0);
  EXPECT_EQ(dialog.Liste().Indikator(3, 0).Schluessel(), "IndMOM");
  dialog.Uebernehmen(vorlagen);
  EXPECT_EQ(vorlagen.Liste().Anzahl(3), letzter);
  EXPECT_EQ(vorlagen.Liste().Indikator(3, 0).Schluessel(), "IndMOM");
}

}  // namespace
}  // namespace morvane
