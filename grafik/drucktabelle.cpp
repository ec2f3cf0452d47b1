#include "grafik/drucktabelle.h"

#include <algorithm>
#include <limits>

namespace morvane {
namespace {

constexpr int kKleinsteHoehe = 6;

}  // namespace

std::vector<std::string_view> ZellenTeilen(std::string_view zeile) {
  std::vector<std::string_view> zellen;
  std::size_t start = 0;
  for (;;) {
    const std::size_t tab = zeile.find('\t', start);
    zellen.push_back(zeile.substr(start, tab == std::string_view::npos ? tab : tab - start));
    if (tab == std::string_view::npos) return zellen;
    start = tab + 1;
  }
}

TDruckTabelle ListenTabelle(const std::string& titel, const std::vector<TDruckSpalte>& spalten,
                            const std::vector<std::string>& zeilen) {
  TDruckTabelle tabelle(true);
  tabelle.SetzeTitel(titel);
  std::string kopf;
  for (const TDruckSpalte& spalte : spalten) {
    tabelle.SpalteHinzufuegen(spalte.Ausrichtung);
    if (&spalte != &spalten.front()) kopf += '\t';
    kopf += spalte.Titel;
  }
  tabelle.ZeileHinzufuegen(kopf);
  for (const std::string& zeile : zeilen) {
    if (zeile == "-1") {
      tabelle.Trennlinie();
    } else if (zeile != "-2") {
      tabelle.ZeileHinzufuegen(zeile);
    }
  }
  return tabelle;
}

void TDruckTabelle::SpalteHinzufuegen(TDruckAusrichtung ausrichtung) {
  spalten_.push_back({ausrichtung, 0});
}

void TDruckTabelle::ZeileHinzufuegen(std::string_view zeile) {
  // Only Trennlinie makes a rule; data that reads "-" stays data.
  zeilen_.emplace_back(zeile == "-" ? std::string("- ") : std::string(zeile));
}

void TDruckTabelle::SchriftSetzen(TLeinwand& leinwand, int hoehe, bool fett) const {
  TSchrift schrift = leinwand.Schrift();
  schrift.Name = schriftName_;
  schrift.Hoehe = hoehe;
  schrift.Fett = fett;
  leinwand.SetzeSchrift(schrift);
}

void TDruckTabelle::BreitenBerechnen(TLeinwand& leinwand) {
  std::vector<int> breiten(spalten_.size(), 0);
  for (std::size_t z = 0; z < zeilen_.size(); ++z) {
    if (zeilen_[z] == "-") continue;
    SchriftSetzen(leinwand, schrifthoehe_, mitKopf_ && z == 0);
    const auto zellen = ZellenTeilen(zeilen_[z]);
    for (std::size_t s = 0; s < zellen.size() && s < spalten_.size(); ++s) {
      breiten[s] = std::max(breiten[s], leinwand.TextBreite(zellen[s]) + 4 * einheitX_);
    }
  }
  gesamtBreite_ = 0;
  for (std::size_t s = 0; s < spalten_.size(); ++s) {
    const int breite = std::min<int>(breiten[s], std::numeric_limits<std::uint16_t>::max());
    spalten_[s].Breite = static_cast<std::uint16_t>(breite);
    gesamtBreite_ += breite;
  }
}

void TDruckTabelle::Einpassen(TDruckZiel& ziel) {
  einheitX_ = std::max(1, ziel.AufloesungX() / 60);
  einheitY_ = std::max(1, ziel.AufloesungY() / 60);
  schrifthoehe_ = 12 * einheitY_;
  BreitenBerechnen(ziel.Leinwand());
  while (gesamtBreite_ >= ziel.SeitenBreite() && schrifthoehe_ >= kKleinsteHoehe) {
    --schrifthoehe_;
    BreitenBerechnen(ziel.Leinwand());
  }
  breiten_.clear();
  for (const TSpalte& spalte : spalten_)
    breiten_.push_back(spalte.Breite);
}

void TDruckTabelle::KopfDrucken(TDruckZiel& ziel) {
  TLeinwand& leinwand = ziel.Leinwand();
  const struct {
    const std::string& text;
    int hoehe;
  } teile[] = {{titel_, 16 * einheitY_}, {untertitel_, 12 * einheitY_}};
  for (const auto& teil : teile) {
    if (teil.text.empty()) continue;
    SchriftSetzen(leinwand, teil.hoehe, false);
    leinwand.Text(0, y_, teil.text);
    y_ += teil.hoehe;
  }
  if (!titel_.empty() || !untertitel_.empty()) y_ += 20 * einheitY_;
}

void TDruckTabelle::LinieDrucken(TDruckZiel& ziel) {
  if (y_ + einheitY_ > ziel.SeitenHoehe()) {
    ziel.NeueSeite();
    y_ = 0;
  }
  y_ += einheitY_;
  ziel.Leinwand().Linie(0, y_, gesamtBreite_ + 1, y_);
  y_ += 1;
}

void TDruckTabelle::ZeileDrucken(TDruckZiel& ziel, std::size_t index) {
  TLeinwand& leinwand = ziel.Leinwand();
  SchriftSetzen(leinwand, schrifthoehe_, mitKopf_ && index == 0);
  const int hoehe = schrifthoehe_;
  if (y_ + hoehe > ziel.SeitenHoehe()) {
    ziel.NeueSeite();
    y_ = 0;
  }
  const TFarbe farbe = leinwand.Schrift().Farbe;
  const auto zellen = ZellenTeilen(zeilen_[index]);
  int links = 0;
  leinwand.Linie(links, y_ - 1, links, y_ + hoehe);
  for (std::size_t s = 0; s < spalten_.size(); ++s) {
    const int breite = spalten_[s].Breite;
    if (s < zellen.size()) {
      const std::string_view text = zellen[s];
      const int textBreite = leinwand.TextBreite(text);
      int x = links + 2 * einheitX_;
      if (spalten_[s].Ausrichtung == TDruckAusrichtung::Zentriert) {
        x = links + (breite - textBreite) / 2;
      } else if (spalten_[s].Ausrichtung == TDruckAusrichtung::Rechts) {
        x = links + breite - textBreite - 2 * einheitX_;
      }
      TSchrift schrift = leinwand.Schrift();
      schrift.Farbe = text.starts_with('-') ? kRot : farbe;
      leinwand.SetzeSchrift(schrift);
      leinwand.Text(x, y_, text);
    }
    links += breite;
    leinwand.Linie(links, y_ - 1, links, y_ + hoehe);
  }
  TSchrift schrift = leinwand.Schrift();
  schrift.Farbe = farbe;
  leinwand.SetzeSchrift(schrift);
  y_ += hoehe;
}

void TDruckTabelle::Drucken(TDruckZiel& ziel, std::string_view schriftName) {
  schriftName_ = std::string(schriftName);
  TLeinwand& leinwand = ziel.Leinwand();
  TSchrift schrift;
  schrift.Name = schriftName_;
  schrift.Farbe = kSchwarz;
  leinwand.SetzeSchrift(schrift);
  leinwand.SetzeStift(TStift{kSchwarz, 1, TStiftStil::Durchgezogen});
  leinwand.SetzePinsel(TPinsel{kWeiss, TPinselStil::Leer});
  Einpassen(ziel);
  y_ = 0;
  KopfDrucken(ziel);
  for (std::size_t z = 0; z < zeilen_.size(); ++z) {
    if (z == 0) LinieDrucken(ziel);
    if (zeilen_[z] == "-") {
      LinieDrucken(ziel);
    } else {
      ZeileDrucken(ziel, z);
    }
  }
}

}  // namespace morvane
