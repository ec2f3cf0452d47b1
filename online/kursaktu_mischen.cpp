// Handing the collected records of an update run over to the store.
#include "online/kursaktulauf.h"
#include "online/kurssprung.h"
#include "store/wpverwaltung.h"

namespace morvane {
namespace {

std::string Name(const TWPStammdaten& wp) {
  return wp.Katalog + " / " + wp.Bezeichnung;
}

}  // namespace

void TKursaktu::Neuverteilen(bool zumSchluss) {
  std::vector<TWPTraeger> weiter;
  for (TQuelleTraeger& traeger : traeger_) {
    for (TWPTraeger& wp : traeger.WPs()) {
      if (wp.HatKurse()) {
        Mischen(wp);
      } else {
        (zumSchluss ? ohneKurse_ : weiter).push_back(std::move(wp));
      }
    }
    traeger.WPs().clear();
  }
  for (TWPTraeger& wp : weiter)
    Zuweisen(std::move(wp));
}

// Merged under the store's file lock, so a concurrent writer (another run,
// the desktop program) loses nothing; an implausible jump is merged too but
// noted in the log book.
void TKursaktu::Mischen(const TWPTraeger& wp) {
  try {
    const TKurse gespeichert = kontext_.Verwaltung.KurseLaden(wp.ID());
    kontext_.Verwaltung.KurseMischen(wp.ID(), wp.Kurse());
    for (const std::string& zeile : Kurssprunge(Name(wp.Stammdaten()), gespeichert, wp.Kurse()))
      Protokoll(zeile);
  } catch (const Exception& e) {
    Protokoll(std::string("Konnte neue Kurse nicht dem Wertpapier hinzufügen: ") + e.what());
  }
}

std::vector<TWPOhneKurse> TKursaktu::OhneKurse() const {
  std::vector<TWPOhneKurse> liste = unlesbar_;
  for (const TWPTraeger& wp : ohneKurse_) {
    liste.push_back({wp.ID(), wp.Stammdaten().Katalog, wp.Stammdaten().Bezeichnung, wp.Tageskurse(),
                     std::string(kKeinKurs)});
  }
  return liste;
}

}  // namespace morvane
