#include "app/hauptmodell/listenauswahl.h"

#include <algorithm>
#include <cctype>

namespace morvane {
namespace {

// The name reduced for comparing: ASCII lower case, the German umlauts as
// their base letter and "ß" as "ss".
std::string Vergleichsform(const std::string& name) {
  static const struct {
    std::string_view Utf8;
    std::string_view Basis;
  } kErsatz[] = {{"Ä", "a"}, {"Ö", "o"}, {"Ü", "u"}, {"ä", "a"},
                 {"ö", "o"}, {"ü", "u"}, {"ß", "ss"}};
  std::string form;
  form.reserve(name.size());
  for (std::size_t i = 0; i < name.size();) {
    bool ersetzt = false;
    for (const auto& e : kErsatz) {
      if (name.compare(i, e.Utf8.size(), e.Utf8) == 0) {
        form += e.Basis;
        i += e.Utf8.size();
        ersetzt = true;
        break;
      }
    }
    if (!ersetzt) form += static_cast<char>(std::tolower(static_cast<unsigned char>(name[i++])));
  }
  return form;
}

// The file name of an ID without its extension.
std::string Dateiname(const std::string& id) {
  const auto schraeg = id.find_last_of('/');
  std::string name = schraeg == std::string::npos ? id : id.substr(schraeg + 1);
  const auto punkt = name.find_last_of('.');
  if (punkt != std::string::npos && punkt > 0) name.erase(punkt);
  return name;
}

}  // namespace

bool NameVor(const std::string& a, const std::string& b) {
  const std::string fa = Vergleichsform(a);
  const std::string fb = Vergleichsform(b);
  if (fa != fb) return fa < fb;
  return a < b;
}

TListenAuswahl::TListenAuswahl(const TWPVerwaltung& verwaltung) : verwaltung_(verwaltung) {}

std::vector<std::string> TListenAuswahl::GewaehlteKataloge() const {
  std::vector<std::string> namen;
  for (std::size_t i = 0; i < kataloge_.size(); ++i) {
    if (gewaehlt_[i]) namen.push_back(kataloge_[i]);
  }
  return namen;
}

void TListenAuswahl::SetzeKatalogauswahl(const std::vector<bool>& gewaehlt) {
  if (gewaehlt.size() != kataloge_.size())
    throw Exception("Die Katalogauswahl passt nicht zur Katalogliste.");
  gewaehlt_ = gewaehlt;
}

void TListenAuswahl::WaehleNurKatalog(std::size_t i) {
  std::vector<bool> nur(kataloge_.size(), false);
  nur.at(i) = true;
  gewaehlt_ = std::move(nur);
}

void TListenAuswahl::WaehleZeile(std::optional<std::size_t> zeile) {
  if (zeile && *zeile >= zeilen_.size()) zeile.reset();
  zeile_ = zeile;
}

std::optional<std::string> TListenAuswahl::GewaehlteID() const {
  if (!zeile_) return std::nullopt;
  return zeilen_[*zeile_].ID;
}

void TListenAuswahl::KatalogeFuellen() {
  const std::vector<std::string> vorher = GewaehlteKataloge();
  std::vector<std::string> namen;
  verwaltung_.KatalogeAuflisten(namen);
  std::sort(namen.begin(), namen.end(), NameVor);
  std::vector<bool> gewaehlt(namen.size(), false);
  for (std::size_t i = 0; i < namen.size(); ++i) {
    gewaehlt[i] = std::find(vorher.begin(), vorher.end(), namen[i]) != vorher.end();
  }
  kataloge_ = std::move(namen);
  gewaehlt_ = std::move(gewaehlt);
}

void TListenAuswahl::WertpapiereFuellen(std::vector<std::string>& hinweise) {
  const std::optional<std::string> vorher = GewaehlteID();
  std::vector<std::string> ids;
  for (const std::string& katalog : GewaehlteKataloge()) {
    verwaltung_.WertpapiereAuflisten(katalog, ids);
  }
  std::vector<TWertpapierZeile> zeilen;
  std::vector<std::string> neueHinweise;
  for (std::string& id : ids) {
    std::string name;
    try {
      name = verwaltung_.StammdatenLaden(id).Bezeichnung;
    } catch (const EWPVerwaltung& e) {
      name = Dateiname(id);
      neueHinweise.push_back(e.Meldung());
    }
    zeilen.push_back({std::move(id), std::move(name)});
  }
  std::stable_sort(zeilen.begin(), zeilen.end(),
                   [](const auto& a, const auto& b) { return NameVor(a.Name, b.Name); });
  zeilen_ = std::move(zeilen);
  zeile_.reset();
  for (std::size_t i = 0; vorher && i < zeilen_.size(); ++i) {
    if (zeilen_[i].ID == *vorher) zeile_ = i;
  }
  hinweise.insert(hinweise.end(), neueHinweise.begin(), neueHinweise.end());
}

bool TListenAuswahl::Wiederherstellen(const std::vector<std::string>& offeneKataloge,
                                      const std::vector<std::string>& offenesWertpapier,
                                      std::vector<std::string>& hinweise) {
  for (std::size_t i = 0; i < kataloge_.size(); ++i) {
    gewaehlt_[i] = std::find(offeneKataloge.begin(), offeneKataloge.end(), kataloge_[i]) !=
                   offeneKataloge.end();
  }
  if (GewaehlteKataloge().empty() && !kataloge_.empty()) gewaehlt_[0] = true;
  zeile_.reset();
  WertpapiereFuellen(hinweise);
  if (!offenesWertpapier.empty()) {
    for (std::size_t i = 0; i < zeilen_.size(); ++i) {
      if (zeilen_[i].ID == offenesWertpapier.front()) zeile_ = i;
    }
  }
  if (!zeile_ && !zeilen_.empty()) zeile_ = 0;
  return zeile_.has_value();
}

bool TListenAuswahl::KatalogeGeaendert(std::vector<std::string>& hinweise) {
  WertpapiereFuellen(hinweise);
  if (!zeile_ && !zeilen_.empty()) zeile_ = 0;
  return zeile_.has_value();
}

std::optional<std::size_t> TListenAuswahl::NichtLeererKatalog(std::ptrdiff_t start,
                                                              std::ptrdiff_t schritt) const {
  for (std::ptrdiff_t i = start; i >= 0 && i < static_cast<std::ptrdiff_t>(kataloge_.size());
       i += schritt) {
    std::vector<std::string> ids;
    verwaltung_.WertpapiereAuflisten(kataloge_[static_cast<std::size_t>(i)], ids);
    if (!ids.empty()) return static_cast<std::size_t>(i);
  }
  return std::nullopt;
}

bool TListenAuswahl::ZuKatalog(std::optional<std::size_t> katalog, bool letzteZeile,
                               std::vector<std::string>& hinweise) {
  if (!katalog) return false;
  TListenAuswahl neu = *this;
  neu.WaehleNurKatalog(*katalog);
  neu.zeile_.reset();
  std::vector<std::string> neueHinweise;
  neu.WertpapiereFuellen(neueHinweise);
  if (neu.zeilen_.empty()) return false;
  neu.zeile_ = letzteZeile ? neu.zeilen_.size() - 1 : 0;
  kataloge_ = std::move(neu.kataloge_);
  gewaehlt_ = std::move(neu.gewaehlt_);
  zeilen_ = std::move(neu.zeilen_);
  zeile_ = neu.zeile_;
  hinweise.insert(hinweise.end(), neueHinweise.begin(), neueHinweise.end());
  return true;
}

bool TListenAuswahl::Naechstes(std::vector<std::string>& hinweise) {
  const std::size_t naechste = zeile_ ? *zeile_ + 1 : 0;
  if (naechste < zeilen_.size()) {
    zeile_ = naechste;
    return true;
  }
  std::ptrdiff_t letzter = -1;
  for (std::size_t i = 0; i < kataloge_.size(); ++i) {
    if (gewaehlt_[i]) letzter = static_cast<std::ptrdiff_t>(i);
  }
  if (letzter < 0) return false;
  return ZuKatalog(NichtLeererKatalog(letzter + 1, 1), false, hinweise);
}

bool TListenAuswahl::Voriges(std::vector<std::string>& hinweise) {
  if (zeile_ && *zeile_ > 0) {
    zeile_ = *zeile_ - 1;
    return true;
  }
  const auto erster = std::find(gewaehlt_.begin(), gewaehlt_.end(), true);
  if (erster == gewaehlt_.end()) return false;
  return ZuKatalog(NichtLeererKatalog(erster - gewaehlt_.begin() - 1, -1), true, hinweise);
}

}  // namespace morvane
