#include "core/datei.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <utility>

namespace morvane {
namespace {

// Closes a descriptor when the scope ends.
class TDeskriptor {
 public:
  explicit TDeskriptor(int fd) : fd_(fd) {}
  ~TDeskriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  TDeskriptor(const TDeskriptor&) = delete;
  TDeskriptor& operator=(const TDeskriptor&) = delete;
  int fd() const { return fd_; }
  int Freigeben() { return std::exchange(fd_, -1); }

 private:
  int fd_;
};

[[noreturn]] void Fehler() {
  throw EDatei(Fehlertext(errno));
}

void AllesSchreiben(int fd, std::string_view daten) {
  while (!daten.empty()) {
    const ssize_t n = ::write(fd, daten.data(), daten.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      Fehler();
    }
    daten.remove_prefix(static_cast<std::size_t>(n));
  }
}

struct TFehlertext {
  int Nummer;
  std::string_view Text;
};

constexpr std::array<TFehlertext, 24> kFehlertexte = {{
    {ENOENT, "Datei oder Verzeichnis nicht gefunden"},
    {EACCES, "Zugriff verweigert"},
    {EPERM, "Zugriff verweigert"},
    {ENOSPC, "Kein Platz mehr auf dem Datenträger"},
    {EDQUOT, "Speicherkontingent auf dem Datenträger erschöpft"},
    {EFBIG, "Datei zu groß"},
    {EROFS, "Schreibgeschütztes Dateisystem"},
    {EISDIR, "Ist ein Verzeichnis"},
    {EEXIST, "Datei existiert bereits"},
    {ENOTDIR, "Kein Verzeichnis"},
    {ENAMETOOLONG, "Dateiname zu lang"},
    {ELOOP, "Zu viele Ebenen symbolischer Verknüpfungen"},
    {EIO, "Ein-/Ausgabefehler"},
    {EMFILE, "Zu viele offene Dateien"},
    {ENFILE, "Zu viele offene Dateien im System"},
    {ENOMEM, "Zu wenig Arbeitsspeicher"},
    {EBUSY, "Gerät oder Datei belegt"},
    {ETXTBSY, "Gerät oder Datei belegt"},
    {EXDEV, "Verschieben zwischen Dateisystemen nicht möglich"},
    {ENXIO, "Gerät nicht vorhanden"},
    {ENODEV, "Gerät nicht vorhanden"},
    {EAGAIN, "Vorübergehend nicht verfügbar"},
    {EINVAL, "Ungültiger Vorgang für diese Datei"},
    {ENOTEMPTY, "Verzeichnis ist nicht leer"},
}};

}  // namespace

std::string Fehlertext(int fehlernummer) {
  for (const TFehlertext& f : kFehlertexte) {
    if (f.Nummer == fehlernummer) return std::string(f.Text);
  }
  // Only the number: the system's own text would be English.
  return "Systemfehler " + std::to_string(fehlernummer);
}

std::string GroesseText(std::size_t bytes) {
  constexpr std::size_t kMB = std::size_t{1} << 20;
  constexpr std::size_t kKB = std::size_t{1} << 10;
  if (bytes >= kMB && bytes % kMB == 0) return std::to_string(bytes / kMB) + " MB";
  if (bytes >= kKB && bytes % kKB == 0) return std::to_string(bytes / kKB) + " KB";
  return std::to_string(bytes) + " Bytes";
}

namespace {

[[noreturn]] void ZuGross(std::size_t grenze) {
  throw EDateiUngeeignet("Datei größer als " + GroesseText(grenze));
}

// Only regular files are read: a pipe would block and a device may never end.
void LesbarPruefen(const struct stat& info) {
  if (S_ISDIR(info.st_mode)) throw EDatei(Fehlertext(EISDIR));
  if (!S_ISREG(info.st_mode)) throw EDateiUngeeignet("Keine reguläre Datei");
}

}  // namespace

std::string_view DateiLesenIn(const std::string& pfad, std::string& puffer, std::size_t hoechstens,
                              std::size_t grenze) {
  // Without O_NONBLOCK opening a pipe would wait for a writer.
  TDeskriptor datei(::open(pfad.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
  if (datei.fd() < 0) Fehler();
  struct stat info {};
  if (::fstat(datei.fd(), &info) != 0) Fehler();
  LesbarPruefen(info);
  const auto groesse = static_cast<std::size_t>(info.st_size);
  if (hoechstens > grenze && groesse > grenze) ZuGross(grenze);
  // One byte beyond the limit tells a file that grew past it while we read.
  const std::size_t ende = hoechstens > grenze ? grenze + 1 : hoechstens;
  // Room for one byte more than the size, so the read that meets the end
  // needs no second buffer; a file that grows meanwhile is still read whole.
  const std::size_t erwartet = std::min(groesse + 1, ende);
  if (puffer.size() < erwartet) puffer.resize(erwartet);
  std::size_t gelesen = 0;
  while (gelesen < ende) {
    if (gelesen == puffer.size()) {
      puffer.resize(std::min(std::max<std::size_t>(2 * puffer.size(), 4096), ende));
    }
    const std::size_t platz = std::min(puffer.size(), ende) - gelesen;
    const ssize_t n = ::read(datei.fd(), puffer.data() + gelesen, platz);
    if (n < 0) {
      if (errno == EINTR) continue;
      Fehler();
    }
    if (n == 0) break;
    gelesen += static_cast<std::size_t>(n);
  }
  if (gelesen > grenze) ZuGross(grenze);
  return std::string_view(puffer.data(), gelesen);
}

std::string DateiLesen(const std::string& pfad, std::size_t grenze) {
  std::string inhalt;
  inhalt.resize(DateiLesenIn(pfad, inhalt, kGanzeDatei, grenze).size());
  return inhalt;
}

namespace {

// The buffer of TDateiInhalt of this thread.
struct TThreadPuffer {
  std::string puffer;
  bool belegt = false;
};
thread_local TThreadPuffer threadPuffer;

}  // namespace

TDateiInhalt::TLeihe::TLeihe() : geliehen_(threadPuffer.belegt ? nullptr : &threadPuffer.puffer) {
  if (geliehen_) threadPuffer.belegt = true;
}

TDateiInhalt::TLeihe::~TLeihe() {
  if (!geliehen_) return;
  if (geliehen_->capacity() > kBehaltenBis) std::string().swap(*geliehen_);
  threadPuffer.belegt = false;
}

namespace {

// Closes a directory stream when the scope ends.
struct TVerzeichnisSchliessen {
  void operator()(DIR* d) const { ::closedir(d); }
};

// "<name>.tmp" and six letters or digits, as mkstemp makes them.
bool IstTemporaere(std::string_view eintrag, std::string_view praefix) {
  if (eintrag.size() != praefix.size() + 6 || eintrag.substr(0, praefix.size()) != praefix) {
    return false;
  }
  return std::all_of(
      eintrag.begin() + static_cast<std::ptrdiff_t>(praefix.size()), eintrag.end(), [](char c) {
        return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
      });
}

// Removes the temporary files of `ziel` that killed saves left behind. Only
// old ones go: a younger one may belong to a save that is still writing.
void VerwaisteEntfernen(const std::string& ziel) {
  const std::size_t trenner = ziel.rfind('/');
  const std::string verzeichnis = trenner == std::string::npos ? "." : ziel.substr(0, trenner + 1);
  const std::string praefix =
      (trenner == std::string::npos ? ziel : ziel.substr(trenner + 1)) + ".tmp";
  const std::unique_ptr<DIR, TVerzeichnisSchliessen> dir(::opendir(verzeichnis.c_str()));
  if (!dir) return;
  const std::time_t jetzt = std::time(nullptr);
  while (const dirent* eintrag = ::readdir(dir.get())) {
    if (!IstTemporaere(eintrag->d_name, praefix)) continue;
    struct stat info {};
    if (::fstatat(::dirfd(dir.get()), eintrag->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0 ||
        !S_ISREG(info.st_mode) || jetzt - info.st_mtime < kTemporaerVerwaistNach) {
      continue;
    }
    // Another save may have taken it first; that is as good.
    ::unlinkat(::dirfd(dir.get()), eintrag->d_name, 0);
  }
}

// The file a save replaces: the one a symbolic link names, so that the link
// stays; a dangling link is replaced like a missing file.
std::string Speicherziel(const std::string& pfad) {
  struct stat info {};
  if (::lstat(pfad.c_str(), &info) != 0) return pfad;
  std::string ziel = pfad;
  if (S_ISLNK(info.st_mode)) {
    char aufgeloest[PATH_MAX];
    if (::realpath(pfad.c_str(), aufgeloest) == nullptr) return pfad;
    ziel = aufgeloest;
    if (::stat(ziel.c_str(), &info) != 0) Fehler();
  }
  if (S_ISDIR(info.st_mode)) throw EDateiUngeeignet(Fehlertext(EISDIR));
  if (!S_ISREG(info.st_mode)) throw EDateiUngeeignet("Keine reguläre Datei");
  return ziel;
}

}  // namespace

void DateiAtomarSchreiben(const std::string& pfad, std::string_view daten, unsigned modus) {
  const std::string ziel = Speicherziel(pfad);
  VerwaisteEntfernen(ziel);
  std::string vorlage = ziel + ".tmpXXXXXX";
  TDeskriptor datei(::mkstemp(vorlage.data()));
  if (datei.fd() < 0) Fehler();
  try {
    if (::fchmod(datei.fd(), modus) != 0) Fehler();
    AllesSchreiben(datei.fd(), daten);
    if (::fsync(datei.fd()) != 0) Fehler();
    if (::close(datei.Freigeben()) != 0) Fehler();
    if (::rename(vorlage.c_str(), ziel.c_str()) != 0) Fehler();
  } catch (...) {
    ::unlink(vorlage.c_str());
    throw;
  }
}

}  // namespace morvane
