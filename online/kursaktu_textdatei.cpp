// The text-file pass of an update run: sources whose "address" is the path
// of a local file.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "core/datei.h"
#include "online/kursaktulauf.h"

namespace morvane {
namespace {

// Far above any price file; a larger one is refused instead of filling memory.
constexpr off_t kTextdateiGrenze = off_t{64} << 20;

struct TTextdatei {
  enum class TFehler { Keiner, Oeffnen, Lesen };
  TFehler Fehler = TFehler::Keiner;
  std::string Grund;
  std::string Inhalt;
};

TTextdatei Fehlschlag(TTextdatei::TFehler fehler, std::string grund) {
  return {fehler, std::move(grund), {}};
}

// Reads a regular file; whether opening or reading failed and why.
TTextdatei TextdateiLesen(const std::string& pfad) {
  using TFehler = TTextdatei::TFehler;
  const int fd = ::open(pfad.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return Fehlschlag(TFehler::Oeffnen, Fehlertext(errno));
  TTextdatei datei;
  struct stat info {};
  if (::fstat(fd, &info) != 0) {
    datei = Fehlschlag(TFehler::Lesen, Fehlertext(errno));
  } else if (!S_ISREG(info.st_mode)) {
    datei = Fehlschlag(TFehler::Lesen, "keine reguläre Datei");
  } else if (info.st_size > kTextdateiGrenze) {
    datei = Fehlschlag(TFehler::Lesen, "Datei größer als " + GroesseText(kTextdateiGrenze));
  } else {
    datei.Inhalt.resize(static_cast<std::size_t>(info.st_size));
    std::size_t gelesen = 0;
    while (gelesen < datei.Inhalt.size()) {
      const ssize_t n = ::read(fd, datei.Inhalt.data() + gelesen, datei.Inhalt.size() - gelesen);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) {
        datei = Fehlschlag(TFehler::Lesen, Fehlertext(errno));
        break;
      }
      if (n == 0) break;  // shrunk meanwhile
      gelesen += static_cast<std::size_t>(n);
    }
    if (datei.Fehler == TFehler::Keiner) datei.Inhalt.resize(gelesen);
  }
  ::close(fd);
  return datei;
}

}  // namespace

void TKursaktu::TextdateiLauf() {
  std::vector<TAuftrag> auftraege = Auftraege(true);
  const int n = static_cast<int>(auftraege.size());
  for (int i = 0; i < n; ++i) {
    TAuftrag& auftrag = auftraege[static_cast<std::size_t>(i)];
    umgebung_.Fortschritt(auftrag.first->Anzeigename(), n, i + 1, lauf_);
    Textdatei(auftrag);
  }
}

void TKursaktu::Textdatei(TAuftrag& auftrag) {
  const std::string pfad = auftrag.first->Anfragetext(auftrag.second);
  const TTextdatei datei = TextdateiLesen(pfad);
  switch (datei.Fehler) {
    case TTextdatei::TFehler::Oeffnen:
      umgebung_.Meldung("Konnte die Datei " + pfad + " nicht öffnen.");
      Protokoll("EFOpenError (" + datei.Grund + ") beim Öffnen von " + pfad);
      return;
    case TTextdatei::TFehler::Lesen:
      umgebung_.Meldung("Konnte die Datei " + pfad + " nicht lesen.");
      Protokoll("EStreamError (" + datei.Grund + ") beim Lesen von " + pfad);
      return;
    case TTextdatei::TFehler::Keiner:
      Auswerten(auftrag, datei.Inhalt, nullptr);
  }
}

}  // namespace morvane
