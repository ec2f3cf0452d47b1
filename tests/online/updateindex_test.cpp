#include <gtest/gtest.h>

#include "online/signatur.h"
#include "online/updateindex.h"
#include "testhilfe/ausnahme.h"

namespace morvane {
namespace {

const std::string kSumme(64, 'a');

TUpdateIndex Beispiel() {
  TUpdateIndex index;
  index.Dateien = {{"Quellen35.mvq", KalendertagAusDatum(1, 12, 2026), 4711, kSumme},
                   {"anwender.mvq", KalendertagAusDatum(29, 2, 2024), 1, std::string(64, '0')}};
  return index;
}

class UpdateIndex : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { paar_ = SchluesselpaarErzeugen(); }
  static inline TSchluesselpaar paar_;
};

TEST_F(UpdateIndex, SigniertGeschriebenUndGelesen) {
  const std::string text = UpdateIndexText(Beispiel());
  EXPECT_EQ(text,
            "Morvane-Updateindex 1\nProgrammversion 3.5\nDeaktiviert nein\n"
            "Datei Quellen35.mvq 2026-12-01 4711 " +
                kSumme + "\nDatei anwender.mvq 2024-02-29 1 " + std::string(64, '0') + "\n");
  const std::string signiert = UpdateIndexSigniert(text, paar_.PrivatPem);
  EXPECT_EQ(UpdateIndexLesen(signiert, paar_.Oeffentlich), Beispiel());
  TUpdateIndex aus;
  aus.Deaktiviert = true;
  EXPECT_EQ(UpdateIndexLesen(UpdateIndexSigniert(UpdateIndexText(aus), paar_.PrivatPem),
                             paar_.Oeffentlich),
            aus);
}

// Any changed byte, a foreign key or a moved signature line is refused.
TEST_F(UpdateIndex, VeraenderungenUndFremderSchluessel) {
  const std::string signiert = UpdateIndexSigniert(UpdateIndexText(Beispiel()), paar_.PrivatPem);
  const std::string ungueltig = "Die Signatur des Update-Index ist ungültig.";
  for (std::size_t i = 0; i + 1 < signiert.size(); i += 7) {
    std::string falsch = signiert;
    falsch[i] = falsch[i] == '1' ? '2' : '1';
    EXPECT_THROW(UpdateIndexLesen(falsch, paar_.Oeffentlich), EUpdateIndex) << "Byte " << i;
  }
  std::string summe = signiert;
  summe[summe.find(kSumme)] = 'b';
  EXPECT_THROW_MSG(UpdateIndexLesen(summe, paar_.Oeffentlich), EUpdateIndex, ungueltig);
  EXPECT_THROW_MSG(UpdateIndexLesen(signiert, SchluesselpaarErzeugen().Oeffentlich), EUpdateIndex,
                   ungueltig);
  EXPECT_THROW_MSG(UpdateIndexLesen(signiert, UpdateSchluessel()), EUpdateIndex, ungueltig);
  for (const std::string& text :
       {UpdateIndexText(Beispiel()), signiert.substr(0, signiert.size() - 1), signiert + "\n",
        signiert + "Datei x.mvq 2026-01-01 1 " + kSumme + "\n", std::string("\n"), std::string()}) {
    EXPECT_THROW_MSG(UpdateIndexLesen(text, paar_.Oeffentlich), EUpdateIndex,
                     "Der Update-Index endet nicht mit einer Signaturzeile.");
  }
  EXPECT_THROW_MSG(UpdateIndexLesen(std::string(kIndexGrenze + 1, 'x'), paar_.Oeffentlich),
                   EUpdateIndex, "Der Update-Index ist größer als 64 KB.");
}

TEST_F(UpdateIndex, StrengerLeser) {
  const std::string kopf = "Morvane-Updateindex 1\nProgrammversion 3.5\nDeaktiviert nein\n";
  const std::string z4 = "Der Update-Index ist fehlerhaft (Zeile 4): ";
  const std::string datei = z4 + "erwartet 'Datei NAME JJJJ-MM-TT GRÖSSE SHA256'";
  struct Fall {
    std::string text, meldung;
  };
  const Fall faelle[] = {
      {"Morvane-Updateindex 2\nProgrammversion 3.5\nDeaktiviert nein\n",
       "Der Update-Index ist fehlerhaft (Zeile 1): erwartet 'Morvane-Updateindex 1'"},
      {"Morvane-Updateindex 1\nProgrammversion 3.5\n",
       "Der Update-Index ist fehlerhaft (Zeile 3): Zeile fehlt"},
      {"Morvane-Updateindex 1\r\nProgrammversion 3.5\nDeaktiviert nein\n",
       "Der Update-Index ist fehlerhaft (Zeile 1): erwartet 'Morvane-Updateindex 1'"},
      {"Morvane-Updateindex 1\nProgrammversion 3,5\nDeaktiviert nein\n",
       "Der Update-Index ist fehlerhaft (Zeile 2): ungültige Programmversion '3,5'"},
      {"Morvane-Updateindex 1\nProgrammversion 3.5\nDeaktiviert vielleicht\n",
       "Der Update-Index ist fehlerhaft (Zeile 3): erwartet 'ja' oder 'nein'"},
      {"Morvane-Updateindex 1\nProgrammversion 3.5\nDeaktiviert  nein\n",
       "Der Update-Index ist fehlerhaft (Zeile 3): erwartet 'Deaktiviert WERT'"},
      {kopf + "Datei Quellen35.mvq 2026-12-01 4711\n", datei},
      {kopf + "Datei  Quellen35.mvq 2026-12-01 4711 " + kSumme + "\n", datei},
      {kopf + "datei Quellen35.mvq 2026-12-01 4711 " + kSumme + "\n", datei},
      {kopf + "Datei ../Quellen35.mvq 2026-12-01 4711 " + kSumme + "\n",
       z4 + "ungültiger Dateiname '../Quellen35.mvq'"},
      {kopf + "Datei .mvq 2026-12-01 4711 " + kSumme + "\n", z4 + "ungültiger Dateiname '.mvq'"},
      {kopf + "Datei Quellen35.mvq 2026-02-29 4711 " + kSumme + "\n",
       z4 + "ungültiges Datum '2026-02-29'"},
      {kopf + "Datei Quellen35.mvq 1.12.2026 4711 " + kSumme + "\n",
       z4 + "ungültiges Datum '1.12.2026'"},
      {kopf + "Datei Quellen35.mvq 2026-12-01 04711 " + kSumme + "\n",
       z4 + "ungültige Größe '04711' (1 bis 16777216 Bytes)"},
      {kopf + "Datei Quellen35.mvq 2026-12-01 0 " + kSumme + "\n",
       z4 + "ungültige Größe '0' (1 bis 16777216 Bytes)"},
      {kopf + "Datei Quellen35.mvq 2026-12-01 16777217 " + kSumme + "\n",
       z4 + "ungültige Größe '16777217' (1 bis 16777216 Bytes)"},
      {kopf + "Datei Quellen35.mvq 2026-12-01 -1 " + kSumme + "\n",
       z4 + "ungültige Größe '-1' (1 bis 16777216 Bytes)"},
      {kopf + "Datei Quellen35.mvq 2026-12-01 4711 " + std::string(64, 'A') + "\n",
       z4 + "ungültige SHA-256-Summe"},
      {kopf + "Datei Quellen35.mvq 2026-12-01 4711 " + kSumme + "0\n",
       z4 + "ungültige SHA-256-Summe"},
      {kopf + "Datei Quellen35.mvq 2026-12-01 1 " + kSumme + "\nDatei Quellen35.mvq 2026-12-02 1 " +
           kSumme + "\n",
       "Der Update-Index ist fehlerhaft (Zeile 5): Datei 'Quellen35.mvq' doppelt"},
      {kopf + "\n", datei},
      {kopf.substr(0, kopf.size() - 1), "Der Update-Index endet nicht mit einem Zeilenende."},
  };
  for (const Fall& f : faelle)
    EXPECT_THROW_MSG(UpdateIndexTextLesen(f.text), EUpdateIndex, f.meldung);
  EXPECT_EQ(UpdateIndexTextLesen(kopf).Dateien.size(), 0u);
  EXPECT_EQ(UpdateIndexTextLesen(kopf + "Datei Q.mvq 2026-12-01 16777216 " + kSumme + "\n")
                .Dateien.at(0)
                .Groesse,
            16777216);
}

TEST_F(UpdateIndex, HexUndSchluessel) {
  EXPECT_EQ(HexText(std::string("\x00\xff\x1a", 3)), "00ff1a");
  EXPECT_EQ(HexBytes("00ff1a"), std::string("\x00\xff\x1a", 3));
  for (const char* falsch : {"0", "0g", "FF", " 0"})
    EXPECT_FALSE(HexBytes(falsch)) << falsch;
  EXPECT_EQ(UpdateSchluessel().size(), 32u);
  EXPECT_EQ(HexText(Sha256("")),
            "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
  EXPECT_EQ(OeffentlicherSchluessel(paar_.PrivatPem), paar_.Oeffentlich);
  EXPECT_THROW_MSG(Signieren("x", "kein Schlüssel"), ESignatur,
                   "Die Datei enthält keinen privaten Ed25519-Schlüssel.");
  EXPECT_THROW_MSG(OeffentlicherSchluessel("kein Schlüssel"), ESignatur,
                   "Die Datei enthält keinen Ed25519-Schlüssel.");
  EXPECT_FALSE(SignaturGueltig("x", std::string(63, 'a'), paar_.Oeffentlich));
}

}  // namespace
}  // namespace morvane
