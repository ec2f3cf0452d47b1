#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "indicators/indikator.h"

namespace morvane {

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

}  // namespace art

// One parameter of a kind: where it lives in the kind's parameter struct P and
// how the dialog shows it. A bool is a check box of the "Im Chart anzeigen"
// box; every other parameter is a field of the "Berechnung" page. Built from a
// member pointer; the accessors below are generated for its type.
template <class P>
struct TParameter {
  template <class T>
  TParameter(T P::*feld, TEingabefeld eingabe, std::string kaestchen)
      : Feld(std::move(eingabe)),
        Kaestchen(std::move(kaestchen)),
        IstKaestchen(std::is_same_v<T, bool>),
        Schreiben([feld](TBinaerSchreiber& d, const P& p) { art::Schreiben(d, p.*feld); }),
        Lesen([feld](TBinaerLeser& d, P& p) { art::Lesen(d, p.*feld); }),
        Wert([feld](const P& p) { return static_cast<double>(p.*feld); }),
        Setzen([feld](P& p, double w) { p.*feld = static_cast<T>(w); }) {}

  TEingabefeld Feld;      // for a page field
  std::string Kaestchen;  // for a check box: its caption
  bool IstKaestchen = false;
  std::function<void(TBinaerSchreiber&, const P&)> Schreiben;
  std::function<void(TBinaerLeser&, P&)> Lesen;
  std::function<double(const P&)> Wert;
  std::function<void(P&, double)> Setzen;
};

// Everything the generic operations need to know about a kind's parameters.
template <class P>
struct TArtBeschreibung {
  std::vector<TParameter<P>> Parameter;  // in the order of the stored record
  // The page checks; field numbers count the page fields only. Empty: each
  // field in turn.
  std::vector<TPruefschritt> Pruefungen;
};

// The operations every kind shares, generated from its parameter description.
// `Art` is the kind's class: it provides kSchluessel, kTypname, kGruppe,
// kEntfernungssignal, kExtremzoneUnten and Beschreibung().
template <class Art, class P>
class TIndikatorArt : public TIndikator {
 public:
  using TParam = P;
  P Param;

  std::unique_ptr<TIndikator> Kopieren() const override {
    auto kopie = std::make_unique<Art>();
    kopie->Vorlage = this;
    kopie->Zuweisen(*this);
    return kopie;
  }

  std::string_view Schluessel() const override { return Art::kSchluessel; }
  std::string_view Typname() const override { return Art::kTypname; }

  void Zuweisen(const TIndikator& quelle) override {
    TIndikator::Zuweisen(quelle);
    if (auto gleich = dynamic_cast<const TIndikatorArt*>(&quelle)) Param = gleich->Param;
  }

  void Speichern(TBinaerSchreiber& datei) const override {
    TIndikator::Speichern(datei);
    for (const auto& p : Art::Beschreibung().Parameter)
      p.Schreiben(datei, Param);
  }

  void Laden(TBinaerLeser& datei) override {
    const TBasisdaten basis = BasisLesen(datei);
    P neu = Param;
    for (const auto& p : Art::Beschreibung().Parameter)
      p.Lesen(datei, neu);
    BasisUebernehmen(basis);
    Param = neu;
  }

  std::vector<std::string> AllgemeinFelder() const override {
    std::vector<std::string> felder;
    for (const auto& p : Art::Beschreibung().Parameter) {
      if (p.IstKaestchen) felder.push_back(p.Kaestchen);
    }
    return felder;
  }

  std::vector<bool> AllgemeinWerte() const override {
    std::vector<bool> werte;
    for (const auto& p : Art::Beschreibung().Parameter) {
      if (p.IstKaestchen) werte.push_back(p.Wert(Param) != 0);
    }
    return werte;
  }

  void AllgemeinUebernehmen(const std::vector<bool>& werte) override {
    std::size_t i = 0;
    for (const auto& p : Art::Beschreibung().Parameter) {
      if (p.IstKaestchen && i < werte.size()) p.Setzen(Param, werte[i++] ? 1.0 : 0.0);
    }
  }

  TBerechnungsseite Berechnungsseite() const override {
    TBerechnungsseite seite;
    for (const auto& p : Art::Beschreibung().Parameter) {
      if (!p.IstKaestchen) seite.Felder.push_back(p.Feld);
    }
    seite.Pruefungen = Art::Beschreibung().Pruefungen;
    return seite;
  }

  std::vector<std::string> BerechnungTexte() const override {
    std::vector<std::string> texte;
    for (const auto& p : Art::Beschreibung().Parameter) {
      if (!p.IstKaestchen) texte.push_back(FeldText(p.Feld, p.Wert(Param)));
    }
    return texte;
  }

 protected:
  TIndikatorArt() {
    NamenAusTypname(Art::kTypname);
    Entfernungssignal = Art::kEntfernungssignal;
    ExtremzoneUnten = Art::kExtremzoneUnten;
  }

  // The values have passed the page check, so each fits its field's type.
  void BerechnungSetzen(std::span<const double> werte) override {
    std::size_t i = 0;
    for (const auto& p : Art::Beschreibung().Parameter) {
      if (!p.IstKaestchen) p.Setzen(Param, werte[i++]);
    }
  }
};

}  // namespace morvane
