#include "indicators/indikator.h"

#include <bit>
#include <cstdint>
#include <cstring>

#include <gtest/gtest.h>

#include "indicators/indcci.h"
#include "indicators/indgesamt.h"
#include "indicators/indrsi.h"
#include "testhilfe/ausnahme.h"
#include "testkurse.h"

namespace morvane {
namespace {

using test::Start;

TZeitreihe Reihe(Boersentag von, const std::vector<std::optional<double>>& werte) {
  TZeitreihe reihe(von, von + static_cast<Boersentag>(werte.size()) - 1);
  for (std::size_t i = 0; i < werte.size(); ++i) {
    if (werte[i]) reihe.Setzen(von + static_cast<Boersentag>(i), *werte[i]);
  }
  return reihe;
}

TEST(Signalmodell, EntfernungUndAnnaeherungUnten) {
  const TZeitreihe signal = Signalmodell(Reihe(1, {25, 20, 22}), 30, 40, 5.33);
  EXPECT_NEAR(*signal.Lesen(1), 6.667, 1e-3);
  EXPECT_NEAR(*signal.Lesen(2), 13.333, 1e-3);
  EXPECT_NEAR(*signal.Lesen(3), 23.993, 1e-3);
}

TEST(Signalmodell, SpiegelbildlichOben) {
  const TZeitreihe signal = Signalmodell(Reihe(1, {75, 80, 78, 60}), 30, 40, 5.33);
  EXPECT_NEAR(*signal.Lesen(1), -6.667, 1e-3);
  EXPECT_NEAR(*signal.Lesen(2), -13.333, 1e-3);
  EXPECT_NEAR(*signal.Lesen(3), -23.993, 1e-3);
  EXPECT_EQ(*signal.Lesen(4), 0.0);
}

TEST(Signalmodell, LueckenNeutralzoneUndGrenzen) {
  // A date without oscillator keeps P: 20 after 25 is still falling.
  const TZeitreihe luecke = Signalmodell(Reihe(1, {25, std::nullopt, 20}), 30, 40, 5.33);
  EXPECT_FALSE(luecke.Lesen(2));
  EXPECT_NEAR(*luecke.Lesen(3), 13.333, 1e-3);
  for (const auto& [tag, wert] : test::Werte(Signalmodell(Reihe(1, {30, 50, 70, 45}), 30, 40, 5))) {
    EXPECT_EQ(wert, 0.0) << tag;
  }
  // A steep approach is limited to +100 / -100; the distance signal to E.
  const TZeitreihe steil = Signalmodell(Reihe(1, {0, 29, 100, 71}), 30, 40, 1000);
  EXPECT_DOUBLE_EQ(*steil.Lesen(1), 40.0);
  EXPECT_DOUBLE_EQ(*steil.Lesen(2), 100.0);
  EXPECT_DOUBLE_EQ(*steil.Lesen(3), -40.0);
  EXPECT_DOUBLE_EQ(*steil.Lesen(4), -100.0);
}

TEST(Signalmodell, OhneExtremzone) {
  // Within 0..100 both zones are empty with L = 0; outside the scale the
  // distance signal would divide by 0.
  EXPECT_EQ(*Signalmodell(Reihe(1, {0, 100}), 0, 40, 5).Lesen(2), 0.0);
  EXPECT_THROW_MSG(Signalmodell(Reihe(1, {-1}), 0, 40, 5), EIndikator,
                   "Fließkomma-Division durch 0");
  EXPECT_THROW_MSG(Signalmodell(Reihe(1, {101}), 0, 40, 5), EIndikator,
                   "Fließkomma-Division durch 0");
}

TEST(Indikator, NamenUndTitel) {
  TIndRSI rsi;
  EXPECT_EQ(rsi.Bezeichnung(), "Index der relativen Stärke");
  EXPECT_EQ(rsi.Kurzbezeichnung(), "RSI");
  EXPECT_EQ(rsi.Titel(), "Index der relativen Stärke (RSI)");
  EXPECT_EQ(rsi.Gewichtung, 10);
  EXPECT_EQ(rsi.Anzeige, 0);
  rsi.NameSetzen("Mein RSI", "ÄÖÜß");
  EXPECT_EQ(rsi.Kurzbezeichnung(), "ÄÖÜ");
  rsi.NameSetzen("Ohne Kürzel", "");
  EXPECT_EQ(rsi.Titel(), "Ohne Kürzel");
  TIndGesamt gesamt(nullptr, 1);
  EXPECT_EQ(gesamt.Titel(), "Gesamtsignal der Zyklusanalyse-Indikatoren (Z-Ø)");
  EXPECT_EQ(gesamt.Gewichtung, 0);
  EXPECT_EQ(gesamt.Schluessel(), "");
  EXPECT_EQ(gesamt.Kopieren(), nullptr);
  EXPECT_FALSE(gesamt.HatSignalgenerierung());
  EXPECT_THROW_MSG(TIndGesamt(nullptr, 4), std::invalid_argument, "Ungültige Indikatorgruppe");
}

std::string Bytes(std::initializer_list<int> werte) {
  std::string s;
  for (int w : werte)
    s.push_back(static_cast<char>(w));
  return s;
}

std::string DoubleBytes(double wert) {
  std::string s(8, '\0');
  std::memcpy(s.data(), &wert, 8);
  return s;
}

TEST(Indikator, DatensatzByteGenau) {
  TIndRSI rsi;
  rsi.NameSetzen("Ab", "Z-Ø");
  rsi.Gewichtung = 7;
  rsi.Param.Zeitraum = 258;
  TBinaerSchreiber schreiber;
  rsi.Speichern(schreiber);
  const std::string erwartet =
      Bytes({2, 0, 'A', 'b', 3, 'Z', '-', 0xD8, 7, 40}) + DoubleBytes(5.33) + Bytes({30, 2, 1, 1});
  EXPECT_EQ(schreiber.Daten(), erwartet);

  // A short code leaves the bytes behind its length meaningless.
  TIndRSI geladen;
  std::string daten = erwartet;
  daten[4] = 1;
  TBinaerLeser leser(daten);
  geladen.Laden(leser);
  EXPECT_TRUE(leser.AmEnde());
  EXPECT_EQ(geladen.Kurzbezeichnung(), "Z");
  EXPECT_EQ(geladen.Bezeichnung(), "Ab");
  EXPECT_EQ(geladen.Param.Zeitraum, 258);
  // A length byte above 3 reads three characters.
  daten[4] = 9;
  TBinaerLeser leser2(daten);
  geladen.Laden(leser2);
  EXPECT_EQ(geladen.Kurzbezeichnung(), "Z-Ø");
}

TEST(Indikator, KurzerDatensatzAendertNichts) {
  TIndRSI quelle;
  quelle.NameSetzen("Neu", "NEU");
  quelle.Param.Zeitraum = 3;
  TBinaerSchreiber schreiber;
  quelle.Speichern(schreiber);
  const std::string daten = schreiber.Daten();
  TIndRSI ziel;
  for (std::size_t laenge = 0; laenge < daten.size(); ++laenge) {
    TBinaerLeser leser(std::string_view(daten).substr(0, laenge));
    EXPECT_THROW(ziel.Laden(leser), ELesefehler) << laenge;
    EXPECT_EQ(ziel.Bezeichnung(), "Index der relativen Stärke");
    EXPECT_EQ(ziel.Param.Zeitraum, 10);
  }
}

TEST(Indikator, FehlschlagHinterlaesstKeineReihen) {
  const TKurse kurse = test::Tageskurse({{11, 9, 10}, {12, 10, 11}, {13, 11, 12}, {12, 10, 11}});
  TIndCCI cci;
  cci.Param.TpGlaettung = 2;
  cci.Param.AbweichungZeitraum = 2;
  cci.Param.CciGlaettung = 2;
  cci.Berechnen(kurse);
  ASSERT_NE(cci.Oszillator(), nullptr);
  cci.Param.Empfindlichkeit = 0;
  EXPECT_THROW_MSG(cci.Berechnen(kurse), EIndikator, "Fließkomma-Division durch 0");
  EXPECT_EQ(cci.Oszillator(), nullptr);
  EXPECT_EQ(cci.Signal(), nullptr);
  EXPECT_EQ(cci.Cci(), nullptr);
  EXPECT_EQ(cci.SignalAm(Start() + 3), 0.0);
}

// A member with a fixed signal, for the aggregate.
class TFestesSignal : public TIndikator {
 public:
  // The values start `versatz` dates after the first price date.
  TFestesSignal(std::uint8_t gewichtung, std::vector<std::optional<double>> werte,
                Boersentag versatz = 0)
      : werte_(std::move(werte)), versatz_(versatz) {
    Gewichtung = gewichtung;
    NameSetzen("Fest", "F");
  }
  std::unique_ptr<TIndikator> Kopieren() const override { return nullptr; }
  std::string_view Schluessel() const override { return "Fest"; }
  std::string_view Typname() const override { return "Fest (F)"; }

