#include "app/cli/indikatorauswahl.h"

#include <optional>
#include <string_view>
#include <vector>

#include "app/cli/aufruf.h"

namespace morvane {
namespace {

struct TWahl {
  int Gruppe = 0;
  int Index = 0;
  std::optional<int> Modus;
};

// The parts between the separators; an empty text has none.
std::vector<std::string> Teilen(std::string_view text, char trenner) {
  std::vector<std::string> teile;
  if (text.empty()) return teile;
  for (std::size_t start = 0;;) {
    const std::size_t ende = text.find(trenner, start);
    teile.emplace_back(text.substr(start, ende - start));
    if (ende == std::string_view::npos) return teile;
    start = ende + 1;
  }
}

TWahl WahlLesen(const TIndAnalyse& analyse, const std::string& eintrag) {
  const std::vector<std::string> teile = Teilen(eintrag, ':');
  if (teile.size() < 2 || teile.size() > 3)
    throw EAufruf("Ungültige Indikatorangabe '" + eintrag + "': erwartet GRUPPE:INDEX[:MODUS].");
  TWahl wahl;
  wahl.Gruppe = GanzzahlLesen(teile[0], "--indikatoren", 1, 3);
  const int anzahl = analyse.Anzahl(wahl.Gruppe);
  if (anzahl == 0) throw EAufruf("Die Gruppe " + teile[0] + " enthält keine Indikatoren.");
  wahl.Index = GanzzahlLesen(teile[1], "--indikatoren", 0, anzahl - 1);
  if (teile.size() == 3) wahl.Modus = GanzzahlLesen(teile[2], "--indikatoren", 1, 3);
  return wahl;
}

// What a plain click on the entry shows when nothing is shown yet.
int KlickModus(TIndAnalyse& analyse, const TWahl& wahl) {
  analyse.AllesAus();
  analyse.Umschalten(false, wahl.Gruppe, wahl.Index);
  return analyse.Indikator(wahl.Gruppe, wahl.Index).Anzeige;
}

}  // namespace

void IndikatorenAnzeigen(TIndAnalyse& analyse, const std::string& liste) {
  std::vector<TWahl> wahlen;
  for (const std::string& eintrag : Teilen(liste, ','))
    wahlen.push_back(WahlLesen(analyse, eintrag));
  for (TWahl& wahl : wahlen) {
    if (!wahl.Modus) wahl.Modus = KlickModus(analyse, wahl);
  }
  analyse.AllesAus();
  for (const TWahl& wahl : wahlen)
    analyse.Indikator(wahl.Gruppe, wahl.Index).Anzeige = static_cast<std::uint8_t>(*wahl.Modus);
}

}  // namespace morvane
