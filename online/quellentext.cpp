#include "online/quellentext.h"

#include <algorithm>
#include <optional>

#include "core/datumtext.h"
#include "core/zahltext.h"
#include "online/inlineparser.h"
#include "online/scriptparser.h"

namespace morvane {
namespace {

bool IstBlank(char c) {
  return c == ' ' || c == '\t';
}

class TQuellentextLeser {
 public:
  explicit TQuellentextLeser(std::string_view text) : text_(text) {}

  TQuellentext Lesen() {
    bool hatDatei = false;
    while (Zeile()) {
      if (IstLeerOderKommentar()) continue;
      const auto [schluessel, wert] = Teilen();
      if (schluessel == "Datei") {
        ergebnis_.Kopf = Kopf(wert);
        hatDatei = true;
      } else if (schluessel == "Stand") {
        const auto stand = TextZuKalendertag(wert);
        if (!stand) Fehler("Ungültiges Datum: " + std::string(wert));
        ergebnis_.Stand = *stand;
      } else if (schluessel == "Quelle") {
        ergebnis_.Quellen.push_back(NeueQuelle(wert));
      } else if (ergebnis_.Quellen.empty()) {
        Fehler("'" + std::string(schluessel) + ":' vor der ersten Quelle");
      } else {
        QuellenFeld(ergebnis_.Quellen.back(), schluessel, wert);
      }
    }
    if (!hatDatei || ergebnis_.Stand == 0) Fehler("'Datei:' und 'Stand:' fehlen");
    for (const TQuelle& q : ergebnis_.Quellen) {
      if (q.UrlVorlage.empty() || q.Script.empty()) {
        throw EQuellentext("Kursquelle '" + q.Anzeigename() + "': 'Adresse:' oder 'Script:' fehlt");
      }
    }
    return std::move(ergebnis_);
  }

 private:
  bool Zeile() {
    if (pos_ >= text_.size()) return false;
    const std::size_t ende = std::min(text_.find('\n', pos_), text_.size());
    zeile_ = text_.substr(pos_, ende - pos_);
    if (zeile_.ends_with('\r')) zeile_.remove_suffix(1);
    pos_ = ende + 1;
    ++nummer_;
    return true;
  }

  bool IstLeerOderKommentar() const {
    const std::string_view t = Trimmen(zeile_);
    return t.empty() || t.front() == '#';
  }

  [[noreturn]] void Fehler(const std::string& meldung) const {
    throw EQuellentext("Zeile " + std::to_string(nummer_) + ": " + meldung);
  }

  std::pair<std::string_view, std::string_view> Teilen() const {
    const std::size_t doppelpunkt = zeile_.find(':');
    if (IstBlank(zeile_.front()) || doppelpunkt == std::string_view::npos) {
      Fehler("'Name: Wert' erwartet");
    }
    return {zeile_.substr(0, doppelpunkt), Trimmen(zeile_.substr(doppelpunkt + 1))};
  }

  TQuellenKopf Kopf(std::string_view wert) const {
    if (wert == "Programm") return TQuellenKopf::Programm;
    if (wert == "Persönlich") return TQuellenKopf::Persoenlich;
    Fehler("'Programm' oder 'Persönlich' erwartet");
  }

  TQuelle NeueQuelle(std::string_view anzeigename) const {
    TQuelle quelle;
    for (std::uint8_t art = qaInternetAktuell; art <= qaTextdatei; ++art) {
      const std::string vorn = std::string(QuellenArtText(art)) + ": ";
      if (anzeigename.starts_with(vorn) && anzeigename.size() > vorn.size()) {
        quelle.Art = art;
        quelle.Name = std::string(anzeigename.substr(vorn.size()));
        quelle.Seitentyp = 2;
        const auto& alle = ergebnis_.Quellen;
        if (std::any_of(alle.begin(), alle.end(),
                        [&](const TQuelle& q) { return q.Anzeigename() == anzeigename; })) {
          Fehler("Kursquelle doppelt: " + std::string(anzeigename));
        }
        return quelle;
      }
    }
    Fehler("Art und Name der Kursquelle erwartet: " + std::string(anzeigename));
  }

  void QuellenFeld(TQuelle& quelle, std::string_view schluessel, std::string_view wert) {
    if (schluessel == "Adresse") {
      quelle.UrlVorlage = std::string(wert);
    } else if (schluessel == "Seite") {
      if (wert != "Text" && wert != "HTML") Fehler("'Text' oder 'HTML' erwartet");
      quelle.Seitentyp = wert == "HTML" ? 2 : 1;
    } else if (schluessel == "Script") {
      if (!wert.empty()) Fehler("das Script beginnt in der Zeile nach 'Script:'");
      quelle.Script = Script();
    } else {
      Fehler("unbekannte Angabe '" + std::string(schluessel) + "'");
    }
  }

  // The indented and empty lines that follow, comments left out.
  std::string Script() {
    std::string script;
    while (pos_ < text_.size() && (IstBlank(text_[pos_]) || text_[pos_] == '\n' ||
                                   text_[pos_] == '\r' || text_[pos_] == '#')) {
      Zeile();
      if (IstLeerOderKommentar()) continue;
      if (!script.empty()) script += '\n';
      script += Trimmen(zeile_);
    }
    return script;
  }

  std::string_view text_;
  std::size_t pos_ = 0;
  std::string_view zeile_;
  int nummer_ = 0;
  TQuellentext ergebnis_;
};

}  // namespace

TQuellentext QuellentextLesen(std::string_view text) {
  return TQuellentextLeser(text).Lesen();
}

std::vector<std::string> QuellenPruefen(const std::vector<TQuelle>& quellen,
                                        const TDatum& laufdatum) {
  std::vector<std::string> fehler;
  for (const TQuelle& quelle : quellen) {
    const auto melden = [&](const char* was, const ETextfehler& e) {
      fehler.push_back(std::string(was) + " bei Kursquelle '" + quelle.Anzeigename() +
                       "': " + e.Meldung() + " (Position " + std::to_string(e.Position()) + ")");
    };
    try {
      TInlineParser vorlage(quelle.UrlVorlage, laufdatum);
    } catch (const EInlineError& e) {
      melden("Fehler in Internetadresse/Pfad", e);
    }
    try {
      TScriptParser script(quelle.Script);
    } catch (const EScriptParseError& e) {
      melden("Fehler im Script", e);
    }
  }
  return fehler;
}

}  // namespace morvane