 protected:
  void Rechnen(const TKurse& kurse) override {
    signal_ = Reihe(kurse.ErsterTag() + versatz_, werte_);
  }

 private:
  std::vector<std::optional<double>> werte_;
  Boersentag versatz_;
};

struct Gruppe {
  TIndGruppe liste;
  TIndGesamt* gesamt = nullptr;
  explicit Gruppe(int nummer, std::vector<std::unique_ptr<TIndikator>> mitglieder) {
    for (auto& m : mitglieder)
      liste.push_back(std::move(m));
    auto g = std::make_unique<TIndGesamt>(&liste, nummer);
    gesamt = g.get();
    liste.push_back(std::move(g));
  }
  void Berechnen(const TKurse& kurse) {
    for (auto& i : liste)
      i->Berechnen(kurse);
  }
};

TEST(IndGesamt, GewichtetesMittelDerSignale) {
  // Mondays 5 and 12 January with the week between as holidays.
  const TKurse kurse = test::Schlusskurse({10, 0, 0, 0, 0, 11});
  std::vector<std::unique_ptr<TIndikator>> m;
  m.push_back(std::make_unique<TFestesSignal>(10, std::vector<std::optional<double>>{40, 60}));
  m.push_back(std::make_unique<TFestesSignal>(30, std::vector<std::optional<double>>{-20}));
  Gruppe gruppe(1, std::move(m));
  gruppe.Berechnen(kurse);
  const TZeitreihe* signal = gruppe.gesamt->Signal();
  ASSERT_NE(signal, nullptr);
  EXPECT_EQ(signal->Von(), Start());
  EXPECT_EQ(signal->Bis(), Start() + 5);
  EXPECT_EQ(gruppe.gesamt->Oszillator(), nullptr);
  EXPECT_DOUBLE_EQ(*signal->Lesen(Start()), 0.25 * 40 - 0.75 * 20);
  EXPECT_DOUBLE_EQ(*signal->Lesen(Start() + 1), 0.25 * 60);
  // Every date of the range has a value, missing member signals count 0.
  EXPECT_EQ(*signal->Lesen(Start() + 3), 0.0);
  EXPECT_EQ(gruppe.gesamt->Info(Start()), "Signal: -5 %");
}

TEST(IndGesamt, MitgliederUeberAndereZeitraeume) {
  // Members whose signals begin before, end after or lie beyond the price
  // range: each date adds weight * signal member by member, 0 where there is
  // none, exactly as SignalAm reads them.
  const TKurse kurse = test::Schlusskurse({10, 11, 0, 12, 13, 0, 0, 14});
  std::vector<std::unique_ptr<TIndikator>> m;
  m.push_back(std::make_unique<TFestesSignal>(
      7, std::vector<std::optional<double>>{1, 2, 3.3, std::nullopt, -4.1, 5, 6, 7, 8, 9, 10}, -2));
  m.push_back(std::make_unique<TFestesSignal>(
      13, std::vector<std::optional<double>>{-0.3, 0.7, std::nullopt, 99.9}, 5));
  m.push_back(std::make_unique<TFestesSignal>(29, std::vector<std::optional<double>>{50}, 20));
  m.push_back(std::make_unique<TFestesSignal>(3, std::vector<std::optional<double>>{}, 0));
  Gruppe gruppe(2, std::move(m));
  gruppe.Berechnen(kurse);
  const TZeitreihe* signal = gruppe.gesamt->Signal();
  ASSERT_NE(signal, nullptr);
  EXPECT_EQ(signal->Von(), Start());
  EXPECT_EQ(signal->Bis(), Start() + 7);
  const std::vector<int> gewichtung = {7, 13, 29, 3};
  for (Boersentag d = Start(); d <= Start() + 7; ++d) {
    double soll = 0;
    for (std::size_t k = 0; k < gewichtung.size(); ++k) {
      soll += static_cast<float>(gewichtung[k] / 52.0) * gruppe.liste[k]->SignalAm(d);
    }
    ASSERT_TRUE(signal->Lesen(d)) << d;
    EXPECT_EQ(std::bit_cast<std::uint64_t>(*signal->Lesen(d)), std::bit_cast<std::uint64_t>(soll))
        << d;
  }
}

TEST(IndGesamt, GewichteAls32BitZahlen) {
  const TKurse kurse = test::Schlusskurse({10});
  std::vector<std::unique_ptr<TIndikator>> m;
  for (int i = 0; i < 3; ++i) {
    m.push_back(std::make_unique<TFestesSignal>(10, std::vector<std::optional<double>>{30}));
  }
  Gruppe gruppe(3, std::move(m));
  gruppe.Berechnen(kurse);
  const double drittel = static_cast<float>(1.0 / 3);
  EXPECT_DOUBLE_EQ(gruppe.gesamt->SignalAm(Start()), 3 * drittel * 30);
  EXPECT_NE(gruppe.gesamt->SignalAm(Start()), 30.0);
  EXPECT_EQ(gruppe.gesamt->Info(Start()), "Trendintensität: 30 %");
}

TEST(IndGesamt, OhneGewichtOhneMitgliederOhneKurse) {
  std::vector<std::unique_ptr<TIndikator>> m;
  m.push_back(std::make_unique<TFestesSignal>(0, std::vector<std::optional<double>>{30}));
  Gruppe nullgewicht(2, std::move(m));
  nullgewicht.Berechnen(test::Schlusskurse({10}));
  EXPECT_EQ(nullgewicht.gesamt->Signal(), nullptr);
  EXPECT_EQ(nullgewicht.gesamt->SignalAm(Start()), 0.0);

  Gruppe leer(2, {});
  leer.Berechnen(test::Schlusskurse({10}));
  EXPECT_EQ(leer.gesamt->Signal(), nullptr);

  std::vector<std::unique_ptr<TIndikator>> r;
  r.push_back(std::make_unique<TIndRSI>());
  Gruppe ohneKurse(1, std::move(r));
  ohneKurse.Berechnen(TKurse());
  EXPECT_EQ(ohneKurse.gesamt->Signal(), nullptr);
  const TIndikator& rsi = *ohneKurse.liste[0];
  ASSERT_NE(rsi.Oszillator(), nullptr);
  EXPECT_TRUE(test::Werte(*rsi.Oszillator()).empty());
  EXPECT_EQ(rsi.SignalAm(0), 0.0);
}

TEST(IndGesamt, GewichtungsSeite) {
  std::vector<std::unique_ptr<TIndikator>> m;
  m.push_back(std::make_unique<TIndRSI>());
  m.push_back(std::make_unique<TIndCCI>());
  Gruppe gruppe(1, std::move(m));
  const TBerechnungsseite seite = gruppe.gesamt->Berechnungsseite();
  EXPECT_EQ(seite.Ueberschrift, "Gewichtung der Indikatoren:");
  ASSERT_EQ(seite.Felder.size(), 2u);
  EXPECT_EQ(seite.Felder[1].Beschriftung, "Commodity Channel Index");
  EXPECT_EQ(gruppe.gesamt->BerechnungTexte(), (std::vector<std::string>{"10", "10"}));
  const std::vector<std::string> falsch = {"100", "101"};
  const auto fehler = gruppe.gesamt->BerechnungUebernehmen(falsch);
  ASSERT_TRUE(fehler);
  EXPECT_EQ(fehler->Feld, 1);
  EXPECT_EQ(fehler->Meldung,
            "Als Gewichtung muss eine ganze Zahl zwischen 0 und 100 angegeben werden.");
  EXPECT_EQ(gruppe.liste[0]->Gewichtung, 10);
  const std::vector<std::string> gut = {" 0", "100"};
  EXPECT_FALSE(gruppe.gesamt->BerechnungUebernehmen(gut));
  EXPECT_EQ(gruppe.liste[0]->Gewichtung, 0);
  EXPECT_EQ(gruppe.liste[1]->Gewichtung, 100);
  EXPECT_TRUE(Gruppe(1, {}).gesamt->Berechnungsseite().Felder.empty());
}

}  // namespace
}  // namespace morvane
