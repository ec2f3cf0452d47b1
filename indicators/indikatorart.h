#pragma once

#include <memory>
#include <string>
#include <vector>

#include "indicators/artbeschreibung.h"
#include "indicators/indikator.h"

namespace morvane {

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
    for (const auto& f : Art::Beschreibung().Datensatz())
      f.Schreiben(datei, Param);
  }

  void Laden(TBinaerLeser& datei) override {
    const TBasisdaten basis = BasisLesen(datei);
    P neu = Param;
    for (const auto& f : Art::Beschreibung().Datensatz())
      f.Lesen(datei, neu);
    BasisUebernehmen(basis);
    Param = neu;
  }

  std::vector<std::string> AllgemeinFelder() const override {
    std::vector<std::string> felder;
    for (const auto& p : Art::Beschreibung().Parameter()) {
      if (p.IstKaestchen()) felder.push_back(p.Kaestchen);
    }
    return felder;
  }

  std::vector<bool> AllgemeinWerte() const override {
    std::vector<bool> werte;
    for (const auto& p : Art::Beschreibung().Parameter()) {
      if (p.IstKaestchen()) werte.push_back(p.Feld.Wert(Param) != 0);
    }
    return werte;
  }

  void AllgemeinUebernehmen(const std::vector<bool>& werte) override {
    std::size_t i = 0;
    for (const auto& p : Art::Beschreibung().Parameter()) {
      if (p.IstKaestchen() && i < werte.size()) p.Feld.Setzen(Param, werte[i++] ? 1.0 : 0.0);
    }
  }

  TBerechnungsseite Berechnungsseite() const override {
    TBerechnungsseite seite;
    for (const auto& p : Art::Beschreibung().Parameter()) {
      if (!p.IstKaestchen()) seite.Felder.push_back(p.Eingabe);
    }
    seite.Pruefungen = Art::Beschreibung().Pruefungen();
    return seite;
  }

  std::vector<std::string> BerechnungTexte() const override {
    std::vector<std::string> texte;
    for (const auto& p : Art::Beschreibung().Parameter()) {
      if (!p.IstKaestchen()) texte.push_back(FeldText(p.Eingabe, p.Feld.Wert(Param)));
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
    for (const auto& p : Art::Beschreibung().Parameter()) {
      if (!p.IstKaestchen()) p.Feld.Setzen(Param, werte[i++]);
    }
  }
};

}  // namespace morvane
