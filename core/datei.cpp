#include "core/datei.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
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

}  // namespace

std::string Fehlertext(int fehlernummer) {
  switch (fehlernummer) {
    case ENOENT:
      return "Datei oder Verzeichnis nicht gefunden";
    case EACCES:
    case EPERM:
      return "Zugriff verweigert";
    case ENOSPC:
      return "Kein Platz mehr auf dem Datenträger";
    case EROFS:
      return "Schreibgeschütztes Dateisystem";
    case EISDIR:
      return "Ist ein Verzeichnis";
    case EEXIST:
      return "Datei existiert bereits";
    case ENOTDIR:
      return "Kein Verzeichnis";
    default:
      return std::string("Ein-/Ausgabefehler (") + std::strerror(fehlernummer) + ")";
  }
}

std::string_view DateiLesenIn(const std::string& pfad, std::string& puffer,
                              std::size_t hoechstens) {
  TDeskriptor datei(::open(pfad.c_str(), O_RDONLY | O_CLOEXEC));
  if (datei.fd() < 0) Fehler();
  struct stat info {};
  if (::fstat(datei.fd(), &info) != 0) Fehler();
  if (S_ISDIR(info.st_mode)) throw EDatei(Fehlertext(EISDIR));
  // Room for one byte more than the size, so the read that meets the end
  // needs no second buffer; a file that grows meanwhile is still read whole.
  const std::size_t erwartet = std::min(static_cast<std::size_t>(info.st_size) + 1, hoechstens);
  if (puffer.size() < erwartet) puffer.resize(erwartet);
  std::size_t gelesen = 0;
  while (gelesen < hoechstens) {
    if (gelesen == puffer.size()) {
      puffer.resize(std::min(std::max<std::size_t>(2 * puffer.size(), 4096), hoechstens));
    }
    const std::size_t platz = std::min(puffer.size(), hoechstens) - gelesen;
    const ssize_t n = ::read(datei.fd(), puffer.data() + gelesen, platz);
    if (n < 0) {
      if (errno == EINTR) continue;
      Fehler();
    }
    if (n == 0) break;
    gelesen += static_cast<std::size_t>(n);
  }
  return std::string_view(puffer.data(), gelesen);
}

std::string DateiLesen(const std::string& pfad) {
  std::string inhalt;
  inhalt.resize(DateiLesenIn(pfad, inhalt).size());
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

void DateiAtomarSchreiben(const std::string& pfad, std::string_view daten, unsigned modus) {
  std::string vorlage = pfad + ".tmpXXXXXX";
  TDeskriptor datei(::mkstemp(vorlage.data()));
  if (datei.fd() < 0) Fehler();
  try {
    if (::fchmod(datei.fd(), modus) != 0) Fehler();
    AllesSchreiben(datei.fd(), daten);
    if (::fsync(datei.fd()) != 0) Fehler();
    if (::close(datei.Freigeben()) != 0) Fehler();
    if (::rename(vorlage.c_str(), pfad.c_str()) != 0) Fehler();
  } catch (...) {
    ::unlink(vorlage.c_str());
    throw;
  }
}

}  // namespace morvane
