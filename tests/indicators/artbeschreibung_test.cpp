// A kind whose dialog shows its fields in another order than its record holds
// them: page, record and checks each follow their own list.
#include "indicators/artbeschreibung.h"

#include <gtest/gtest.h>

#include "indicators/indikatorart.h"
#include "testhilfe/ausnahme.h"

namespace morvane {
namespace {

struct TParamProbe {
  std::uint16_t Kurz = 5;
  std::uint8_t Gewichtung = 0;
  bool Zeige = true;
  std::uint16_t Lang = 9;
  double Faktor = 1.5;  // stored, but not in the dialog
};
using P = TParamProbe;

const std::vector<TParameter<P>>& Dialog() {
  static const std::vector<TParameter<P>> dialog = {
      {&P::Lang, WordFeld("Lang:", kMeldungZeitraum), {}},
      {&P::Zeige, {}, "Zeigen"},
      {&P::Kurz, WordFeld("Kurz:", kMeldungZeitraum), {}},
      {&P::Gewichtung, GewichtungsFeld("Gewichtung", true), {}},
  };
  return dialog;
}

class TIndProbe : public TIndikatorArt<TIndProbe, P> {
 public:
  static constexpr std::string_view kSchluessel = "IndProbe";
  static constexpr std::string_view kTypname = "Probe (PRB)";
  static constexpr std::uint8_t kEntfernungssignal = 0;
  static constexpr std::uint8_t kExtremzoneUnten = 50;
  static const TArtBeschreibung<P>& Beschreibung() {
    static const TArtBeschreibung<P> beschreibung{
        Dialog(),
        {&P::Kurz, &P::Lang, &P::Gewichtung, &P::Zeige, &P::Faktor},
        {FeldPruefen(&P::Gewichtung), FeldPruefen(&P::Lang),
         Kleiner(&P::Kurz, &P::Lang, kMeldungKurzLang),
         HoechstensExponentiell(&P::Lang, &P::Gewichtung)}};
    return beschreibung;
  }

 protected:
  void Rechnen(const TKurse&) override {}
};

TEST(Artbeschreibung, SeiteUndDatensatzFolgenIhrerEigenenListe) {
  TIndProbe probe;
  const TBerechnungsseite seite = probe.Berechnungsseite();
  ASSERT_EQ(seite.Felder.size(), 3u);
  EXPECT_EQ(seite.Felder[0].Beschriftung, "Lang:");
  EXPECT_EQ(seite.Felder[1].Beschriftung, "Kurz:");
  EXPECT_EQ(probe.BerechnungTexte(), (std::vector<std::string>{"9", "5", "0"}));
  EXPECT_EQ(probe.AllgemeinFelder(), std::vector<std::string>{"Zeigen"});

  probe.NameSetzen("", "");
  probe.Param = {0x0102, 2, true, 0x0304, 2.0};
  TBinaerSchreiber erwartet;
  erwartet.Word(0x0102);
  erwartet.Word(0x0304);
  erwartet.Byte(2);
  erwartet.Byte(1);
  erwartet.Double(2.0);
  TBinaerSchreiber satz;
  probe.Speichern(satz);
  // Behind the base part of 17 bytes (no name, no code): the record's own order.
  EXPECT_EQ(satz.Daten().substr(17), erwartet.Daten());

  TIndProbe geladen;
  TBinaerLeser leser(satz.Daten());
  geladen.Laden(leser);
  EXPECT_EQ(geladen.Param.Faktor, 2.0);
  EXPECT_EQ(geladen.Param.Lang, 0x0304);
}

TEST(Artbeschreibung, PruefungenMeldenDasBenannteFeldAnSeinerSeitenstelle) {
  struct TFall {
    std::vector<std::string> Texte;  // Lang, Kurz, Gewichtung
    std::string Ergebnis;            // "field: message" or "ok"
  };
  auto fehler = [](int feld, std::string_view meldung) {
    return std::to_string(feld) + ": " + std::string(meldung);
  };
  const std::vector<TFall> faelle = {
      {{"9", "5", "3"}, fehler(2, kMeldungAuswahl)},
      {{"9", "9", "0"}, fehler(1, kMeldungKurzLang)},
      {{"31", "5", "2"}, fehler(0, kMeldungExponentiell)},
      {{"31", "5", "1"}, "ok"},
      {{"30", "5", "2"}, "ok"},
      {{"0", "5", "0"}, fehler(0, kMeldungZeitraum)},
  };
  const TIndProbe probe;
  for (const TFall& fall : faelle) {
    const auto ergebnis = probe.BerechnungPruefen(fall.Texte);
    EXPECT_EQ(ergebnis ? fehler(ergebnis->Feld, ergebnis->Meldung) : "ok", fall.Ergebnis)
        << fall.Texte[0] << " " << fall.Texte[1] << " " << fall.Texte[2];
  }
}

TEST(Artbeschreibung, WiderspruechlicheBeschreibungFaelltSofortAuf) {
  using TSatz = std::vector<TParamFeld<P>>;
  const TSatz vollstaendig = {&P::Kurz, &P::Lang, &P::Gewichtung, &P::Zeige};
  struct TFall {
    std::vector<TParameter<P>> Dialog;
    TSatz Satz;
    std::vector<TArtPruefung<P>> Pruefungen;
    const char* Meldung;
  };
  const std::string_view seite = "Prüfung nennt ein Feld, das nicht auf der Berechnungsseite steht";
  std::vector<TFall> faelle = {
      {Dialog(), {&P::Kurz, &P::Lang, &P::Zeige}, {}, "Dem Datensatz fehlt ein Feld des Dialogs"},
      {Dialog(),
       {&P::Kurz, &P::Lang, &P::Gewichtung, &P::Zeige, &P::Lang},
       {},
       "Der Datensatz nennt ein Feld zweimal"},
      {{Dialog()[0], Dialog()[0]}, vollstaendig, {}, "Der Dialog nennt ein Feld zweimal"},
      {Dialog(), vollstaendig, {FeldPruefen(&P::Zeige)}, seite.data()},
      {Dialog(), vollstaendig, {HoechstensExponentiell(&P::Faktor, &P::Gewichtung)}, seite.data()},
  };
  for (TFall& fall : faelle) {
    EXPECT_THROW_MSG(TArtBeschreibung<P>(fall.Dialog, fall.Satz, fall.Pruefungen), std::logic_error,
                     fall.Meldung);
  }
  EXPECT_NO_THROW(TArtBeschreibung<P>(Dialog(), vollstaendig));
}

}  // namespace
}  // namespace morvane
