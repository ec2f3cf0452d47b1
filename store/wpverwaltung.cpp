#include "store/wpverwaltung.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <utility>

#include "core/datei.h"
#include "store/dateisperre.h"
#include "store/leserkette.h"
#include "store/wp_importexport_mv35.h"

namespace morvane {
namespace {

namespace fs = std::filesystem;

// Master data fit into this much of a file unless a text is very long.
constexpr std::size_t kStammdatenAnfang = 64 * 1024;

const TWP_ImportExport_MV35 kMV35;

TLesung MitKetteLaden(const std::string& id, TLeseumfang umfang) {
  const auto ungueltig = [&] {
    return EWPVerwaltung("Die ID '" + id + "' verweist auf keine gültige Wertpapier-Datei.");
  };
  try {
    if (umfang == TLeseumfang::Stammdaten) {
      const TDateiInhalt anfang(id, kStammdatenAnfang);
      if (auto lesung = MitLeserketteLesen(anfang.Daten(), id, umfang)) return std::move(*lesung);
      if (anfang.Daten().size() < kStammdatenAnfang) throw ungueltig();
    }
    const TDateiInhalt datei(id);
    if (auto lesung = MitLeserketteLesen(datei.Daten(), id, umfang)) return std::move(*lesung);
  } catch (const EDateiUngeeignet& e) {
    throw EWPVerwaltung("Konnte Datei '" + id + "' nicht öffnen: " + e.Meldung());
  } catch (const EDatei&) {
    // Unreadable files are reported like files of no known version.
  }
  throw ungueltig();
}

// A missing or empty file: what a new security starts from.
bool FehltOderLeer(const std::string& id) {
  struct stat info {};
  return ::stat(id.c_str(), &info) != 0 || (S_ISREG(info.st_mode) && info.st_size == 0);
}

// Creates the empty file `pfad` unless it exists; true when created.
bool Reservieren(const std::string& pfad) {
  const int fd = ::open(pfad.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
  if (fd >= 0) {
    ::close(fd);
    return true;
  }
  if (errno == EEXIST) return false;
  throw EWPVerwaltung("Konnte Datei '" + pfad + "' nicht anlegen: " + Fehlertext(errno));
}

// Creates the directory of an ID when missing (one level, a new catalog); a
// failure shows up when the file itself is written.
void VerzeichnisAnlegen(const std::string& id) {
  const std::size_t trenner = id.rfind('/');
  if (trenner != std::string::npos && trenner > 0) ::mkdir(id.substr(0, trenner).c_str(), 0755);
}

std::string Grund(int fehler) {
  return fehler == ENOTEMPTY ? "Verzeichnis ist nicht leer" : Fehlertext(fehler);
}

// Runs `arbeit`; any failure leaves as EWPVerwaltung with `vorspann` before
// the inner message.
template <class F>
auto MitVorspann(const std::string& vorspann, F&& arbeit) {
  try {
    return arbeit();
  } catch (const Exception& e) {
    throw EWPVerwaltung(vorspann + e.Meldung());
  }
}

bool EndungGleich(const std::string& name, std::string_view endung) {
  if (name.size() < endung.size()) return false;
  for (std::size_t i = 0; i < endung.size(); ++i) {
    const char c = name[name.size() - endung.size() + i];
    const char klein = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    if (klein != endung[i]) return false;
  }
  return true;
}

bool IstErlaubt(unsigned char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
         std::string_view(" !$()+-[]_{}").find(static_cast<char>(c)) != std::string_view::npos;
}

// Second bytes of the UTF-8 umlauts Ä Ö Ü ä ö ü after the lead byte C3.
bool IstUmlaut(unsigned char zweites) {
  return std::string_view("\x84\x96\x9C\xA4\xB6\xBC").find(static_cast<char>(zweites)) !=
         std::string_view::npos;
}

}  // namespace

std::string NameFiltern(std::string_view name) {
  std::string ergebnis;
  std::size_t i = 0;
  while (i < name.size()) {
    const auto c = static_cast<unsigned char>(name[i]);
    if (c < 0x80) {
      if (IstErlaubt(c)) ergebnis += name[i];
      ++i;
    } else if (c == 0xC3 && i + 1 < name.size() &&
               IstUmlaut(static_cast<unsigned char>(name[i + 1]))) {
      ergebnis.append(name.substr(i, 2));
      i += 2;
    } else {
      // Skip the whole character: its lead byte and the continuation bytes.
      ++i;
      while (i < name.size() && (static_cast<unsigned char>(name[i]) & 0xC0) == 0x80)
        ++i;
    }
  }
  return ergebnis;
}

TWPVerwaltung::TWPVerwaltung(std::string datenverzeichnis)
    : datenverzeichnis_([verzeichnis = std::move(datenverzeichnis)] { return verzeichnis; }) {}

TWPVerwaltung::TWPVerwaltung(std::function<std::string()> datenverzeichnis)
    : datenverzeichnis_(std::move(datenverzeichnis)) {}

std::string TWPVerwaltung::Datenverzeichnis() const {
  std::string verzeichnis = datenverzeichnis_();
  // An empty setting must never turn into the root directory.
  if (verzeichnis.empty()) return "./";
  if (verzeichnis.back() != '/') verzeichnis += '/';
  return verzeichnis;
}

void TWPVerwaltung::KatalogPruefen(const std::string& katalog) const {
  if (katalog.empty() || katalog == "." || katalog == ".." ||
      katalog.find_first_of(std::string_view("/\0", 2)) != std::string::npos) {
    throw EWPVerwaltung("Ungültiger Katalog oder Wertpapier-Name");
  }
}

void TWPVerwaltung::KatalogeAuflisten(std::vector<std::string>& liste) const {
  liste.clear();
  std::error_code fehler;
  for (fs::directory_iterator it(Datenverzeichnis(), fehler), ende; !fehler && it != ende;
       it.increment(fehler)) {
    std::error_code artFehler;
    if (it->is_directory(artFehler)) liste.push_back(it->path().filename().string());
  }
}

void TWPVerwaltung::WertpapiereAuflisten(const std::string& katalog,
                                         std::vector<std::string>& liste) const {
  KatalogPruefen(katalog);
  const std::string verzeichnis = Datenverzeichnis() + katalog + "/";
  constexpr std::array<std::string_view, 3> kEndungen = {".mv3", ".mv2", ".mvt"};
  std::array<std::vector<std::string>, 3> gruppen;
  std::error_code fehler;
  for (fs::directory_iterator it(verzeichnis, fehler), ende; !fehler && it != ende;
       it.increment(fehler)) {
    std::error_code artFehler;
    if (!it->is_regular_file(artFehler)) continue;
    std::string name = it->path().filename().string();
    for (std::size_t g = 0; g < kEndungen.size(); ++g) {
      if (EndungGleich(name, kEndungen[g])) {
        gruppen[g].push_back(verzeichnis + name);
        break;
      }
    }
  }
  for (auto& gruppe : gruppen) {
    liste.insert(liste.end(), std::make_move_iterator(gruppe.begin()),
                 std::make_move_iterator(gruppe.end()));
  }
}

bool TWPVerwaltung::Existiert(const std::string& id) const {
  struct stat info {};
  return ::stat(id.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::string TWPVerwaltung::KatalogAusID(const std::string& id) const {
  const std::string verzeichnis = Datenverzeichnis();
  if (id.compare(0, verzeichnis.size(), verzeichnis) != 0) return {};
  const std::size_t trenner = id.rfind('/');
  if (trenner < verzeichnis.size()) return {};
  return id.substr(verzeichnis.size(), trenner - verzeichnis.size());
}

std::string Beschaedigt(const std::string& id, std::size_t ungelesen) {
  return "Die Datei '" + id + "' ist beschädigt: Nach der Kursliste folgen noch " +
         std::to_string(ungelesen) + " ungelesene Bytes.";
}

namespace {

std::string Verworfen(const std::string& id, int verworfen) {
  return "Die Datei '" + id + "' enthält " + std::to_string(verworfen) +
         (verworfen == 1 ? " ungültigen Kurs; er wurde" : " ungültige Kurse; sie wurden") +
         " übergangen.";
}

}  // namespace

TLesung TWPVerwaltung::Laden(const std::string& id, TLeseumfang umfang) const {
  TLesung lesung = MitKetteLaden(id, umfang);
  if (!hinweis_) return lesung;
  if (lesung.Ungelesen > 0) hinweis_(Beschaedigt(id, lesung.Ungelesen));
  if (lesung.Verworfen > 0) hinweis_(Verworfen(id, lesung.Verworfen));
  return lesung;
}

TWertpapier TWPVerwaltung::WertpapierLaden(const std::string& id) const {
  TWertpapier wertpapier = std::move(Laden(id, TLeseumfang::Alles).Wertpapier);
  wertpapier.Katalog = KatalogAusID(id);
  return wertpapier;
}

TWPStammdaten TWPVerwaltung::StammdatenLaden(const std::string& id) const {
  TWPStammdaten stammdaten = std::move(Laden(id, TLeseumfang::Stammdaten).Wertpapier);
  stammdaten.Katalog = KatalogAusID(id);
  return stammdaten;
}

TWPTransaktionen TWPVerwaltung::TransaktionenLaden(const std::string& id) const {
  return std::move(Laden(id, TLeseumfang::Transaktionen).Wertpapier.Transaktionen);
}

TKurse TWPVerwaltung::KurseLaden(const std::string& id) const {
  return std::move(Laden(id, TLeseumfang::Alles).Wertpapier.Kurse);
}

void TWPVerwaltung::Schreiben(const std::string& id, const TWertpapier& wertpapier) const {
  MitVorspann("Konnte Wertpapier mit ID '" + id + "' nicht speichern: ", [&] {
    VerzeichnisAnlegen(id);
    kMV35.WertpapierSpeichern(id, wertpapier);
  });
}

void TWPVerwaltung::WertpapierSpeichern(const std::string& id,
                                        const TWertpapier& wertpapier) const {
  // Waits for a change in progress, which would otherwise replace this save
  // with what it had loaded before.
  std::optional<TDateiSperre> sperre;
  MitVorspann("Konnte Datei '" + id + "' nicht sperren: ", [&] { sperre.emplace(id); });
  Schreiben(id, wertpapier);
}

void TWPVerwaltung::Aendern(const std::string& id, bool neuErlaubt,
                            const TAenderung& aenderung) const {
  // A new security gets its file before the lock is taken, so that a second
  // creator of the same ID waits for this one instead of replacing its work.
  bool angelegt = false;
  if (neuErlaubt) {
    VerzeichnisAnlegen(id);
    angelegt = Reservieren(id);
  }
  try {
    std::optional<TDateiSperre> sperre;
    MitVorspann("Konnte Datei '" + id + "' nicht sperren: ", [&] { sperre.emplace(id); });
    TWertpapier wertpapier;
    if (!neuErlaubt || !FehltOderLeer(id)) {
      TLesung lesung = MitKetteLaden(id, TLeseumfang::Alles);
      if (lesung.Ungelesen > 0) {
        throw EWPVerwaltung(Beschaedigt(id, lesung.Ungelesen) +
                            " Sie wird nicht überschrieben, damit diese Bytes erhalten bleiben.");
      }
      wertpapier = std::move(lesung.Wertpapier);
      wertpapier.Katalog = KatalogAusID(id);
    }
    aenderung(wertpapier);
    Schreiben(id, wertpapier);
  } catch (...) {
    // Leaves no empty file behind that this call made.
    if (angelegt && FehltOderLeer(id)) ::unlink(id.c_str());
    throw;
  }
}

void TWPVerwaltung::WertpapierAendern(const std::string& id, const TAenderung& aenderung) const {
  Aendern(id, false, aenderung);
}

void TWPVerwaltung::StammdatenAendern(const std::string& id,
                                      const TWPStammdaten& stammdaten) const {
  MitVorspann("Konnte Stammdaten mit ID '" + id + "' nicht ändern: ", [&] {
    Aendern(id, true, [&](TWertpapier& w) { w.StammdatenKopieren(stammdaten); });
  });
}

void TWPVerwaltung::TransaktionenAendern(const std::string& id,
                                         const TWPTransaktionen& transaktionen) const {
  MitVorspann("Konnte Transaktionen mit ID '" + id + "' nicht ändern: ", [&] {
    Aendern(id, false, [&](TWertpapier& w) { w.Transaktionen.Zuweisen(transaktionen); });
  });
}

void TWPVerwaltung::KurseAendern(const std::string& id, const TKurse& kurse) const {
  MitVorspann("Konnte Kurse mit ID '" + id + "' nicht ändern: ",
              [&] { Aendern(id, false, [&](TWertpapier& w) { w.Kurse.Zuweisen(kurse); }); });
}

void TWPVerwaltung::KurseMischen(const std::string& id, const TKurse& kurse) const {
  Aendern(id, false, [&](TWertpapier& w) { w.Kurse.Mische(kurse); });
}

std::string TWPVerwaltung::NeueID(const std::string& katalog, const std::string& name) const {
  const std::string k = NameFiltern(katalog);
  const std::string n = NameFiltern(name);
  if (k.empty() || n.empty()) throw EWPVerwaltung("Ungültiger Katalog oder Wertpapier-Name");
  const std::string basis = Datenverzeichnis() + k + "/" + n;
  VerzeichnisAnlegen(basis);
  // Only a name that exists counts up; any other failure to create the file
  // is reported, instead of counting up forever.
  if (Reservieren(basis + ".mv3")) return basis + ".mv3";
  for (long i = 1;; ++i) {
    std::string id = basis + " (" + std::to_string(i) + ").mv3";
    if (Reservieren(id)) return id;
  }
}

void TWPVerwaltung::WertpapierLoeschen(const std::string& id) const {
  if (::unlink(id.c_str()) != 0) {
    throw EWPVerwaltung("Konnte Datei '" + id + "' nicht löschen: " + Grund(errno));
  }
}

void TWPVerwaltung::KatalogLoeschen(const std::string& katalog) const {
  KatalogPruefen(katalog);
  const std::string verzeichnis = Datenverzeichnis() + katalog + "/";
  MitVorspann("Konnte Katalog '" + katalog + "' nicht löschen: ", [&] {
    std::vector<std::string> dateien;
    std::error_code fehler;
    for (fs::directory_iterator it(verzeichnis, fehler), ende; !fehler && it != ende;
         it.increment(fehler)) {
      std::error_code artFehler;
      if (!it->is_directory(artFehler))
        dateien.push_back(verzeichnis + it->path().filename().string());
    }
    for (const std::string& datei : dateien)
      WertpapierLoeschen(datei);
    if (::rmdir(verzeichnis.c_str()) != 0) throw EDatei(Grund(errno));
  });
}

void TWPVerwaltung::Umbenennen(const std::string& alt, const std::string& neu) const {
  KatalogPruefen(alt);
  KatalogPruefen(neu);
  const std::string verzeichnis = Datenverzeichnis();
  const std::string von = verzeichnis + alt;
  const std::string nach = verzeichnis + neu;
  // Never replace an existing target (a plain rename would silently replace an
  // empty directory).
  int ergebnis = ::renameat2(AT_FDCWD, von.c_str(), AT_FDCWD, nach.c_str(), RENAME_NOREPLACE);
  if (ergebnis != 0 && errno == EINVAL) {
    struct stat info {};
    if (::lstat(nach.c_str(), &info) == 0) throw EWPVerwaltung(Grund(EEXIST));
    ergebnis = ::rename(von.c_str(), nach.c_str());
  }
  if (ergebnis != 0) throw EWPVerwaltung(Grund(errno));
}

}  // namespace morvane
