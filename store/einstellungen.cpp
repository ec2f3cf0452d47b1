#include "store/einstellungen.h"

#include <filesystem>
#include <string>
#include <system_error>

#include "core/datei.h"
#include "core/zahltext.h"

namespace morvane {
namespace {

// "Morvane 3.5.5  Einstellungen", 1A, two zero bytes; only the part up to and
// including 1A identifies the file.
constexpr std::string_view kKopf{"Morvane 3.5.5  Einstellungen\x1A\0\0", 31};
constexpr std::size_t kKopfVergleich = 29;

constexpr std::size_t kAnsichtGroesse = 35;
// Smallest time point of the schedule: hour, minute, seven weekdays, shut-down
// flag, catalog count.
constexpr std::size_t kMindestZeitpunkt = 14;
constexpr std::size_t kMindestText = 2;
constexpr std::size_t kVorlagenSlots = 10;
// What follows the indicator block: DruckHochformat, DruckChartsProSeite,
// DruckPosition.
constexpr std::size_t kDruckfelder = 3;

// The chart's default view, written while no chart block is plugged in.
constexpr std::string_view kStandardAnsicht{
    "\x03\x04\x04\x00\x00\x00"
    "\x00\x00\x00\x00\x00\x00\xD0\x3F"
    "\x01\x1E\x01\x00\xFA\x00\x32\x00\x00\x00\x01\x01\x01\x00\x00\x01\x01\x01\x01\x00\x00",
    kAnsichtGroesse};

std::size_t Index(TEinstellungsBlockArt art) {
  return static_cast<std::size_t>(art);
}

std::string_view Blockname(TEinstellungsBlockArt art) {
  switch (art) {
    case TEinstellungsBlockArt::Zeitplaner:
      return "Zeitplaner";
    case TEinstellungsBlockArt::ChartAnsicht:
      return "Chartansicht";
    case TEinstellungsBlockArt::ChartVorlagen:
      return "Chartvorlagen";
    case TEinstellungsBlockArt::IndVorlagen:
      return "Indikatorvorlagen";
  }
  return "?";
}

bool Schalter(TBinaerLeser& leser) {
  return leser.Byte() != 0;
}

std::vector<std::string> Textliste(TBinaerLeser& leser) {
  std::vector<std::string> liste(static_cast<std::size_t>(ListenAnzahl(leser, kMindestText)));
  for (auto& text : liste)
    text = leser.Text();
  return liste;
}

void Textliste(TBinaerSchreiber& schreiber, const std::vector<std::string>& liste) {
  schreiber.Int32(static_cast<std::int32_t>(liste.size()));
  for (const auto& text : liste)
    schreiber.Text(text);
}

// Walks over a slot's bytes without understanding them, so that a slot without
// its owner can be kept as it is. Only the framing is known here.
void BlockUeberspringen(TBinaerLeser& leser, TEinstellungsBlockArt art) {
  switch (art) {
    case TEinstellungsBlockArt::Zeitplaner: {
      leser.Byte();
      const std::int32_t zeitpunkte = ListenAnzahl(leser, kMindestZeitpunkt);
      for (std::int32_t i = 0; i < zeitpunkte; ++i) {
        leser.Roh(10);
        const std::int32_t kataloge = ListenAnzahl(leser, kMindestText);
        for (std::int32_t k = 0; k < kataloge; ++k)
          leser.Roh(leser.Word());
      }
      break;
    }
    case TEinstellungsBlockArt::ChartAnsicht:
      leser.Roh(kAnsichtGroesse);
      break;
    case TEinstellungsBlockArt::ChartVorlagen:
      for (std::size_t i = 0; i < kVorlagenSlots; ++i) {
        if (leser.Byte() == 0) continue;
        leser.Roh(leser.Word());
        leser.Roh(kAnsichtGroesse);
      }
      break;
    case TEinstellungsBlockArt::IndVorlagen:
      // Its length is known only to its owner; the print settings follow it.
      if (leser.Rest() < kDruckfelder) throw ELesefehler("Lesefehler: unerwartetes Dateiende");
      leser.Roh(leser.Rest() - kDruckfelder);
      break;
  }
}

void NeutralerBlock(TBinaerSchreiber& schreiber, TEinstellungsBlockArt art) {
  switch (art) {
    case TEinstellungsBlockArt::Zeitplaner:
      schreiber.Byte(0);
      schreiber.Int32(0);
      break;
    case TEinstellungsBlockArt::ChartAnsicht:
      schreiber.Roh(kStandardAnsicht);
      break;
    case TEinstellungsBlockArt::ChartVorlagen:
      for (std::size_t i = 0; i < kVorlagenSlots; ++i)
        schreiber.Byte(0);
      break;
    case TEinstellungsBlockArt::IndVorlagen:
      for (int gruppe = 0; gruppe < 3; ++gruppe)
        schreiber.Int32(0);
      break;
  }
}

}  // namespace

TEinstellungen::TEinstellungen(std::string programmverzeichnis)
    : Merkdatum(HeuteKalendertag()),
      ListenDatum(HeuteKalendertag()),
      programmverzeichnis_(std::move(programmverzeichnis)) {
  if (programmverzeichnis_.empty() || programmverzeichnis_.back() != '/') {
    programmverzeichnis_ += '/';
  }
  // Whatever the file could not give is left in Ladefehler for the caller,
  // who can tell the user; the settings stay usable either way.
  Laden();
}

TEinstellungen::~TEinstellungen() = default;

bool TEinstellungen::Laden() {
  ladefehler_.clear();
  const std::string pfad = Dateipfad(kEinstellungsdatei);
  // Without a file the program simply starts with its defaults.
  std::error_code fehler;
  if (!std::filesystem::exists(pfad, fehler) && !fehler) return false;
  std::string daten;
  try {
    daten = DateiLesen(pfad);
  } catch (const Exception& e) {
    Melden("ist nicht lesbar (" + e.Meldung() + "); es gelten die Voreinstellungen.");
    return false;
  }
  return LadenAus(daten);
}

bool TEinstellungen::LadenAus(std::string_view daten) {
  ladefehler_.clear();
  if (daten.size() < kKopf.size() ||
      daten.substr(0, kKopfVergleich) != kKopf.substr(0, kKopfVergleich)) {
    Melden("ist keine Einstellungsdatei dieser Programmversion; es gelten die Voreinstellungen.");
    return false;
  }
  TBinaerLeser leser(daten.substr(kKopf.size()));
  druckRoh_.clear();
  try {
    KoerperLesen(leser);
  } catch (const std::exception& e) {
    // Owners' blocks may fail with more than a read error; none of it may
    // keep the program from starting.
    return Beschaedigt(e.what());
  }
  if (leser.Rest() > 0) Beschaedigt(std::to_string(leser.Rest()) + " überzählige Bytes am Ende");
  return true;
}

bool TEinstellungen::Beschaedigt(const std::string& grund) {
  Melden("ist beschädigt (" + grund + "); ab dieser Stelle gelten die Voreinstellungen.");
  return false;
}

void TEinstellungen::Melden(const std::string& zustand) {
  ladefehler_.push_back("Die Einstellungsdatei '" + Dateipfad(kEinstellungsdatei) + "' " + zustand);
}

void TEinstellungen::KoerperLesen(TBinaerLeser& leser) {
  datenverzeichnis_ = leser.Text();
  Reserviert = leser.Byte();
  Maximiert = Schalter(leser);
  for (auto& wert : Fensterrechteck)
    wert = leser.Int32();
  Merkdatum = leser.Int32();
  AutoUpdate = Schalter(leser);
  Protokollieren = Schalter(leser);
  Timeout = leser.Word();
  BlockLesen(leser, TEinstellungsBlockArt::Zeitplaner);
  ListenKataloge = Textliste(leser);
  DFUeVerbinden = Schalter(leser);
  DFUeTrennen = Schalter(leser);
  DFUeEintrag = leser.Text();
  Wahlwiederholungen = leser.Word();
  Wahlpause = leser.Word();
  ProxyAdresse = leser.Text();
  ProxyPort = leser.Text();
  ProxyKennung = leser.Text();
  ProxyPasswort = leser.Text();
  BlockLesen(leser, TEinstellungsBlockArt::ChartAnsicht);
  BlockLesen(leser, TEinstellungsBlockArt::ChartVorlagen);
  OffeneKataloge = Textliste(leser);
  OffenesWertpapier = Textliste(leser);
  BlockLesen(leser, TEinstellungsBlockArt::IndVorlagen);
  // While the indicator block is unread, where it ends is a guess: keep the
  // bytes taken for the print settings, so that its owner can claim them.
  const TBinaerLeser druck = leser;
  DruckLesen(leser);
  if (slots_[Index(TEinstellungsBlockArt::IndVorlagen)].HatRoh) {
    TBinaerLeser kopie = druck;
    druckRoh_ = std::string(kopie.Roh(leser.Position() - druck.Position()));
  }
}

void TEinstellungen::DruckLesen(TBinaerLeser& leser) {
  DruckHochformat = Schalter(leser);
  DruckChartsProSeite = leser.Byte();
  DruckPosition = leser.Byte();
}

void TEinstellungen::BlockLesen(TBinaerLeser& leser, TEinstellungsBlockArt art) {
  TSlot& slot = slots_[Index(art)];
  if (slot.Block) {
    slot.Block->Lies(leser);
    return;
  }
  TBinaerLeser anfang = leser;
  slot.HatRoh = false;
  BlockUeberspringen(leser, art);
  slot.Roh = std::string(anfang.Roh(leser.Position() - anfang.Position()));
  slot.HatRoh = true;
}

std::string TEinstellungen::Dateiinhalt() const {
  TBinaerSchreiber schreiber;
  schreiber.Roh(kKopf);
  KoerperSchreiben(schreiber);
  return schreiber.Entnehmen();
}

void TEinstellungen::KoerperSchreiben(TBinaerSchreiber& schreiber) const {
  schreiber.Text(datenverzeichnis_);
  schreiber.Byte(Reserviert);
  schreiber.Byte(Maximiert);
  for (const auto wert : Fensterrechteck)
    schreiber.Int32(wert);
  schreiber.Int32(Merkdatum);
  schreiber.Byte(AutoUpdate);
  schreiber.Byte(Protokollieren);
  schreiber.Word(Timeout);
  BlockSchreiben(schreiber, TEinstellungsBlockArt::Zeitplaner);
  Textliste(schreiber, ListenKataloge);
  schreiber.Byte(DFUeVerbinden);
  schreiber.Byte(DFUeTrennen);
  schreiber.Text(DFUeEintrag);
  schreiber.Word(Wahlwiederholungen);
  schreiber.Word(Wahlpause);
  schreiber.Text(ProxyAdresse);
  schreiber.Text(ProxyPort);
  schreiber.Text(ProxyKennung);
  schreiber.Text(ProxyPasswort);
  BlockSchreiben(schreiber, TEinstellungsBlockArt::ChartAnsicht);
  BlockSchreiben(schreiber, TEinstellungsBlockArt::ChartVorlagen);
  Textliste(schreiber, OffeneKataloge);
  Textliste(schreiber, OffenesWertpapier);
  BlockSchreiben(schreiber, TEinstellungsBlockArt::IndVorlagen);
  schreiber.Byte(DruckHochformat);
  schreiber.Byte(DruckChartsProSeite);
  schreiber.Byte(DruckPosition);
}

void TEinstellungen::BlockSchreiben(TBinaerSchreiber& schreiber, TEinstellungsBlockArt art) const {
  const TSlot& slot = slots_[Index(art)];
  if (slot.Block) {
    slot.Block->Schreibe(schreiber);
  } else if (slot.HatRoh) {
    schreiber.Roh(slot.Roh);
  } else {
    NeutralerBlock(schreiber, art);
  }
}

void TEinstellungen::Speichern() const {
  const std::string pfad = Dateipfad(kEinstellungsdatei);
  try {
    DateiAtomarSchreiben(pfad, Dateiinhalt(), 0600);
  } catch (const Exception& e) {
    throw EEinstellungen("Konnte Datei '" + pfad + "' nicht schreiben: " + e.Meldung());
  }
}

std::string TEinstellungen::Datenverzeichnis() const {
  if (datenverzeichnis_.empty()) return programmverzeichnis_;
  if (datenverzeichnis_.back() == '/') return datenverzeichnis_;
  return datenverzeichnis_ + '/';
}

void TEinstellungen::SetzeDatenverzeichnis(std::string_view text) {
  datenverzeichnis_ = std::string(Trimmen(text));
  if (!datenverzeichnis_.empty() && datenverzeichnis_.back() != '/') datenverzeichnis_ += '/';
}

std::string TEinstellungen::Dateipfad(std::string_view dateiname) const {
  return programmverzeichnis_ + std::string(dateiname);
}

void TEinstellungen::Einstecken(TEinstellungsBlockArt art,
                                std::unique_ptr<TEinstellungsBlock> block) {
  TSlot& slot = slots_[Index(art)];
  slot.Block = std::move(block);
  if (!slot.Block || !slot.HatRoh) return;
  // Fill the new block from what the file held for it; a damaged block keeps
  // what could be read, as a damaged file does, and says so.
  const std::string wo = "Block '" + std::string(Blockname(art)) + "': ";
  const bool mitDruck = art == TEinstellungsBlockArt::IndVorlagen;
  const std::string roh = mitDruck ? slot.Roh + druckRoh_ : slot.Roh;
  const std::size_t nachspann = mitDruck ? druckRoh_.size() : 0;
  slot.Roh.clear();
  slot.HatRoh = false;
  if (mitDruck) druckRoh_.clear();
  TBinaerLeser leser(roh);
  try {
    slot.Block->Lies(leser);
  } catch (const std::exception& e) {
    Beschaedigt(wo + e.what());
    return;
  }
  if (leser.Rest() > nachspann) {
    Beschaedigt(wo + std::to_string(leser.Rest() - nachspann) + " überzählige Bytes");
  } else if (leser.Rest() < nachspann) {
    DruckNachlesen(leser);
  }
}

void TEinstellungen::DruckNachlesen(TBinaerLeser& leser) {
  // The block reached into what was taken for the print settings: the file
  // ended within them, so they hold what is left of it, the rest as default.
  DruckHochformat = false;
  DruckChartsProSeite = kStandardChartsProSeite;
  DruckPosition = kStandardDruckPosition;
  try {
    DruckLesen(leser);
  } catch (const std::exception& e) {
    Beschaedigt(e.what());
  }
}

bool TEinstellungen::Eingesteckt(TEinstellungsBlockArt art) const {
  return slots_[Index(art)].Block != nullptr;
}

TEinstellungsBlock& TEinstellungen::EingesteckterBlock(TEinstellungsBlockArt art) const {
  const TSlot& slot = slots_[Index(art)];
  if (!slot.Block) FalscherBlock(art);
  return *slot.Block;
}

void TEinstellungen::FalscherBlock(TEinstellungsBlockArt art) {
  throw EEinstellungen("Der Einstellungsblock '" + std::string(Blockname(art)) +
                       "' ist nicht eingerichtet.");
}

}  // namespace morvane
