#include "chart/chartvorlagen.h"

#include <utility>

#include "core/zahltext.h"
#include "store/einstellungen.h"

namespace morvane {
namespace {

TChartAnsicht Standardvorlage(TCharttyp charttyp, std::uint16_t tage) {
  TChartAnsicht ansicht;
  ansicht.Charttyp = charttyp;
  ansicht.Tage = tage;
  ansicht.AlleTage = false;
  ansicht.UmsatzAnzeigen = true;
  return ansicht;
}

}  // namespace

TChartVorlagen::TChartVorlagen() {
  TChartAnsicht linien = Standardvorlage(TCharttyp::Linie, 200);
  linien.Indikatoren = true;
  linien.Infobereich = true;
  TChartAnsicht balken = Standardvorlage(TCharttyp::Balken, 50);
  balken.Infobereich = true;
  SetzeVorlage(1, "Linienchart", linien);
  SetzeVorlage(2, "Balkenchart", balken);
  SetzeVorlage(3, "Kerzenchart", Standardvorlage(TCharttyp::Kerze, 50));
}

TChartVorlagen::TSlot& TChartVorlagen::Slot(int slot) {
  return const_cast<TSlot&>(std::as_const(*this).Slot(slot));
}

const TChartVorlagen::TSlot& TChartVorlagen::Slot(int slot) const {
  if (slot < 1 || slot > kAnzahlChartVorlagen) {
    throw EChartVorlagen("Ungültige Vorlagennummer " + ZahlZuTextGanz(slot));
  }
  return slots_[static_cast<std::size_t>(slot - 1)];
}

const std::string& TChartVorlagen::Name(int slot) const {
  return Slot(slot).Name;
}

const std::optional<TChartAnsicht>& TChartVorlagen::Ansicht(int slot) const {
  return Slot(slot).Ansicht;
}

void TChartVorlagen::SetzeVorlage(int slot, std::string name, const TChartAnsicht& ansicht) {
  TSlot& s = Slot(slot);
  s.Name = std::move(name);
  s.Ansicht = ansicht.Kopie();
}

void TChartVorlagen::Loesche(int slot) {
  Slot(slot).Ansicht.reset();
}

void TChartVorlagen::Schreibe(TBinaerSchreiber& schreiber) const {
  for (const TSlot& slot : slots_) {
    schreiber.Byte(slot.Ansicht ? 1 : 0);
    if (!slot.Ansicht) continue;
    schreiber.Text(slot.Name);
    slot.Ansicht->Schreibe(schreiber);
  }
}

void TChartVorlagen::Lies(TBinaerLeser& leser) {
  for (TSlot& slot : slots_) {
    if (leser.Byte() == 0) {
      slot.Name.clear();
      slot.Ansicht.reset();
      continue;
    }
    std::string name = leser.Text();
    TChartAnsicht ansicht;
    ansicht.Lies(leser);
    slot.Name = std::move(name);
    slot.Ansicht = ansicht;
  }
}

std::string VorlagenBeschriftung(int slot) {
  return ZahlZuTextGanz(slot % kAnzahlChartVorlagen);
}

std::vector<std::string> VorlagenListe(const TChartVorlagen& vorlagen) {
  std::vector<std::string> liste;
  for (int slot = 1; slot <= kAnzahlChartVorlagen; ++slot) {
    liste.push_back(VorlagenBeschriftung(slot) + ": " +
                    (vorlagen.Ansicht(slot) ? vorlagen.Name(slot) : "(nicht verwendet)"));
  }
  return liste;
}

int ErsteFreieVorlage(const TChartVorlagen& vorlagen) {
  for (int slot = 1; slot <= kAnzahlChartVorlagen; ++slot) {
    if (!vorlagen.Ansicht(slot)) return slot;
  }
  return 1;
}

std::string VorlagenBezeichnung(const TChartVorlagen& vorlagen, int slot) {
  return vorlagen.Ansicht(slot) ? vorlagen.Name(slot) : std::string();
}

void ChartEinstellungenEinstecken(TEinstellungen& einstellungen) {
  if (!einstellungen.Eingesteckt(TEinstellungsBlockArt::ChartAnsicht)) {
    einstellungen.Einstecken<TChartAnsicht>(TEinstellungsBlockArt::ChartAnsicht);
  }
  if (!einstellungen.Eingesteckt(TEinstellungsBlockArt::ChartVorlagen)) {
    einstellungen.Einstecken<TChartVorlagen>(TEinstellungsBlockArt::ChartVorlagen);
  }
}

TChartAnsicht& ChartAnsicht(TEinstellungen& einstellungen) {
  return einstellungen.Block<TChartAnsicht>(TEinstellungsBlockArt::ChartAnsicht);
}

TChartVorlagen& ChartVorlagen(TEinstellungen& einstellungen) {
  return einstellungen.Block<TChartVorlagen>(TEinstellungsBlockArt::ChartVorlagen);
}

}  // namespace morvane
