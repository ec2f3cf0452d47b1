#include "online/interpreter.h"

#include <algorithm>
#include <cmath>

#include "core/datum.h"
#include "core/textkodierung.h"
#include "core/uhr.h"
#include "core/zahltext.h"
#include "online/entitaeten.h"
#include "online/scripttext.h"

namespace morvane {
namespace {

constexpr std::string_view kLeerzeile = "\r\n";

// While a date is read without a format, these count as blanks ("5.3.2001",
// "5-3-2001", "5/3/2001").
constexpr std::string_view kDatumsleer = " ,-./";

// Removes every occurrence of `weg`.
void AlleEntfernen(std::string& text, std::string_view weg) {
  std::string ergebnis;
  ergebnis.reserve(text.size());
  std::size_t von = 0;
  for (std::size_t pos = text.find(weg); pos != std::string::npos; pos = text.find(weg, von)) {
    ergebnis.append(text, von, pos - von);
    von = pos + weg.size();
  }
  ergebnis.append(text, von);
  text = std::move(ergebnis);
}

std::int64_t SeitenZeilen(std::string_view seite) {
  return std::count(seite.begin(), seite.end(), '\n') +
         std::count(seite.begin(), seite.end(), '\r') + 1;
}

std::optional<int> ZahlImBereich(std::string_view text, int von, int bis) {
  const auto zahl = TextZuWord(Trimmen(text));
  if (!zahl || *zahl < von || *zahl > bis) return std::nullopt;
  return *zahl;
}

bool IstWochenende(int tag, int monat, int jahr) {
  const int w = Wochentag(tag, monat, jahr);
  return w == 0 || w == 6;
}

int ErsterWochentag(int monat, int jahr) {
  int tag = 1;
  while (IstWochenende(tag, monat, jahr))
    ++tag;
  return tag;
}

int LetzterWochentag(int monat, int jahr) {
  int tag = TageImMonat(monat, jahr);
  while (IstWochenende(tag, monat, jahr))
    --tag;
  return tag;
}

// Most characters of any of the names.
std::size_t LaengsterName(const auto& namen) {
  std::size_t laengster = 0;
  for (const auto& name : namen)
    laengster = std::max(laengster, Utf8Laenge(name));
  return laengster;
}

// Three-letter beginnings of the month names, lower case, January first.
const std::array<std::string, 12>& Monatskuerzel() {
  static const std::array<std::string, 12> kuerzel = [] {
    std::array<std::string, 12> k;
    for (int m = 1; m <= 12; ++m)
      k[m - 1] = KleinSchreiben(ZeichenKuerzen(kMonatsname[m % 12], 3));
    return k;
  }();
  return kuerzel;
}

// A whole or fractional price text ("12", "12 3/8"), the decimal part of the
// whole number cut off.
std::optional<double> Bruchzahl(std::string_view text) {
  const auto leer = text.find(' ');
  if (leer == std::string_view::npos) return TextZuZahl(text, 0);
  const auto ganz = TextZuZahl(text.substr(0, leer), 0);
  if (!ganz || *ganz <= 0) return std::nullopt;
  std::string bruch(text.substr(leer + 1));
  if (bruch.find('/') == std::string::npos) return std::nullopt;
  const auto zaehler = TextZuWord(NaechstesFeld(bruch, '/'));
  const auto nenner = TextZuWord(bruch);
  if (!zaehler || !nenner || *nenner == 0) return std::nullopt;
  return *ganz + static_cast<double>(*zaehler) / *nenner;
}

// Hands each ";"-separated entry of a list to `f` (a ";" at the end starts no
// further entry) while `f` returns true. Walks the list once: the lists of a
// history answer can hold many thousand entries.
template <class F>
void ListeDurchgehen(std::string_view liste, F f) {
  for (std::size_t von = 0; von < liste.size();) {
    const std::size_t ende = std::min(liste.find(';', von), liste.size());
    if (!f(liste.substr(von, ende - von))) return;
    von = ende + 1;
  }
}

// A date of the XML history ("2001-03-05"): the record it starts, or nothing
// when the entry is no date. An impossible calendar date keeps its place in the
// list but is marked by a date of 0, so that the values stay in step.
std::optional<Boersentag> HistorienDatum(std::string eintrag) {
  const auto jahr = TextZuWord(NaechstesFeld(eintrag, '-'));
  const auto monat = TextZuWord(NaechstesFeld(eintrag, '-'));
  const auto tag = TextZuWord(eintrag);
  if (!jahr || !monat || !tag || *jahr == 0 || *monat < 1 || *monat > 12 || *tag < 1 || *tag > 31) {
    return std::nullopt;
  }
  if (!IstGueltigesKalenderdatum(*tag, *monat, *jahr)) return 0;
  return BoersentagAusDatum(*tag, *monat, *jahr);
}

}  // namespace

TInterpreter::TInterpreter(TScriptParser& parser, std::string_view seite, bool html,
                           TKursEmpfaenger empfaenger)
    : parser_(parser),
      zeile_(ExternZuUtf8(seite)),
      html_(html),
      empfaenger_(std::move(empfaenger)) {
  parser_.Zuruecksetzen();
  const auto groesse = static_cast<std::int64_t>(zeile_.Seite().size());
  zeilenGrenze_ = 100 * SeitenZeilen(zeile_.Seite()) + 1000;
  // Reading a long line again and again is bounded by bytes as well.
  bytesGrenze_ = 100 * groesse + (std::int64_t{1} << 20);
  durchlaufGrenze_ = groesse + zeilenGrenze_;
}

void TInterpreter::Ausfuehren() {
  try {
    while (const TBefehl* befehl = parser_.NaechsterBefehl())
      Befehl(*befehl);
  } catch (const EScriptDateiende&) {
  }
  if (!parser_.HatDatensatz()) Ausgeben();
}

void TInterpreter::Befehl(const TBefehl& befehl) {
  switch (befehl.Typ) {
    case TBefehlsTyp::Datensatz:
      endetext_ = std::get<TSchleifenParameter>(befehl.Parameter).Endetext;
      durchlaufStart_ = {zeilen_, spalte_};
      return;
    case TBefehlsTyp::Ende:
      return Ende();
    case TBefehlsTyp::Position:
      return Position(std::get<TPositionParameter>(befehl.Parameter));
    case TBefehlsTyp::Suche:
      return Suche(std::get<TSucheParameter>(befehl.Parameter));
    case TBefehlsTyp::Datum:
      return Datum(std::get<TDatumParameter>(befehl.Parameter));
    case TBefehlsTyp::Id:
      return Id(std::get<TFeldParameter>(befehl.Parameter));
    case TBefehlsTyp::OnvistaHistorie:
      return Historie();
    case TBefehlsTyp::JsonHistorie:
      return JsonHistorie(std::get<TJsonHistorieParameter>(befehl.Parameter));
    default:
      return Wert(befehl.Typ, std::get<TFeldParameter>(befehl.Parameter));
  }
}

void TInterpreter::Ende() {
  Ausgeben();
  const std::pair vorher{zeilen_, spalte_};
  const auto leerzeileErreicht = [this] {
    return endetext_ == kLeerzeile &&
           zeile_.Finden(TInterpreterZeile::TSuche::Sichtbar, {}, 0) == std::string::npos;
  };
  if (leerzeileErreicht()) return ZeileLesen();
  ZumText();
  if (leerzeileErreicht()) return ZeileLesen();
  if (!endetext_.empty()) {
    const std::size_t von = Byte(spalte_);
    const std::size_t anfang = std::min(
        zeile_.Finden(TInterpreterZeile::TSuche::KeinesVon, " ", von), zeile_.Text().size());
    if (std::string_view(zeile_.Text()).substr(anfang).starts_with(endetext_)) {
      spalte_ = SpalteBei(anfang + endetext_.size());
      return;
    }
  }
  // A pass that read nothing would repeat forever.
  if (vorher == durchlaufStart_ || ++durchlaeufe_ > durchlaufGrenze_) throw EScriptDateiende("");
  parser_.Zurueckspringen();
  durchlaufStart_ = {zeilen_, spalte_};
}

void TInterpreter::Position(const TPositionParameter& p) {
  std::int64_t zielZeile = zeilen_;
  if (p.Zeile != 0) zielZeile = p.ZeileRelativ ? zeilen_ + p.Zeile : p.Zeile;
  std::int64_t zielSpalte = 1;
  if (p.Spalte != 0) {
    zielSpalte = p.SpalteRelativ
                     ? std::max<std::int64_t>(1, static_cast<std::int64_t>(spalte_) + p.Spalte)
                     : p.Spalte;
  }
  if (zielZeile < zeilen_) VonVorn();
  while (zeilen_ < zielZeile)
    ZeileLesen();
  spalte_ = static_cast<std::size_t>(zielSpalte);
}

void TInterpreter::Suche(const TSucheParameter& p) {
  for (int i = 0; i < p.Anzahl; ++i) {
    std::size_t fund;
    while ((fund = zeile_.Text().find(p.Text, Byte(spalte_))) == std::string::npos)
      ZeileLesen();
    spalte_ = SpalteBei(fund + p.Text.size());
  }
}

void TInterpreter::Id(const TFeldParameter& p) {
  kennung_ = std::string(Trimmen(Feld(p.Laenge, p.Trennzeichen)));
}

void TInterpreter::Wert(TBefehlsTyp typ, const TFeldParameter& p) {
  std::string text = Feld(p.Laenge, p.Trennzeichen);
  if (p.Bruchschreibweise && p.Laenge == 0 && p.Trennzeichen == " ") {
    text += ' ' + Feld(0, " ");
  }
  if (!p.Tausenderzeichen.empty()) AlleEntfernen(text, p.Tausenderzeichen);
  std::string_view getrimmt = Trimmen(text);
  if (getrimmt.ends_with(',') || getrimmt.ends_with('.')) getrimmt.remove_suffix(1);
  const auto zahl = p.Bruchschreibweise ? Bruchzahl(getrimmt) : TextZuZahl(getrimmt, 4);
  double wert = zahl && std::isfinite(*zahl) && *zahl > 0 ? *zahl * p.Faktor + p.Summand : 0;
  if (!(wert > 0) || !std::isfinite(wert)) wert = 0;
  werte_[static_cast<int>(typ) - static_cast<int>(TBefehlsTyp::Eroeffnung)] = wert;
}

void TInterpreter::Historie() {
  std::vector<TKurs> kurse;
  ListeDurchgehen(TagInhalt("DATE_LIST"), [&](std::string_view eintrag) {
    if (const auto datum = HistorienDatum(std::string(eintrag))) kurse.push_back({.Datum = *datum});
    return true;
  });
  static constexpr std::pair<std::string_view, TKursFeld> kListen[] = {
      {"OPEN_PRICE_LIST", kfEroeffnung},
      {"CLOSE_PRICE_LIST", kfSchluss},
      {"HIGH_PRICE_LIST", kfHoch},
      {"LOW_PRICE_LIST", kfTief},
      {"VOLUME_LIST", kfUmsatz}};
  for (const auto& [tag, kursfeld] : kListen) {
    const TKursFeld feld = kursfeld;  // clang 14 captures no structured binding
    std::size_t i = 0;
    ListeDurchgehen(TagInhalt(tag), [&](std::string_view eintrag) {
      const auto zahl = TextZuZahl(eintrag, 4);
      if (!zahl) return false;
      if (i < kurse.size()) KursFeld(kurse[i], feld) = *zahl;
      ++i;
      return true;
    });
  }
  if (!empfaenger_) return;
  for (const TKurs& kurs : kurse) {
    if (kurs.Datum != 0) empfaenger_(kennung_, kurs);
  }
}

void TInterpreter::Ausgeben() {
  if (!empfaenger_ || monat_ < 1 || monat_ > 12) return;
  const int jahr = jahr_ != 0 ? jahr_ : Jetzt().Datum.Jahr;
  if (jahr < 1000 || jahr > 4999) return;
  const int tag = tag_ != 0 ? tag_ : ErsterWochentag(monat_, jahr);
  if (!IstBoersentag(tag, monat_, jahr)) return;
  if (std::none_of(werte_.begin(), werte_.end(), [](double w) { return w > 0; })) return;
  TKurs kurs;
  kurs.Datum = BoersentagAusDatum(tag, monat_, jahr);
  kurs.Eroeffnung = werte_[0];
  kurs.Hoch = werte_[1];
  kurs.Tief = werte_[2];
  kurs.Schluss = werte_[3];
  kurs.Kassakurs = werte_[4];
  kurs.Umsatz = werte_[5];
  empfaenger_(kennung_, kurs);
}

// --- page and line reading ---

void TInterpreter::ZeileLesen() {
  if (gelesenGesamt_ >= zeilenGrenze_ || zeile_.GeleseneBytes() >= bytesGrenze_ ||
      !zeile_.Lesen()) {
    throw EScriptDateiende("");
  }
  ++zeilen_;
  ++gelesenGesamt_;
  spalte_ = 1;
}

void TInterpreter::VonVorn() {
  zeile_.VonVorn();
  zeilen_ = 0;
  spalte_ = 1;
}

void TInterpreter::ZumText() {
  while (zeile_.Finden(TInterpreterZeile::TSuche::Sichtbar, {}, Byte(spalte_)) == std::string::npos)
    ZeileLesen();
}

std::string TInterpreter::Feld(std::uint8_t laenge, const std::string& trenner) {
  ZumText();
  const std::string& zeile = zeile_.Text();
  std::string text;
  if (laenge > 0) {
    const std::size_t von = Byte(spalte_);
    const std::size_t bis = Byte(spalte_ + laenge);
    text = zeile.substr(von, bis - von);
    spalte_ += zeile_.Zeichen(text);
  } else {
    LeerzeichenUeberspringen();
    const std::size_t von = Byte(spalte_);
    const std::size_t fund = zeile_.Finden(TInterpreterZeile::TSuche::Text, trenner, von);
    if (fund != std::string::npos) {
      text = zeile.substr(von, fund - von);
      spalte_ = SpalteBei(fund + trenner.size());
    } else {
      text = zeile.substr(von);
      spalte_ = SpalteBei(zeile.size());
    }
  }
  return html_ ? EntitaetenDekodieren(std::move(text)) : text;
}

void TInterpreter::LeerzeichenUeberspringen() {
  const std::string& zeile = zeile_.Text();
  for (std::size_t b = Byte(spalte_);
       b < zeile.size() && (zeile[b] == ' ' || leer_.find(zeile[b]) != std::string_view::npos); ++b)
    ++spalte_;
}

std::string_view TInterpreter::RestAnfang(std::size_t zeichen) {
  const std::size_t von = Byte(spalte_);
  return std::string_view(zeile_.Text()).substr(von, Byte(spalte_ + zeichen) - von);
}

std::string_view TInterpreter::TagInhalt(std::string_view tag) {
  const std::string auf = "<" + std::string(tag) + ">";
  const std::string zu = "</" + std::string(tag) + ">";
  while (true) {
    const std::string& zeile = zeile_.Text();
    const std::size_t start = zeile.find(auf, Byte(spalte_));
    if (start != std::string::npos) {
      const std::size_t innen = start + auf.size();
      const std::size_t ende = zeile.find(zu, innen);
      if (ende != std::string::npos && ende > innen) {
        spalte_ = SpalteBei(ende + zu.size());
        return std::string_view(zeile).substr(innen, ende - innen);
      }
    }
    ZeileLesen();
  }
}

// --- dates ---

void TInterpreter::Datum(const TDatumParameter& p) {
  int quartal = 0;
  if (!DatumLesen(p, quartal) || !Anpassen(p, quartal)) tag_ = monat_ = jahr_ = 0;
}

bool TInterpreter::DatumLesen(const TDatumParameter& p, int& quartal) {
  if (p.Heute) {
    const TDatum heute = DatumAusBoersentag(HeuteBoersentag());
    tag_ = heute.Tag;
    monat_ = heute.Monat;
    jahr_ = heute.Jahr;
    return true;
  }
  ZumText();
  if (p.Gruppen.empty()) return StandardDatumLesen(p);
  return std::all_of(p.Gruppen.begin(), p.Gruppen.end(),
                     [&](const TDatumsgruppe& g) { return GruppeLesen(g, p, quartal); });
}

bool TInterpreter::StandardDatumLesen(const TDatumParameter& p) {
  leer_ = kDatumsleer;
  const bool gelesen = TagLesen(" ") && MonatLesen(p, " ") && JahrLesen(p, "", 4);
  leer_ = " ";
  return gelesen;
}

bool TInterpreter::GruppeLesen(const TDatumsgruppe& g, const TDatumParameter& p, int& quartal) {
  using TArt = TDatumsgruppe::TArt;
  switch (g.Art) {
    case TArt::Tag:
      return TagLesen(g.Trennzeichen);
    case TArt::Monat:
      return MonatLesen(p, g.Trennzeichen);
    case TArt::Jahr2:
      return JahrLesen(p, g.Trennzeichen, 2);
    case TArt::Jahr4:
      return JahrLesen(p, g.Trennzeichen, 4);
    case TArt::Quartal:
      return QuartalLesen(p, g.Trennzeichen, quartal);
  }
  return false;
}

std::optional<std::string> TInterpreter::Nehmen(const std::string& trenner, std::size_t anzahl) {
  LeerzeichenUeberspringen();
  const std::size_t von = Byte(spalte_);
  if (trenner.empty()) {
    std::string text(RestAnfang(anzahl));
    spalte_ += zeile_.Zeichen(text);
    std::replace_if(
        text.begin(), text.end(),
        [this](char c) { return leer_.find(c) != std::string_view::npos; }, ' ');
    return text;
  }
  const std::size_t fund = TrennerSuchen(trenner, von);
  if (fund == std::string::npos) return std::nullopt;
  spalte_ = SpalteBei(fund + trenner.size());
  return zeile_.Text().substr(von, fund - von);
}

// A blank separator is met by any character that counts as a blank.
std::size_t TInterpreter::TrennerSuchen(const std::string& trenner, std::size_t ab) {
  using enum TInterpreterZeile::TSuche;
  return trenner == " " ? zeile_.Finden(EinesVon, leer_, ab) : zeile_.Finden(Text, trenner, ab);
}

// Index of the name that the text equals (with a separator) or begins with
// (without one, the column then moves past the name).
std::optional<int> TInterpreter::NamenLesen(const std::vector<std::string>& namen,
                                            const std::string& trenner) {
  if (!trenner.empty()) {
    const auto text = Nehmen(trenner, 0);
    if (!text) return std::nullopt;
    const auto it = std::find(namen.begin(), namen.end(), KleinSchreiben(Trimmen(*text)));
    if (it == namen.end()) return std::nullopt;
    return static_cast<int>(it - namen.begin());
  }
  LeerzeichenUeberspringen();
  const std::string rest = KleinSchreiben(RestAnfang(LaengsterName(namen)));
  for (std::size_t i = 0; i < namen.size(); ++i) {
    if (rest.starts_with(namen[i])) {
      spalte_ += Utf8Laenge(namen[i]);
      return static_cast<int>(i);
    }
  }
  return std::nullopt;
}

bool TInterpreter::TagLesen(const std::string& trenner) {
  const auto text = Nehmen(trenner, 2);
  const auto tag = text ? ZahlImBereich(*text, 1, 31) : std::nullopt;
  if (!tag) return false;
  tag_ = static_cast<std::uint16_t>(*tag);
  return true;
}

bool TInterpreter::MonatLesen(const TDatumParameter& p, const std::string& trenner) {
  if (!p.Monate.empty()) {
    const auto index = NamenLesen(p.Monate, trenner);
    if (index) monat_ = static_cast<std::uint16_t>(*index + 1);
    return index.has_value();
  }
  std::string text;
  if (!trenner.empty()) {
    const auto genommen = Nehmen(trenner, 0);
    if (!genommen) return false;
    text = std::string(Trimmen(*genommen));
  } else {
    LeerzeichenUeberspringen();
    static const std::size_t laengster = LaengsterName(kMonatsname);
    text = std::string(RestAnfang(laengster));
  }
  if (const auto zahl = ZahlImBereich(ZeichenKuerzen(text, 2), 1, 12)) {
    monat_ = static_cast<std::uint16_t>(*zahl);
    if (trenner.empty()) spalte_ += std::min<std::size_t>(2, Utf8Laenge(text));
    return true;
  }
  const std::string klein = KleinSchreiben(text);
  const auto& kuerzel = Monatskuerzel();
  const auto it = std::find(kuerzel.begin(), kuerzel.end(), ZeichenKuerzen(klein, 3));
  if (it == kuerzel.end()) return false;
  const int monat = static_cast<int>(it - kuerzel.begin()) + 1;
  monat_ = static_cast<std::uint16_t>(monat);
  if (trenner.empty()) {
    const std::string name = KleinSchreiben(kMonatsname[monat % 12]);
    spalte_ += klein.starts_with(name) ? Utf8Laenge(name) : 3;
  }
  return true;
}

bool TInterpreter::JahrLesen(const TDatumParameter& p, const std::string& trenner,
                             std::size_t ziffern) {
  const auto text = Nehmen(trenner, ziffern);
  const auto jahr = text ? ZahlImBereich(*text, 0, 4999) : std::nullopt;
  if (!jahr || (*jahr >= 100 && *jahr <= 999)) return false;
  int voll = *jahr;
  if (voll < 100) {
    if (p.Jahr != 0) {
      voll += p.Jahr / 100 * 100;
    } else {
      voll += voll >= 50 ? 1900 : 2000;
    }
  }
  jahr_ = static_cast<std::uint16_t>(voll);
  return true;
}

bool TInterpreter::QuartalLesen(const TDatumParameter& p, const std::string& trenner,
                                int& quartal) {
  if (!p.Quartale.empty()) {
    const auto index = NamenLesen(p.Quartale, trenner);
    if (index) quartal = *index + 1;
    return index.has_value();
  }
  const auto text = Nehmen(trenner, 2);
  const auto zahl = text ? ZahlImBereich(ZeichenKuerzen(Trimmen(*text), 2), 1, 4) : std::nullopt;
  if (zahl) quartal = *zahl;
  return zahl.has_value();
}

bool TInterpreter::Anpassen(const TDatumParameter& p, int quartal) {
  if (p.SetzeMonat == TSetzeModus::Erster)
    monat_ = static_cast<std::uint16_t>(quartal ? 3 * quartal - 2 : 1);
  if (p.SetzeMonat == TSetzeModus::Letzter)
    monat_ = static_cast<std::uint16_t>(quartal ? 3 * quartal : 12);
  if (p.SetzeTag == TSetzeModus::Keiner) return true;
  if (jahr_ == 0 || monat_ < 1 || monat_ > 12) return false;
  tag_ = static_cast<std::uint16_t>(p.SetzeTag == TSetzeModus::Erster
                                        ? ErsterWochentag(monat_, jahr_)
                                        : LetzterWochentag(monat_, jahr_));
  return true;
}

}  // namespace morvane
