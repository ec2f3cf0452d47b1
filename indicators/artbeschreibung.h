#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "core/binaer.h"
#include "indicators/parameterseite.h"

namespace morvane {

// A kind's parameters described as data: which members of its parameter
// struct P the dialog shows (and in which order), which members the stored
// record holds (in record order, stated on its own so that a new dialog field
// cannot shift the file format), and the page checks, which name the fields
// they test by their member.

namespace art {

inline void Schreiben(TBinaerSchreiber& d, std::uint8_t w) {
  d.Byte(w);
}
inline void Schreiben(TBinaerSchreiber& d, std::uint16_t w) {
  d.Word(w);
}
inline void Schreiben(TBinaerSchreiber& d, std::int32_t w) {
  d.Int32(w);
}
inline void Schreiben(TBinaerSchreiber& d, double w) {
  d.Double(w);
}
inline void Schreiben(TBinaerSchreiber& d, bool w) {
  d.Byte(w ? 1 : 0);
}
inline void Lesen(TBinaerLeser& d, std::uint8_t& w) {
  w = d.Byte();
}
inline void Lesen(TBinaerLeser& d, std::uint16_t& w) {
  w = d.Word();
}
inline void Lesen(TBinaerLeser& d, std::int32_t& w) {
  w = d.Int32();
}
inline void Lesen(TBinaerLeser& d, double& w) {
  w = d.Double();
}
inline void Lesen(TBinaerLeser& d, bool& w) {
  w = d.Byte() != 0;
}

// One P for all members of P: a member is known by its address in this object,
// so two member pointers name the same field exactly when the addresses agree.
template <class P>
const P& Muster() {
  static const P muster{};
  return muster;
}

}  // namespace art

// What names a member of a parameter struct, whatever its type.
using TFeldkennung = const void*;

template <class P, class T>
TFeldkennung Feldkennung(T P::*feld) {
  return &(art::Muster<P>().*feld);
}

// One member of P with its type erased: its name, and how it is written, read
// and exchanged with the dialog as a number. Built from a member pointer.
template <class P>
struct TParamFeld {
  template <class T>
  TParamFeld(T P::*feld)  // implicit: records are written as lists of members
      : Kennung(Feldkennung(feld)),
        IstSchalter(std::is_same_v<T, bool>),
        Schreiben([feld](TBinaerSchreiber& d, const P& p) { art::Schreiben(d, p.*feld); }),
        Lesen([feld](TBinaerLeser& d, P& p) { art::Lesen(d, p.*feld); }),
        Wert([feld](const P& p) { return static_cast<double>(p.*feld); }),
        Setzen([feld](P& p, double w) { p.*feld = static_cast<T>(w); }) {}

  TFeldkennung Kennung;
  bool IstSchalter;  // a bool: a check box of the dialog
  std::function<void(TBinaerSchreiber&, const P&)> Schreiben;
  std::function<void(TBinaerLeser&, P&)> Lesen;
  std::function<double(const P&)> Wert;
  std::function<void(P&, double)> Setzen;
};

// One parameter as the dialog shows it. A bool is a check box of the "Im Chart
// anzeigen" box with the caption `kaestchen`; every other member is the field
// `eingabe` of the "Berechnung" page.
template <class P>
struct TParameter {
  template <class T>
  TParameter(T P::*feld, TEingabefeld eingabe, std::string kaestchen)
      : Feld(feld), Eingabe(std::move(eingabe)), Kaestchen(std::move(kaestchen)) {}

  TParamFeld<P> Feld;
  TEingabefeld Eingabe;
  std::string Kaestchen;
  bool IstKaestchen() const { return Feld.IstSchalter; }
};

// A page check with its fields named by member. Without a Bedingung it tests
// the own text of Feld; with one it gets the values of the members in Liest,
// in that order, and reports Feld with Meldung when it fails.
struct TFeldpruefung {
  TFeldkennung Feld = nullptr;
  std::vector<TFeldkennung> Liest;
  std::function<bool(std::span<const double>)> Bedingung;
  std::string Meldung;
};

// The same, bound to the members of P.
template <class P>
struct TArtPruefung {
  TFeldpruefung Pruefung;
};

// The field's own text.
template <class P, class T>
TArtPruefung<P> FeldPruefen(T P::*feld) {
  return {{Feldkennung(feld), {}, {}, {}}};
}

// Exponential weighting (the value 2 of `gewichtung`) allows a `zeitraum` of
// at most 30; reports `zeitraum`.
template <class P, class Z, class G>
TArtPruefung<P> HoechstensExponentiell(Z P::*zeitraum, G P::*gewichtung) {
  auto bedingung = [](std::span<const double> w) { return w[0] != 2 || w[1] <= 30; };
  return {{Feldkennung(zeitraum),
           {Feldkennung(gewichtung), Feldkennung(zeitraum)},
           bedingung,
           std::string(kMeldungExponentiell)}};
}

// `kurz` holds less than `lang`; reports `kurz` with `meldung`.
template <class P, class T>
TArtPruefung<P> Kleiner(T P::*kurz, T P::*lang, std::string_view meldung) {
  auto bedingung = [](std::span<const double> w) { return w[0] < w[1]; };
  return {
      {Feldkennung(kurz), {Feldkennung(kurz), Feldkennung(lang)}, bedingung, std::string(meldung)}};
}

// The page's check steps: every member replaced by its position among
// `seitenfelder` (the members of the page fields in page order). A member that
// is no page field is a fault of the description: std::logic_error.
std::vector<TPruefschritt> Pruefschritte(std::span<const TFeldpruefung> pruefungen,
                                         std::span<const TFeldkennung> seitenfelder);

// Throws std::logic_error unless the record names no member twice and holds
// every member the dialog shows (else a dialog setting would be lost on save).
void DatensatzPruefen(std::span<const TFeldkennung> dialog,
                      std::span<const TFeldkennung> datensatz);

// Everything the generic operations need to know about a kind's parameters;
// checked for consistency when built.
template <class P>
class TArtBeschreibung {
 public:
  // `parameter` in dialog order (page fields and check boxes each in the order
  // shown), `datensatz` in record order, `pruefungen` in the order the messages
  // are to be given (none: each page field in turn).
  TArtBeschreibung(std::vector<TParameter<P>> parameter, std::vector<TParamFeld<P>> datensatz,
                   std::vector<TArtPruefung<P>> pruefungen = {})
      : parameter_(std::move(parameter)), datensatz_(std::move(datensatz)) {
    std::vector<TFeldkennung> dialog, seite, satz;
    for (const TParameter<P>& p : parameter_) {
      dialog.push_back(p.Feld.Kennung);
      if (!p.IstKaestchen()) seite.push_back(p.Feld.Kennung);
    }
    for (const TParamFeld<P>& f : datensatz_)
      satz.push_back(f.Kennung);
    DatensatzPruefen(dialog, satz);
    std::vector<TFeldpruefung> benannt;
    for (TArtPruefung<P>& p : pruefungen)
      benannt.push_back(std::move(p.Pruefung));
    pruefschritte_ = Pruefschritte(benannt, seite);
  }

  const std::vector<TParameter<P>>& Parameter() const { return parameter_; }
  const std::vector<TParamFeld<P>>& Datensatz() const { return datensatz_; }
  // The page checks with the fields numbered by page position.
  const std::vector<TPruefschritt>& Pruefungen() const { return pruefschritte_; }

 private:
  std::vector<TParameter<P>> parameter_;
  std::vector<TParamFeld<P>> datensatz_;
  std::vector<TPruefschritt> pruefschritte_;
};

}  // namespace morvane
