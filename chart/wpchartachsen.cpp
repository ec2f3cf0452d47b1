// Axes, grid, frame, title and legend of the security chart.
#include <array>
#include <cmath>

#include "chart/wpchart.h"
#include "core/datumtext.h"
#include "core/textkodierung.h"
#include "core/zahltext.h"

namespace morvane {
namespace {

// Label steps 0.001, 0.002, 0.005, 0.01 ... 500 000 000.
constexpr int kAnzahlSchritte = 36;

double Schritt(int k) {  // k = 1 ... 36
  static const std::array<double, kAnzahlSchritte> schritte = [] {
    std::array<double, kAnzahlSchritte> s{};
    const double mantisse[3] = {1, 2, 5};
    for (int i = 0; i < kAnzahlSchritte; ++i) {
      const int exponent = i / 3 - 3;
      s[static_cast<std::size_t>(i)] = exponent < 0 ? mantisse[i % 3] / std::pow(10.0, -exponent)
                                                    : mantisse[i % 3] * std::pow(10.0, exponent);
    }
    return s;
  }();
  return schritte[static_cast<std::size_t>(k - 1)];
}

// The step that keeps labels at least 30 screen pixels apart and lets at least
// two of them fit; `hoehe` is the plot height in device pixels.
double SkalenSchritt(double max, double min, int hoehe, int fy) {
  const double h = static_cast<double>(hoehe) / 30 / fy;
  int k = 1;
  while (k < kAnzahlSchritte && (max - min) / Schritt(k) > h)
    ++k;
  while (k >= 2 && (max - min) * 0.5 < Schritt(k))
    --k;
  return Schritt(k);
}

// More labels than any page has room for: a range far beyond the largest step
// (an indicator gone wild) would otherwise label for ever, and above 2^53
// counting down by one no longer moves.
constexpr int kMaxSkalenWerte = 10000;

// Calls `label`(value) for trunc(max/step)*step and every step below it down
// to min.
template <class F>
void SkalenWerte(double max, double min, double schritt, F label) {
  const double erster = std::trunc(max / schritt);
  if (!std::isfinite(erster) || !std::isfinite(min)) return;
  int anzahl = 0;
  for (double n = erster; n * schritt >= min && anzahl < kMaxSkalenWerte; n -= 1, ++anzahl)
    label(n * schritt);
}

int Dezimalen(double schritt, bool feiner) {
  if (feiner && schritt < 0.01) return 3;
  if (schritt < 0.1) return 2;
  return schritt >= 1 ? 0 : 1;
}

// The text with one blank on each side.
std::string MitRand(std::string_view text) {
  std::string ergebnis(1, ' ');
  ergebnis.append(text);
  ergebnis.push_back(' ');
  return ergebnis;
}

// The first `n` characters of UTF-8 text.
std::string Anfang(std::string_view text, std::size_t n) {
  return std::string(text.substr(0, Utf8Offset(text, n)));
}

}  // namespace

void TChart_WPChart::Wertachse(TGrafikfenster& f, bool umsatz, double max, double min) {
  if (!umsatz) {
    skalaMin_ = min;
    skalaMax_ = max;
  }
  const int hoehe = umsatz ? g_.UmsatzUnten - g_.UmsatzOben : g_.PlotUnten - g_.PlotOben;
  const double schritt = SkalenSchritt(max, min, hoehe, f.FaktorY());
  const int dezimalen = Dezimalen(schritt, false);
  const int fx = f.FaktorX();
  f.SetzeSchriftHoehe(15);
  f.SetzeStiftBreite(1);
  f.PinselLeer();
  bool erster = true;
  SkalenWerte(max, min, schritt, [&](double wert) {
    const int y = umsatz ? UmsatzZuY(max, min, wert) : WertZuY(wert);
    std::string text = ZahlZuTextGruppiert(dezimalen, wert);
    if (erster && !umsatz) text += " " + wertpapier_->Waehrung;
    erster = false;
    f.SetzeStiftFarbe(kSchwarz);
    f.SetzeStiftStil(TStiftStil::Durchgezogen);
    f.Linie(g_.RahmenLinks - 5 * fx, y, g_.RahmenLinks + 5 * fx, y);
    if (ansicht_.Punkteraster) Punktlinie(f, {g_.RahmenLinks + 5, y}, {g_.RahmenRechts, y});
    wertbeschriftungen_.push_back({g_.RahmenLinks + 7 * fx, y - f.SchriftHoehe() / 2, text});
  });
}

void TChart_WPChart::Wertbeschriftungen(TGrafikfenster& f) {
  f.SetzeSchriftHoehe(15);
  f.SetzeSchriftFarbe(kSchwarz);
  f.SetzeSchriftFett(false);
  // On the chart's white, so that the number stays readable over the data.
  f.StiftLeer();
  f.SetzePinselFarbe(kWeiss);
  f.SetzePinselStil(TPinselStil::Voll);
  for (const TBeschriftung& b : wertbeschriftungen_) {
    f.Rechteck(b.X, b.Y, b.X + f.TextBreite(b.Text) - 1, b.Y + f.SchriftHoehe() - 1);
    f.Text(b.X, b.Y, b.Text);
  }
  f.PinselLeer();
  f.SetzeStiftStil(TStiftStil::Durchgezogen);
  wertbeschriftungen_.clear();
}

void TChart_WPChart::Skalenachse(TGrafikfenster& f, std::string_view suffix, TFarbe farbe,
                                 double max, double min) {
  const double schritt = SkalenSchritt(max, min, g_.PlotUnten - g_.PlotOben, f.FaktorY());
  const int dezimalen = Dezimalen(schritt, true);
  const int fx = f.FaktorX();
  f.SetzeSchriftHoehe(15);
  f.SetzeSchriftFett(false);
  f.SetzeSchriftFarbe(farbe);
  f.SetzeStiftFarbe(kSchwarz);
  f.SetzeStiftStil(TStiftStil::Durchgezogen);
  f.SetzeStiftBreite(1);
  f.PinselLeer();
  SkalenWerte(max, min, schritt, [&](double wert) {
    const int y = SkalaZuY(max, min, wert);
    f.Linie(g_.RahmenRechts - 5 * fx, y, g_.RahmenRechts + 5 * fx, y);
    f.TextRechts(g_.RahmenRechts - 7 * fx, y - f.SchriftHoehe() / 2,
                 ZahlZuTextGruppiert(dezimalen, wert) + " " + std::string(suffix));
  });
}

void TChart_WPChart::Bandlinien(TGrafikfenster& f, double niveau, TFarbe farbe) {
  f.SetzeStiftFarbe(farbe);
  f.SetzeStiftStil(TStiftStil::Punkt);
  f.SetzeStiftBreite(1);
  f.PinselLeer();
  for (double wert : {niveau, 100 - niveau}) {
    const int y = SkalaZuY(100, 0, wert);
    f.Linie(g_.RahmenLinks, y, g_.RahmenRechts, y);
  }
  f.SetzeStiftStil(TStiftStil::Durchgezogen);
}

void TChart_WPChart::Punktlinie(TGrafikfenster& f, TPunkt p1, TPunkt p2) const {
  f.PinselLeer();
  f.SetzeStiftBreite(1);
  if (!f.IstDruck()) {
    f.SetzeStiftFarbe(kSilber);
    f.SetzeStiftStil(TStiftStil::Punkt);
    f.Linie(p1.x, p1.y, p2.x, p2.y);
    f.SetzeStiftStil(TStiftStil::Durchgezogen);
    return;
  }
  // Printers render dotted pens as near-solid lines; draw short dashes.
  f.SetzeStiftFarbe(kSchwarz);
  f.SetzeStiftStil(TStiftStil::Durchgezogen);
  if (p1.y == p2.y) {
    const int schritt = (p2.x - p1.x) / (10 * f.FaktorX());
    if (schritt < 1) return;
    for (int x = p1.x + schritt; x < p2.x; x += schritt)
      f.Linie(x, p1.y, x + 2, p1.y);
  } else if (p1.x == p2.x) {
    const int schritt = (p2.y - p1.y) / (10 * f.FaktorY());
    if (schritt < 1) return;
    for (int y = p1.y + schritt; y < p2.y; y += schritt)
      f.Linie(p1.x, y, p1.x, y + 2);
  } else {
    f.Linie(p1.x, p1.y, p2.x, p2.y);
  }
}

void TChart_WPChart::Rahmen(TGrafikfenster& f) const {
  f.SetzeStiftFarbe(kSchwarz);
  f.SetzeStiftStil(TStiftStil::Durchgezogen);
  f.SetzeStiftBreite(1);
  f.Linie(g_.RahmenLinks, g_.RahmenUnten, g_.RahmenRechts, g_.RahmenUnten);
  f.Linie(g_.RahmenLinks, g_.RahmenUnten, g_.RahmenLinks, g_.RahmenOben);
  f.Linie(g_.RahmenRechts, g_.RahmenUnten, g_.RahmenRechts, g_.RahmenOben);
}

// --- Time axis --------------------------------------------------------------

void TChart_WPChart::Zeitachse(TGrafikfenster& f) {
  if (LetzterGueltigerIndex() < 0) return;
  const int fx = f.FaktorX(), fy = f.FaktorY();
  const int tickOben = g_.RahmenUnten - 5 * fy;
  const int tickUnten = g_.RahmenUnten + 5 * fy + 1;
  const int abstand = ansicht_.Wochentag || !ansicht_.Monatsbalken ? 45 * fx : 25 * fx;
  f.SetzeStiftBreite(1);
  f.SetzeSchriftHoehe(15);
  f.SetzeSchriftFarbe(kSchwarz);
  f.SetzeSchriftFett(false);
  f.PinselLeer();
  std::optional<int> x0;
  auto tag = [&](std::optional<int> x, Boersentag datum) {
    if (!x) return;
    f.SetzeStiftFarbe(kSchwarz);
    f.SetzeStiftStil(TStiftStil::Durchgezogen);
    if (x0 && *x0 - *x < abstand) {
      if (g_.Tagesbreite > 2 * fx) f.Linie(*x, tickOben, *x, g_.RahmenUnten);
      return;
    }
    if (ansicht_.Punkteraster) {
      Punktlinie(f, {*x, g_.RahmenOben}, {*x, tickOben});
      f.SetzeStiftFarbe(kSchwarz);
    }
    f.Linie(*x, tickOben, *x, tickUnten);
    Tagesbeschriftung(f, *x, datum);
    x0 = x;
  };
  switch (Modus()) {
    case TModus::PointFigure:
      for (int i = LetzterIndex(); i >= ErsterIndex(); --i)
        tag(IndexZuX(i), PFListe().Saeule(i)->Datum);
      break;
    case TModus::Index:
      for (int i = LetzterIndex(); i >= ErsterIndex(); --i)
        tag(IndexZuX(i), Satz(i).Datum);
      break;
    case TModus::Kalender:
      for (Boersentag d = ende_; d >= ende_ - Tage() + 1; --d)
        tag(DatumZuX(d), d);
      break;
  }
  if (ansicht_.Monatsbalken) Periodenbalken(f, false);
  if (ansicht_.Jahresbalken) Periodenbalken(f, true);
}

void TChart_WPChart::Tagesbeschriftung(TGrafikfenster& f, int x, Boersentag datum) const {
  const int fy = f.FaktorY();
  const TDatum d = DatumAusBoersentag(datum);
  const std::string_view wochentag =
      kWochentagKurz[static_cast<std::size_t>(Wochentag(d.Tag, d.Monat, d.Jahr))];
  if (ansicht_.Monatsbalken) {
    std::string text = DatumZuText(d, dfOhneJahr).substr(0, 3);
    if (ansicht_.Wochentag) text = std::string(wochentag) + " " + text;
    f.TextMitte(x, g_.RahmenUnten + 5 * fy, text);
    return;
  }
  f.TextMitte(x, g_.RahmenUnten + 5 * fy, DatumZuText(d, dfOhneJahr));
  if (ansicht_.Wochentag) f.TextMitte(x, g_.RahmenUnten + 17 * fy, wochentag);
}

// x of a period's first (anfang) or last day, found as the visible range's
// mode finds days.
std::optional<int> TChart_WPChart::PeriodenX(Boersentag datum, bool anfang) const {
  switch (Modus()) {
    case TModus::PointFigure:
      return IndexZuX(PFListe().SucheDatum(datum));
    case TModus::Index:
      return IndexZuX(anfang ? wertpapier_->Kurse.IndexAb(datum)
                             : wertpapier_->Kurse.IndexBis(datum));
    case TModus::Kalender:
      break;
  }
  return DatumZuX(datum);
}

void TChart_WPChart::Periodenbalken(TGrafikfenster& f, bool jahre) {
  const int fx = f.FaktorX(), fy = f.FaktorY();
  const Boersentag erster = ErstesDatum(), letzter = LetztesDatum();
  const bool kalender = Modus() == TModus::Kalender;
  const std::optional<int> xErster = kalender ? DatumZuX(erster) : IndexZuX(ErsterIndex());
  const std::optional<int> xLetzter = kalender ? DatumZuX(letzter) : IndexZuX(LetzterIndex());
  if (!xErster || !xLetzter) return;
  const int y =
      g_.RahmenUnten + (!jahre || (!ansicht_.Monatsbalken && !ansicht_.Wochentag) ? 24 : 36) * fy;
  // The first trading day of a month (or year): a 1st on a weekend maps to the
  // Friday before, so the day after it.
  auto beginn = [](int monat, int jahr) {
    const Boersentag b = BoersentagAusDatum(1, monat, jahr);
    const int wt = Wochentag(1, monat, jahr);
    return wt == 0 || wt == 6 ? b + 1 : b;
  };
  const TDatum d = DatumAusBoersentag(erster);
  int monat = jahre ? 1 : d.Monat, jahr = d.Jahr;
  Boersentag start = beginn(monat, jahr);
  for (;;) {
    const int naechsterMonat = jahre ? 1 : monat % 12 + 1;
    const int naechstesJahr = jahre || monat == 12 ? jahr + 1 : jahr;
    const Boersentag naechsterStart = beginn(naechsterMonat, naechstesJahr);
    const Boersentag schluss = naechsterStart - 1;
    const bool linksInnen = start >= erster, rechtsInnen = schluss <= letzter;
    const std::optional<int> links = linksInnen ? PeriodenX(start, true) : *xErster - 5 * fx;
    const std::optional<int> rechts = rechtsInnen ? PeriodenX(schluss, false) : *xLetzter + 5 * fx;
    if (links && rechts && *rechts >= *links) {
      f.SetzeStiftFarbe(kSchwarz);
      f.SetzeStiftStil(TStiftStil::Durchgezogen);
      f.Linie(*links, y, *rechts, y);
      if (linksInnen) f.Linie(*links, y - 5 * fy, *links, y + 5 * fy + 1);
      if (rechtsInnen) f.Linie(*rechts, y - 5 * fy, *rechts, y + 5 * fy + 1);
      const int platz = *rechts - *links;
      std::string text;
      auto passt = [&](const std::string& t, int rand) { return f.TextBreite(t) <= platz - rand; };
      f.SetzeSchriftFett(true);
      if (jahre) {
        const std::string zahl = ZahlZuTextGanz(jahr);
        if (passt(MitRand(zahl), 10 * fx))
          text = MitRand(zahl);
        else if (passt(zahl.substr(zahl.size() - 2), 2 * fx))
          text = zahl.substr(zahl.size() - 2);
      } else {
        const std::string_view name = kMonatsname[static_cast<std::size_t>(monat % 12)];
        const std::string kurz = Anfang(name, 3);
        if (passt(MitRand(name), 10 * fx))
          text = MitRand(name);
        else if (passt(MitRand(kurz), 2 * fx))
          text = MitRand(kurz);
        else if (passt(Anfang(kurz, 1), 2 * fx))
          text = Anfang(kurz, 1);
      }
      if (!text.empty()) {
        f.StiftLeer();
        f.SetzePinselFarbe(kWeiss);
        f.SetzePinselStil(TPinselStil::Voll);
        f.TextMitte((*links + *rechts) / 2, y - f.SchriftHoehe() / 2, text);
        f.PinselLeer();
      }
      f.SetzeSchriftFett(false);
    }
    if (letzter < naechsterStart) break;
    monat = naechsterMonat;
    jahr = naechstesJahr;
    start = naechsterStart;
  }
}

// --- Title, header, legend ----------------------------------------------------

void TChart_WPChart::Titel(TGrafikfenster& f) {
  const int fy = f.FaktorY();
  const int mitte = Breite() / 2;
  std::string zeile = wertpapier_->Bezeichnung.empty() ? "(Kein Name)" : wertpapier_->Bezeichnung;
  if (!wertpapier_->ISIN.empty())
    zeile += ", " + wertpapier_->ISIN;
  else if (!wertpapier_->WKN.empty())
    zeile += ", " + wertpapier_->WKN;
  f.PinselLeer();
  f.SetzeSchriftFarbe(kSchwarz);
  f.SetzeSchriftHoehe(20);
  f.SetzeSchriftFett(true);
  f.TextMitte(mitte, 2 * fy, zeile);
  const int y = 2 * fy + f.SchriftHoehe();

  std::string typ = zeichnung_->Titel(ansicht_);
  if (ansicht_.UmsatzAnzeigen && zeichnung_->HatUmsatzbereich())
    typ += " (oben), Stückumsätze (unten)";
  f.SetzeSchriftHoehe(12);
  f.SetzeSchriftFett(false);
  f.TextMitte(mitte, y, typ + Bereichstext());
  titelUnten_ = y + f.SchriftHoehe();
}

std::string TChart_WPChart::Bereichstext() const {
  if (LetzterIndex() < ErsterIndex()) return {};
  const int n = Modus() == TModus::Index ? LetzterIndex() - ErsterIndex() + 1
                                         : LetztesDatum() - ErstesDatum() + 1;
  return ", " + BoersentagZuText(ErstesDatum()) + " bis " + BoersentagZuText(LetztesDatum()) +
         " (" + ZahlZuTextGanz(n) + (n == 1 ? " Tag)" : " Tage)");
}

void TChart_WPChart::Druckkopf(TGrafikfenster& f) const {
  const int fx = f.FaktorX(), fy = f.FaktorY();
  f.SetzeSchriftHoehe(8);
  f.SetzeSchriftFett(false);
  f.SetzeSchriftFarbe(kSchwarz);
  f.SetzePinselFarbe(kWeiss);
  f.SetzePinselStil(TPinselStil::Voll);
  f.Text(10 * fx, 2 * fy, druckTitel_);
  f.Text(10 * fx, 10 * fy, druckHinweis_);
  f.PinselLeer();
}

void TChart_WPChart::Legende(TGrafikfenster& f, std::string_view text, TFarbe farbe) {
  const int fx = f.FaktorX();
  f.SetzeSchriftHoehe(12);
  f.SetzeSchriftFett(false);
  f.SetzeSchriftFarbe(kSchwarz);
  f.PinselLeer();
  f.TextRechts(Breite() - 25 * fx, legendeY_, text);
  const int y = legendeY_ + f.SchriftHoehe() / 2;
  f.SetzeStiftFarbe(farbe);
  f.SetzeStiftStil(TStiftStil::Durchgezogen);
  f.SetzeStiftBreite(1);
  f.Linie(Breite() - 20 * fx, y, Breite() - 7 * fx, y);
  legendeY_ += f.SchriftHoehe();
}

void TChart_WPChart::Untertitel(TGrafikfenster& f, std::string_view text) {
  f.SetzeSchriftHoehe(12);
  f.SetzeSchriftFett(false);
  f.SetzeSchriftFarbe(kSchwarz);
  f.PinselLeer();
  f.TextMitte(Breite() / 2, titelUnten_, text);
  // A further call writes below this line instead of over it.
  titelUnten_ += f.SchriftHoehe();
}

}  // namespace morvane
