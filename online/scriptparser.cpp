#include "online/scriptparser.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

#include "core/textkodierung.h"
#include "core/zahltext.h"
#include "online/jsonhistorie.h"
#include "online/scripttext.h"

namespace morvane {

namespace {

constexpr std::size_t kMaxKurztext = 255;

bool IstLeerraum(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

struct TToken {
  std::string Text;      // a string keeps its quotes; empty at the end of the text
  std::size_t Position;  // 1-based character position of the first character
  std::size_t EndeByte;  // byte index just past the token

  bool IstString() const { return !Text.empty() && Text.front() == '"'; }
  std::string Wert() const { return OhneAnfuehrungszeichen(Text); }
  std::string Klein() const { return KleinSchreiben(Text); }
};

class TTokenizer {
 public:
  explicit TTokenizer(std::string_view text) : text_(text), zaehler_(text) {}

  TToken Lesen() {
    vorher_ = verbraucht_;
    if (zurueck_) {
      verbraucht_ = zurueck_->EndeByte;
      return *std::exchange(zurueck_, std::nullopt);
    }
    Ueberspringen();
    const std::size_t start = pos_;
    if (pos_ < text_.size()) pos_ = TokenEnde(start);
    verbraucht_ = pos_;
    return {std::string(text_.substr(start, pos_ - start)), zaehler_.Position(start), pos_};
  }

  void Zurueckgeben(TToken token) {
    verbraucht_ = vorher_;
    zurueck_ = std::move(token);
  }

  // Position just past the last token that was taken and not given back.
  std::size_t Erreicht() { return zaehler_.Position(verbraucht_); }
  std::size_t Textende() { return zaehler_.Position(text_.size()); }

 private:
  bool KommentarStart(std::size_t i) const {
    return text_[i] == '/' && i + 1 < text_.size() && (text_[i + 1] == '*' || text_[i + 1] == '/');
  }

  void Ueberspringen() {
    while (pos_ < text_.size()) {
      if (IstLeerraum(text_[pos_])) {
        ++pos_;
      } else if (KommentarStart(pos_) && text_[pos_ + 1] == '*') {
        const auto ende = text_.find("*/", pos_ + 2);
        pos_ = ende == std::string_view::npos ? text_.size() : ende + 2;
      } else if (KommentarStart(pos_)) {
        const auto ende = text_.find_first_of("\r\n", pos_ + 2);
        pos_ = ende == std::string_view::npos ? text_.size() : ende;
      } else {
        return;
      }
    }
  }

  std::size_t TokenEnde(std::size_t start) {
    const char c = text_[start];
    if (c == '(' || c == ')' || c == ',') return start + 1;
    if (c == '"') {
      const auto ende = StringEnde(text_, start);
      if (!ende) {
        throw EScriptParseError("Unerwartetes Zeilenende im String.", zaehler_.Position(start));
      }
      return *ende;
    }
    std::size_t i = start;
    while (i < text_.size() && !IstLeerraum(text_[i]) && text_[i] != '(' && text_[i] != ')' &&
           text_[i] != ',' && !KommentarStart(i)) {
      ++i;
    }
    return i;
  }

  std::string_view text_;
  TZeichenzaehler zaehler_;
  std::size_t pos_ = 0;
  std::size_t verbraucht_ = 0;
  std::size_t vorher_ = 0;
  std::optional<TToken> zurueck_;
};

[[noreturn]] void Fehler(const std::string& meldung, std::size_t position) {
  throw EScriptParseError(meldung, position);
}

[[noreturn]] void UngueltigeZahl(const TToken& token, const std::string& anzeige) {
  Fehler("Ungültige Zahl: \"" + anzeige + "\".", token.Position);
}

[[noreturn]] void UnbekannterParameter(const TToken& token) {
  Fehler("Unbekannter Parameter: \"" + token.Text + "\".", token.Position);
}

struct TSchluesselwort {
  std::string_view Wort;
  TBefehlsTyp Typ;
};

constexpr TSchluesselwort kSchluesselwoerter[] = {
    {"datensatz", TBefehlsTyp::Datensatz},
    {"ende", TBefehlsTyp::Ende},
    {"position", TBefehlsTyp::Position},
    {"suche", TBefehlsTyp::Suche},
    {"datum", TBefehlsTyp::Datum},
    {"id", TBefehlsTyp::Id},
    {"eröffnung", TBefehlsTyp::Eroeffnung},
    {"eröffnungskurs", TBefehlsTyp::Eroeffnung},
    {"höchst", TBefehlsTyp::Hoch},
    {"höchstkurs", TBefehlsTyp::Hoch},
    {"tiefst", TBefehlsTyp::Tief},
    {"tiefstkurs", TBefehlsTyp::Tief},
    {"schluß", TBefehlsTyp::Schluss},
    {"schluss", TBefehlsTyp::Schluss},
    {"schlußkurs", TBefehlsTyp::Schluss},
    {"schlusskurs", TBefehlsTyp::Schluss},
    {"kassa", TBefehlsTyp::Kassa},
    {"kassakurs", TBefehlsTyp::Kassa},
    {"umsatz", TBefehlsTyp::Umsatz},
    {"stückumsatz", TBefehlsTyp::Umsatz},
    {"onvistahistorie", TBefehlsTyp::OnvistaHistorie},
    {"jsonhistorie", TBefehlsTyp::JsonHistorie},
};

std::optional<TBefehlsTyp> Befehlstyp(const std::string& wort) {
  for (const auto& s : kSchluesselwoerter) {
    if (s.Wort == wort) return s.Typ;
  }
  return std::nullopt;
}

bool IstGruppenanfang(char c) {
  return c == 'J' || c == 'M' || c == 'Q' || c == 'T';
}

// Comma-separated, lower-case names: exactly `anzahl`, none empty, all
// different, each cut to `maxLaenge` characters.
std::optional<std::vector<std::string>> Namensliste(const std::string& text, std::size_t anzahl,
                                                    std::size_t maxLaenge) {
  std::vector<std::string> namen;
  std::string rest = KleinSchreiben(text);
  while (true) {
    const bool letzter = rest.find(',') == std::string::npos;
    const std::string name = NaechstesFeld(rest, ',');
    const std::string_view getrimmt = Trimmen(name);
    if (getrimmt.empty()) return std::nullopt;
    namen.push_back(ZeichenKuerzen(getrimmt, maxLaenge));
    if (letzter) break;
  }
  if (namen.size() != anzahl) return std::nullopt;
  for (std::size_t i = 0; i < namen.size(); ++i) {
    if (std::find(namen.begin() + i + 1, namen.end(), namen[i]) != namen.end()) return std::nullopt;
  }
  return namen;
}

class TLeser {
 public:
  explicit TLeser(std::string_view text) : tok_(text) {}

  std::vector<TBefehl> Alle(bool& hatDatensatz) {
    std::vector<TBefehl> befehle;
    int offen = -1;
    while (true) {
      TToken wort = tok_.Lesen();
      if (wort.Text.empty()) break;
      befehle.push_back(Befehl(wort));
      Einordnen(befehle, offen);
      if (befehle.back().Typ == TBefehlsTyp::Datensatz) hatDatensatz = true;
    }
    if (offen >= 0) {
      Fehler("Es fehlt die 'Ende'-Anweisung, um den Datensatz abzuschließen.", tok_.Textende());
    }
    if (befehle.empty()) Fehler("Es wurde kein Script angegeben.", tok_.Textende());
    return befehle;
  }

 private:
  TBefehl Befehl(const TToken& wort) {
    const auto typ = Befehlstyp(wort.Klein());
    if (!typ) Fehler("Unbekannter Script-Befehl: \"" + wort.Text + "\".", wort.Position);
    TBefehl befehl;
    befehl.Typ = *typ;
    befehl.Start = static_cast<std::uint16_t>(wort.Position);
    Parameter(befehl, wort);
    befehl.Ende = static_cast<std::uint16_t>(std::min<std::size_t>(tok_.Erreicht(), 65535));
    return befehl;
  }

  // Structure: loops neither nest nor stay open, and are never empty.
  static void Einordnen(std::vector<TBefehl>& befehle, int& offen) {
    const int index = static_cast<int>(befehle.size()) - 1;
    TBefehl& befehl = befehle.back();
    if (befehl.Typ == TBefehlsTyp::Datensatz) {
      if (offen >= 0) {
        Fehler(
            "Der aktuelle Datensatz muss zuerst mit 'Ende' abgeschlossen werden, bevor ein neuer "
            "definiert wird.",
            befehl.Ende);
      }
      offen = index;
    } else if (befehl.Typ == TBefehlsTyp::Ende) {
      if (offen < 0) {
        Fehler("Vor der 'Ende'-Anweisung muss die 'Datensatz'-Anweisung angegeben werden.",
               befehl.Ende);
      }
      if (offen == index - 1) {
        Fehler("Die 'Ende'-Anweisung darf nicht unmittelbar auf die 'Datensatz'-Anweisung folgen.",
               befehl.Ende);
      }
      auto& ende = std::get<TSchleifenParameter>(befehl.Parameter);
      ende.DatensatzIndex = offen;
      std::get<TSchleifenParameter>(befehle[offen].Parameter).Endetext = ende.Endetext;
      offen = -1;
    }
  }

  // Reads "(" parameter { "," parameter } ")" if present; `einzeln` handles one
  // parameter, given its first token and its number (0-based).
  template <class F>
  void Liste(const TToken& wort, bool pflicht, F&& einzeln) {
    TToken klammer = tok_.Lesen();
    if (klammer.Text != "(") {
      tok_.Zurueckgeben(std::move(klammer));
      if (pflicht) Fehler("Dieser Befehl benötigt mindestens einen Parameter.", wort.Position);
      return;
    }
    for (int nummer = 0;; ++nummer) {
      einzeln(tok_.Lesen(), nummer);
      const TToken trenner = tok_.Lesen();
      if (trenner.Text == ")") return;
      if (trenner.Text != ",") {
        Fehler("')' erwartet, aber '" + trenner.Text + "' gefunden.", trenner.Position);
      }
    }
  }

  void Parameter(TBefehl& befehl, const TToken& wort) {
    switch (befehl.Typ) {
      case TBefehlsTyp::Datensatz:
        befehl.Parameter = TSchleifenParameter{};
        return OhneParameter(wort, "Die Datensatz-Anweisung hat keine Parameter.");
      case TBefehlsTyp::OnvistaHistorie:
        return OhneParameter(wort, "Die OnvistaHistorie-Anweisung hat keine Parameter.");
      case TBefehlsTyp::Ende:
        befehl.Parameter = EndeParameter(wort);
        return;
      case TBefehlsTyp::Position:
        befehl.Parameter = PositionParameter(wort);
        return;
      case TBefehlsTyp::Suche:
        befehl.Parameter = SucheParameter(wort);
        return;
      case TBefehlsTyp::Datum:
        befehl.Parameter = DatumParameter(wort);
        return;
      case TBefehlsTyp::JsonHistorie:
        befehl.Parameter = JsonHistorieParameter(wort);
        return;
      default:
        befehl.Parameter = FeldParameter(wort, befehl.Typ != TBefehlsTyp::Id);
        return;
    }
  }

  void OhneParameter(const TToken& wort, const char* meldung) {
    Liste(wort, false, [&](const TToken& p, int) { Fehler(meldung, p.Position); });
  }

  TSchleifenParameter EndeParameter(const TToken& wort) {
    TSchleifenParameter ende;
    Liste(wort, false, [&](const TToken& p, int nummer) {
      if (nummer > 0) UnbekannterParameter(p);
      if (!p.IstString() && p.Klein() == "leerzeile") {
        ende.Endetext = "\r\n";
      } else {
        ende.Endetext = ZeichenKuerzen(p.Wert(), kMaxKurztext);
      }
    });
    return ende;
  }

  TPositionParameter PositionParameter(const TToken& wort) {
    TPositionParameter position;
    Liste(wort, true, [&](const TToken& p, int) {
      const std::string name = p.Klein();
      if (name == "zeile" || name == "z") {
        Zahl(position.Zeile, position.ZeileRelativ);
      } else if (name == "spalte" || name == "s") {
        Zahl(position.Spalte, position.SpalteRelativ);
      } else {
        UnbekannterParameter(p);
      }
    });
    return position;
  }

  void Zahl(std::int32_t& wert, bool& relativ) {
    const TToken t = tok_.Lesen();
    const auto zahl = TextZuGanzzahl(t.Text);
    if (!zahl || *zahl == 0) UngueltigeZahl(t, t.Text);
    wert = *zahl;
    relativ = t.Text.front() == '+' || t.Text.front() == '-';
  }

  TSucheParameter SucheParameter(const TToken& wort) {
    TSucheParameter suche;
    Liste(wort, true, [&](const TToken& p, int nummer) {
      if (nummer == 0) {
        suche.Text = ZeichenKuerzen(p.Wert(), kMaxKurztext);
        if (suche.Text.empty()) Fehler("Suchstring fehlt.", p.Position);
        return;
      }
      const auto anzahl = TextZuWord(p.Text);
      if (!anzahl || *anzahl == 0) UngueltigeZahl(p, p.Text);
      suche.Anzahl = *anzahl;
    });
    return suche;
  }

  TDatumParameter DatumParameter(const TToken& wort) {
    TDatumParameter datum;
    Liste(wort, false, [&](const TToken& p, int) {
      const std::string name = p.Klein();
      if (name == "format") {
        Datumsformat(datum);
      } else if (name == "monat") {
        datum.Monate = Namen(12, 15, "Monatsangaben ungültig: \"");
      } else if (name == "quartal") {
        datum.Quartale = Namen(4, 10, "Quartalssangaben ungültig: \"");
      } else if (name == "jahr") {
        const TToken t = tok_.Lesen();
        const auto jahr = TextZuWord(t.Text);
        if (!jahr || *jahr < 1000 || *jahr >= 5000) UngueltigeZahl(t, t.Text);
        datum.Jahr = *jahr;
      } else if (name == "setzetag") {
        datum.SetzeTag = Setzemodus();
      } else if (name == "setzemonat") {
        datum.SetzeMonat = Setzemodus();
      } else if (name == "heute") {
        datum.Heute = true;
      } else {
        UnbekannterParameter(p);
      }
    });
    return datum;
  }

  void Datumsformat(TDatumParameter& datum) {
    const TToken t = tok_.Lesen();
    const std::string format = GrossSchreibenAscii(t.Wert());
    datum.Format = ZeichenKuerzen(format, 10);
    // The groups follow the stored text, which may have lost a trailing
    // separator; a format invalid in either form is refused.
    std::vector<TDatumsgruppe> gruppen;
    if (!Datumsgruppen(format) || !GruppenLesen(datum.Format, gruppen)) {
      Fehler("Datumsformat ungültig: \"" + t.Wert() + "\".", t.Position);
    }
    datum.Gruppen = std::move(gruppen);
  }

  static bool GruppenLesen(std::string_view format, std::vector<TDatumsgruppe>& gruppen) {
    auto gelesen = Datumsgruppen(format);
    if (!gelesen) return false;
    gruppen.swap(*gelesen);
    return true;
  }

  std::vector<std::string> Namen(std::size_t anzahl, std::size_t maxLaenge, const char* meldung) {
    const TToken t = tok_.Lesen();
    auto namen = Namensliste(t.Wert(), anzahl, maxLaenge);
    if (!namen) Fehler(meldung + t.Wert() + "\".", t.Position);
    return std::move(*namen);
  }

  TSetzeModus Setzemodus() {
    const TToken t = tok_.Lesen();
    const std::string wert = t.Klein();
    if (wert == "erster") return TSetzeModus::Erster;
    if (wert == "letzter") return TSetzeModus::Letzter;
    Fehler("Ungültige Tages- bzw. Monatsbestimmung: \"" + t.Text +
               "\". Erwarte \"erster\" oder \"letzter\".",
           t.Position);
  }

  // Named member names in any order, the last of a name counting; date and
  // close are needed.
  TJsonHistorieParameter JsonHistorieParameter(const TToken& wort) {
    TJsonHistorieParameter json;
    Liste(wort, true, [&](const TToken& p, int) {
      const auto feld = JsonHistorieFeld(p.Klein());
      if (!feld) UnbekannterParameter(p);
      const TToken t = tok_.Lesen();
      json.Namen[*feld] = ZeichenKuerzen(t.Wert(), kMaxKurztext);
      if (t.Text == "," || t.Text == ")" || json.Namen[*feld].empty()) {
        Fehler("Feldname fehlt.", t.Position);
      }
    });
    if (json.Namen[jhDatum].empty() || json.Namen[jhSchluss].empty()) {
      Fehler("Die JsonHistorie-Anweisung benötigt die Parameter 'datum' und 'schluss'.",
             wort.Position);
    }
    return json;
  }

  TFeldParameter FeldParameter(const TToken& wort, bool istKurs) {
    TFeldParameter feld;
    Liste(wort, false, [&](const TToken& p, int) {
      const std::string name = p.Klein();
      if (name == "trennzeichen") {
        feld.Trennzeichen = Zeichen();
      } else if (name == "länge") {
        const TToken t = tok_.Lesen();
        const auto laenge = TextZuByte(t.Text);
        if (!laenge || *laenge == 0) UngueltigeZahl(t, t.Text);
        feld.Laenge = *laenge;
      } else if (istKurs && name == "faktor") {
        feld.Faktor = Dezimalzahl(true);
      } else if (istKurs && name == "summand") {
        feld.Summand = Dezimalzahl(false);
      } else if (istKurs && name == "tausenderpunkt") {
        feld.Tausenderzeichen = Zeichen();
      } else if (istKurs && name == "bruchschreibweise") {
        feld.Bruchschreibweise = true;
      } else {
        UnbekannterParameter(p);
      }
    });
    return feld;
  }

  std::string Zeichen() {
    const TToken t = tok_.Lesen();
    std::string zeichen = t.Wert();
    if (Utf8Laenge(zeichen) != 1) Fehler("Trennzeichen erwartet.", t.Position);
    return zeichen;
  }

  double Dezimalzahl(bool positiv) {
    const TToken t = tok_.Lesen();
    const auto zahl = TextZuZahl(t.Wert(), 6);
    if (!zahl || !std::isfinite(*zahl) || (positiv && *zahl <= 0)) UngueltigeZahl(t, t.Wert());
    return *zahl;
  }

  TTokenizer tok_;
};

}  // namespace

std::optional<std::vector<TDatumsgruppe>> Datumsgruppen(std::string_view f) {
  using TArt = TDatumsgruppe::TArt;
  std::vector<TDatumsgruppe> gruppen;
  const auto kommtVor = [&](TArt art) {
    return std::any_of(gruppen.begin(), gruppen.end(), [&](const auto& g) {
      return g.Art == art || (art == TArt::Jahr2 && g.Art == TArt::Jahr4);
    });
  };
  std::size_t i = 0;
  while (i < f.size()) {
    const std::string_view kennung = f.substr(i, 2);
    TDatumsgruppe gruppe;
    if (kennung == "TT") {
      gruppe.Art = TArt::Tag;
    } else if (kennung == "MM") {
      gruppe.Art = TArt::Monat;
    } else if (kennung == "JJ") {
      gruppe.Art = f.substr(i + 2, 2) == "JJ" ? TArt::Jahr4 : TArt::Jahr2;
    } else if (kennung == "QQ") {
      gruppe.Art = TArt::Quartal;
    } else {
      return std::nullopt;
    }
    if (kommtVor(gruppe.Art == TArt::Jahr4 ? TArt::Jahr2 : gruppe.Art)) return std::nullopt;
    i += gruppe.Art == TArt::Jahr4 ? 4 : 2;
    if (i < f.size() && !IstGruppenanfang(f[i])) {
      gruppe.Trennzeichen = std::string(f.substr(i, ZeichenBytes(f[i])));
      i += gruppe.Trennzeichen.size();
    }
    gruppen.push_back(std::move(gruppe));
  }
  const bool quartal = std::any_of(gruppen.begin(), gruppen.end(),
                                   [](const auto& g) { return g.Art == TArt::Quartal; });
  const bool tagOderMonat = std::any_of(gruppen.begin(), gruppen.end(), [](const auto& g) {
    return g.Art == TArt::Tag || g.Art == TArt::Monat;
  });
  if (quartal && tagOderMonat) return std::nullopt;
  return gruppen;
}

TScriptParser::TScriptParser(std::string_view script) {
  const std::string text = ExternZuUtf8(script);
  if (Utf8Laenge(text) > kMaxScriptLaenge) {
    throw EScriptParseError("Das Script ist zu lang: Es darf höchstens 65535 Zeichen enthalten.",
                            kMaxScriptLaenge);
  }
  befehle_ = TLeser(text).Alle(hatDatensatz_);
}

const TBefehl* TScriptParser::NaechsterBefehl() {
  if (cursor_ + 1 >= static_cast<int>(befehle_.size())) return nullptr;
  return &befehle_[++cursor_];
}

void TScriptParser::Zurueckspringen() {
  if (cursor_ < 0 || cursor_ >= static_cast<int>(befehle_.size())) return;
  const TBefehl& befehl = befehle_[cursor_];
  if (befehl.Typ == TBefehlsTyp::Ende) {
    cursor_ = std::get<TSchleifenParameter>(befehl.Parameter).DatensatzIndex;
  }
}

}  // namespace morvane
