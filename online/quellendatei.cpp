#include "online/quellendatei.h"

#include "core/binaer.h"
#include "core/datei.h"
#include "core/textkodierung.h"

namespace morvane {
namespace {

// Windows-1252 bytes, without length prefix, ended by 0x1A.
constexpr std::string_view kSignaturProgramm = "Morvane 3  Kursquellen\x1A";
constexpr std::string_view kSignaturPersoenlich = "Morvane 3  pers\xF6nliche Kursquellen\x1A";

std::string_view Signatur(TQuellenKopf kopf) {
  return kopf == TQuellenKopf::Programm ? kSignaturProgramm : kSignaturPersoenlich;
}

// Kind by type code (1 to 5) and signature; other codes mean "Internet".
std::uint8_t ArtAusTypcode(std::uint8_t code, TQuellenKopf kopf) {
  if (code < 1 || code > 5) return qaInternet;
  if (kopf == TQuellenKopf::Programm) return static_cast<std::uint8_t>(code - 1);
  return code == 3 || code == 5 ? qaTextdatei : qaInternet;
}

std::uint8_t TypcodeAusArt(const TQuelle& quelle, TQuellenKopf kopf) {
  if (quelle.Art > qaTextdatei) {
    throw EQuellendatei("Die Kursquelle '" + quelle.Name + "' hat eine unbekannte Art.");
  }
  if (kopf == TQuellenKopf::Persoenlich && quelle.Art < qaInternet) {
    throw EQuellendatei("Die Kursquelle '" + quelle.Anzeigename() +
                        "' kann nicht in einer persönlichen Kursquellendatei gespeichert werden.");
  }
  return static_cast<std::uint8_t>(quelle.Art + 1);
}

void TextSchreiben(TBinaerSchreiber& schreiber, const std::string& text, const TQuelle& quelle) {
  if (Utf8ZuWin1252(text).size() > 65535) {
    throw EQuellendatei("Ein Text der Kursquelle '" + quelle.Name +
                        "' ist länger als 65535 Zeichen.");
  }
  schreiber.Text(text);
}

TQuelle QuelleLesen(TBinaerLeser& leser, TQuellenKopf kopf) {
  TQuelle quelle;
  quelle.Art = ArtAusTypcode(leser.Byte(), kopf);
  quelle.Name = leser.Text();
  quelle.Text2 = leser.Text();
  quelle.Text3 = leser.Text();
  quelle.UrlVorlage = leser.Text();
  quelle.Text5 = leser.Text();
  quelle.Seitentyp = leser.Byte();
  quelle.Script = leser.Text();
  return quelle;
}

}  // namespace

std::optional<TQuellenKopf> QuellenSignatur(std::string_view daten) {
  if (daten.starts_with(kSignaturProgramm)) return TQuellenKopf::Programm;
  if (daten.starts_with(kSignaturPersoenlich)) return TQuellenKopf::Persoenlich;
  return std::nullopt;
}

Kalendertag QuellenLesen(std::string_view daten, std::vector<TQuelle>& quellen) {
  const auto kopf = QuellenSignatur(daten);
  if (!kopf) throw EQuellendatei("Die Datei ist keine Morvane-Kursquellendatei.");
  TBinaerLeser leser(daten.substr(Signatur(*kopf).size()));
  const Kalendertag versionsdatum = leser.Int32();
  const std::uint16_t anzahl = leser.Word();
  for (std::uint16_t i = 0; i < anzahl; ++i)
    quellen.push_back(QuelleLesen(leser, *kopf));
  return versionsdatum;
}

std::string QuellenSchreiben(const std::vector<TQuelle>& quellen, TQuellenKopf kopf,
                             Kalendertag versionsdatum) {
  if (quellen.size() > 65535) {
    throw EQuellendatei("Eine Kursquellendatei kann höchstens 65535 Kursquellen aufnehmen.");
  }
  TBinaerSchreiber schreiber;
  schreiber.Roh(Signatur(kopf));
  schreiber.Int32(versionsdatum);
  schreiber.Word(static_cast<std::uint16_t>(quellen.size()));
  for (const TQuelle& quelle : quellen) {
    schreiber.Byte(TypcodeAusArt(quelle, kopf));
    TextSchreiben(schreiber, quelle.Name, quelle);
    schreiber.Text("");
    schreiber.Text("");
    TextSchreiben(schreiber, quelle.UrlVorlage, quelle);
    schreiber.Text("");
    schreiber.Byte(quelle.Seitentyp);
    TextSchreiben(schreiber, quelle.Script, quelle);
  }
  return schreiber.Entnehmen();
}

void QuellendateiSchreiben(const std::string& pfad, const std::vector<TQuelle>& quellen,
                           TQuellenKopf kopf, Kalendertag versionsdatum) {
  const std::string daten = QuellenSchreiben(quellen, kopf, versionsdatum);
  try {
    DateiAtomarSchreiben(pfad, daten);
  } catch (const EDatei& e) {
    throw EQuellendatei("Konnte Datei '" + pfad + "' nicht schreiben: " + e.Meldung());
  }
}

}  // namespace morvane
