#include "chart/infobereich.h"

#include <array>
#include <string>
#include <string_view>

#include "core/datumtext.h"
#include "core/kurse.h"
#include "core/zahltext.h"
#include "portfolio/transaktionsrechner.h"

namespace morvane {
namespace {

constexpr TFarbe kBandGrau = TFarbe::RGB(242, 242, 242);
constexpr int kSchrifthoehe = 12;
// A value beside its label is not made smaller than this; it goes on the line
// below instead.
constexpr int kMindesthoehe = 9;

struct TZeile {
  std::string_view Beschriftung;
  TKursFeld Feld;
};

constexpr std::array<TZeile, 6> kZeilen = {{{"Eröffnung", kfEroeffnung},
                                            {"Höchst", kfHoch},
                                            {"Tiefst", kfTief},
                                            {"Schluss", kfSchluss},
                                            {"Kassa", kfKassakurs},
                                            {"Umsatz", kfUmsatz}}};

// Black for a rise or no change, red for a fall.
TFarbe VorzeichenFarbe(double wert) {
  return wert >= 0 ? kSchwarz : kRot;
}

}  // namespace

void TChart_Infobereich::SetzeWertpapier(const TWertpapier* wertpapier) {
  wertpapier_ = wertpapier;
  NeuZeichnen(true);
}

void TChart_Infobereich::SetzeTag(Boersentag tag) {
  if (tag == tag_) return;
  tag_ = tag;
  NeuZeichnen(true);
}

void TChart_Infobereich::Zeichne(TGrafikfenster& f) {
  f.PinselLeer();
  f.SetzeSchriftFarbe(kSchwarz);
  f.SetzeSchriftHoehe(kSchrifthoehe);
  f.Text(0, 5 * f.FaktorY(), "Tagesinformationen");
  if (tag_ > 0) f.Text(0, 15 * f.FaktorY(), "zum " + BoersentagZuText(tag_, 0));
  if (wertpapier_ == nullptr) return;
  int y = Tagesblock(f, 40 * f.FaktorY());
  Depotblock(f, y + 30 * f.FaktorY());
}

int TChart_Infobereich::Tagesblock(TGrafikfenster& f, int y) const {
  const int fx = f.FaktorX(), fy = f.FaktorY();
  const TKurse& kurse = wertpapier_->Kurse;
  const TKurs* satz = kurse.Suche(tag_);
  // The record before the last one up to the day: with a record on the day
  // itself that is simply the one before it.
  const TKurs* vorher = kurse.Kurs(kurse.IndexBis(tag_) - 1);
  for (std::size_t i = 0; i < kZeilen.size(); ++i) {
    const TZeile& zeile = kZeilen[i];
    const std::string beschriftung = std::string(zeile.Beschriftung) + ":";
    const double v = satz ? KursFeld(*satz, zeile.Feld) : 0;
    const double p = vorher ? KursFeld(*vorher, zeile.Feld) : 0;
    std::string aenderung = "-";
    TFarbe farbe = kSchwarz;
    if (v > 0 && p > 0) {
      const double c = (v - p) / p * 100;
      aenderung = (c > 0 ? "+" : "") + ZahlZuText(2, c) + " %";
      farbe = VorzeichenFarbe(c);
    }
    const int umbruch = Umbruch(f, 2 * fx, beschriftung, aenderung);
    if (i % 2 == 0) Band(f, y - fy, y + 22 * fy + umbruch);
    y = Zeile(f, 2 * fx, y, beschriftung, aenderung, farbe, umbruch) + 10 * fy;
    std::string wert = "-";
    if (v > 0) {
      wert = zeile.Feld == kfUmsatz ? ZahlZuTextGruppiert(0, v) + " Stück"
                                    : KursZuTextGruppiert(v) + " " + wertpapier_->Waehrung;
    }
    Rechtsbuendig(f, y, wert);
    y += 15 * fy;
  }
  return y;
}

int TChart_Infobereich::Depotblock(TGrafikfenster& f, int y) const {
  const int fx = f.FaktorX(), fy = f.FaktorY();
  TTransaktionsRechner rechner(*wertpapier_);
  rechner.BisDatum(tag_);
  const std::string bestand = KursZuTextGruppiert(rechner.Bestand(), true) + " St.";
  const int umbruch = Umbruch(f, 2, "Bestand:", bestand);
  Band(f, y - 1, y + 11 * fy + umbruch);
  y = Zeile(f, 2, y, "Bestand:", bestand, kSchwarz, umbruch) + 15 * fy;
  const std::optional<TGewinn> buchgewinn = rechner.Buchgewinn();
  if (!buchgewinn) return y;
  const std::string rendite = ZahlZuTextGruppiert(2, buchgewinn->Rendite * 100) + " %";
  const TFarbe farbe = VorzeichenFarbe(buchgewinn->Gewinn);
  y = Zeile(f, 2 * fx, y, "Buchgewinn:", rendite, farbe,
            Umbruch(f, 2 * fx, "Buchgewinn:", rendite)) +
      10 * fy;
  Rechtsbuendig(f, y, ZahlZuTextGruppiert(2, buchgewinn->Gewinn) + " " + wertpapier_->Waehrung);
  return y + 10 * fy;
}

void TChart_Infobereich::Band(TGrafikfenster& f, int y1, int y2) const {
  f.StiftLeer();
  f.SetzePinselStil(TPinselStil::Voll);
  f.SetzePinselFarbe(kBandGrau);
  f.Rechteck(0, y1, Breite(), y2);
}

int TChart_Infobereich::Neben(TGrafikfenster& f, int x, const std::string& beschriftung) const {
  return x + f.TextBreite(beschriftung) + 3 * f.FaktorX();
}

int TChart_Infobereich::Umbruch(TGrafikfenster& f, int x, const std::string& beschriftung,
                                const std::string& wert) const {
  const int raum = Breite() - 4 * f.FaktorX() - Neben(f, x, beschriftung);
  const int h = Einpassen(f, wert, raum);
  f.SetzeSchriftHoehe(kSchrifthoehe);
  return h >= kMindesthoehe ? 0 : 10 * f.FaktorY();
}

int TChart_Infobereich::Zeile(TGrafikfenster& f, int x, int y, const std::string& beschriftung,
                              const std::string& wert, TFarbe farbe, int umbruch) const {
  f.PinselLeer();
  f.SetzeSchriftFarbe(kSchwarz);
  f.Text(x, y, beschriftung);
  f.SetzeSchriftFarbe(farbe);
  Rechtsbuendig(f, y + umbruch, wert, umbruch > 0 ? 0 : Neben(f, x, beschriftung));
  return y + umbruch;
}

void TChart_Infobereich::Rechtsbuendig(TGrafikfenster& f, int y, const std::string& text,
                                       int links) const {
  const int rechts = Breite() - 4 * f.FaktorX();
  Einpassen(f, text, rechts - links);
  f.TextRechts(rechts, y, text);
  f.SetzeSchriftHoehe(kSchrifthoehe);
}

int TChart_Infobereich::Einpassen(TGrafikfenster& f, const std::string& text, int raum) const {
  int h = kSchrifthoehe;
  f.SetzeSchriftHoehe(h);
  while (h > 1 && f.TextBreite(text) > raum)
    f.SetzeSchriftHoehe(--h);
  return h;
}

}  // namespace morvane
