#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "chart/chartansicht.h"
#include "core/exception.h"

namespace morvane {

MORVANE_EXCEPTION(EChartVorlagen, Exception);

class TEinstellungen;

inline constexpr int kAnzahlChartVorlagen = 10;

// Ten named chart views that the toolbar and the menu apply in one click.
// Slots are numbered 1 ... 10; slot 10 is labelled "0". A slot without a view
// is empty, whatever its name.
class TChartVorlagen {
 public:
  // The three default templates "Linienchart", "Balkenchart", "Kerzenchart".
  TChartVorlagen();

  // Slot numbers outside 1 ... 10 raise EChartVorlagen.
  const std::string& Name(int slot) const;
  const std::optional<TChartAnsicht>& Ansicht(int slot) const;
  // Stores the name and a copy of the view.
  void SetzeVorlage(int slot, std::string name, const TChartAnsicht& ansicht);
  // Empties the slot.
  void Loesche(int slot);

  // Per slot: 1 and the name and the view's 35 bytes, or 0 for an empty slot.
  // Reading an empty slot clears its name; a short input raises ELesefehler
  // and leaves the slots read so far.
  void Schreibe(TBinaerSchreiber& schreiber) const;
  void Lies(TBinaerLeser& leser);

 private:
  struct TSlot {
    std::string Name;
    std::optional<TChartAnsicht> Ansicht;
  };
  TSlot& Slot(int slot);
  const TSlot& Slot(int slot) const;

  std::array<TSlot, kAnzahlChartVorlagen> slots_;
};

// "1" ... "9", and "0" for slot 10.
std::string VorlagenBeschriftung(int slot);

// The rules of the "Als Vorlage speichern" dialog.
// Its list: one line per slot, label + ": " + name or "(nicht verwendet)".
std::vector<std::string> VorlagenListe(const TChartVorlagen& vorlagen);
// The slot selected on opening: the first empty one, else slot 1.
int ErsteFreieVorlage(const TChartVorlagen& vorlagen);
// What the name field shows for a selected slot: its name when it is used.
std::string VorlagenBezeichnung(const TChartVorlagen& vorlagen, int slot);

// The chart's two blocks of the settings file, the current view and the
// templates. Einstecken does nothing for blocks that are plugged in already.
void ChartEinstellungenEinstecken(TEinstellungen& einstellungen);
TChartAnsicht& ChartAnsicht(TEinstellungen& einstellungen);
TChartVorlagen& ChartVorlagen(TEinstellungen& einstellungen);

}  // namespace morvane
