#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include "core/datum.h"
#include "core/exception.h"
#include "store/einstellungsblock.h"

namespace morvane {

MORVANE_EXCEPTION(EEinstellungen, Exception);

// Fixed file names in the program directory.
inline constexpr std::string_view kEinstellungsdatei = "morvane.cfg";
inline constexpr std::string_view kLogbuchdatei = "logbuch.txt";
inline constexpr std::string_view kHilfedatei = "hilfe/index.html";
inline constexpr std::string_view kZeitsteuerungsprogramm = "zeitsteuerung";
inline constexpr std::string_view kVorlagendatei = "Werte35.mvw";
inline constexpr std::string_view kQuellendatei = "Quellen35.mvq";
inline constexpr std::string_view kAnwenderquellendatei = "anwender.mvq";

inline constexpr std::string_view kProgrammtitel = "Morvane 3.5";

// The blocks of other owners inside the settings file, in file order.
enum class TEinstellungsBlockArt { Zeitplaner, ChartAnsicht, ChartVorlagen, IndVorlagen };
inline constexpr std::size_t kAnzahlEinstellungsBloecke = 4;

// The program's settings and the binary file morvane.cfg in the program
// directory.
//
// The blocks of the schedule, the chart view, the chart templates and the
// indicator set are plugged in by their owners (Einstecken). A slot that has no
// block keeps the bytes it read from the file and writes them back unchanged, so
// nothing is lost; without such bytes it writes a neutral block (schedule off
// and empty, the default view, empty templates, an empty indicator set). A
// block plugged in after the file was read is filled from the kept bytes.
// Only the indicator block's owner knows where it ends; without it the block
// is taken as everything before the three print bytes at the end of the file.
class TEinstellungen {
 public:
  // Sets the defaults, then reads the settings file of `programmverzeichnis`
  // (a missing trailing "/" is added). A missing or damaged file leaves the
  // defaults in place; Ladefehler says what could not be used.
  explicit TEinstellungen(std::string programmverzeichnis);
  ~TEinstellungen();
  TEinstellungen(const TEinstellungen&) = delete;
  TEinstellungen& operator=(const TEinstellungen&) = delete;

  // Reads morvane.cfg; never throws. False for a missing, unreadable, foreign
  // or damaged file; the fields read before the damage keep their new values,
  // the others their defaults. Everything but a missing file is recorded in
  // Ladefehler.
  bool Laden();
  // The same over the file's bytes.
  bool LadenAus(std::string_view daten);
  // One German line, naming the file, for each problem met by the last Laden
  // and by the blocks plugged in since: an unreadable, foreign or damaged
  // file, a block its owner could not read, bytes left over. Empty when the
  // file was read whole or was missing. The caller reports them.
  const std::vector<std::string>& Ladefehler() const { return ladefehler_; }
  // Writes morvane.cfg atomically with mode 0600 (it holds the proxy
  // password). Raises EEinstellungen naming the file.
  void Speichern() const;
  // The bytes that Speichern writes.
  std::string Dateiinhalt() const;

  // The data directory: the set one, else the program directory; ends with "/".
  std::string Datenverzeichnis() const;
  // The data directory as set, empty for the program directory.
  const std::string& EingestelltesDatenverzeichnis() const { return datenverzeichnis_; }
  // Trims the text and adds a trailing "/" unless it is empty.
  void SetzeDatenverzeichnis(std::string_view text);

  const std::string& Programmverzeichnis() const { return programmverzeichnis_; }
  // Path of one of the fixed files of the program directory.
  std::string Dateipfad(std::string_view dateiname) const;
  std::string Titel() const { return std::string(kProgrammtitel); }

  // Plugs a block into its slot (replacing one plugged before).
  void Einstecken(TEinstellungsBlockArt art, std::unique_ptr<TEinstellungsBlock> block);
  // Plugs a default-constructed T (a TEinstellungsBlock itself, or a value type
  // with Schreibe/Lies) into the slot and returns it.
  template <class T>
  T& Einstecken(TEinstellungsBlockArt art);
  bool Eingesteckt(TEinstellungsBlockArt art) const;
  // The block of a slot as the type it was plugged in with; raises
  // EEinstellungen when the slot is empty or holds another type.
  template <class T>
  T& Block(TEinstellungsBlockArt art);
  template <class T>
  const T& Block(TEinstellungsBlockArt art) const;

  std::uint8_t Reserviert = 0;
  bool Maximiert = false;
  // left, top, width, height
  std::array<std::int32_t, 4> Fensterrechteck{};
  Kalendertag Merkdatum;
  bool AutoUpdate = true;
  bool Protokollieren = true;
  std::uint16_t Timeout = 60;
  std::vector<std::string> ListenKataloge;
  bool DFUeVerbinden = false;
  bool DFUeTrennen = true;
  std::string DFUeEintrag;
  std::uint16_t Wahlwiederholungen = 10;
  std::uint16_t Wahlpause = 5;
  std::string ProxyAdresse;
  std::string ProxyPort;
  std::string ProxyKennung;
  std::string ProxyPasswort;
  std::vector<std::string> OffeneKataloge;
  std::vector<std::string> OffenesWertpapier;
  bool DruckHochformat = false;
  static constexpr std::uint8_t kStandardChartsProSeite = 1;
  static constexpr std::uint8_t kStandardDruckPosition = 1;
  std::uint8_t DruckChartsProSeite = kStandardChartsProSeite;
  std::uint8_t DruckPosition = kStandardDruckPosition;
  // Not stored.
  Kalendertag ListenDatum;

 private:
  struct TSlot {
    std::unique_ptr<TEinstellungsBlock> Block;
    // Bytes of the slot read while no block was plugged in.
    std::string Roh;
    bool HatRoh = false;
  };

  void KoerperLesen(TBinaerLeser& leser);
  void DruckLesen(TBinaerLeser& leser);
  void DruckNachlesen(TBinaerLeser& leser);
  // Records the damage `grund` and returns false, for Laden to pass on.
  bool Beschaedigt(const std::string& grund);
  void Melden(const std::string& zustand);
  void KoerperSchreiben(TBinaerSchreiber& schreiber) const;
  void BlockLesen(TBinaerLeser& leser, TEinstellungsBlockArt art);
  void BlockSchreiben(TBinaerSchreiber& schreiber, TEinstellungsBlockArt art) const;
  TEinstellungsBlock& EingesteckterBlock(TEinstellungsBlockArt art) const;
  [[noreturn]] static void FalscherBlock(TEinstellungsBlockArt art);

  std::string programmverzeichnis_;
  std::string datenverzeichnis_;
  std::array<TSlot, kAnzahlEinstellungsBloecke> slots_;
  // The print settings' bytes as read behind the unread indicator block.
  std::string druckRoh_;
  std::vector<std::string> ladefehler_;
};

template <class T>
T& TEinstellungen::Einstecken(TEinstellungsBlockArt art) {
  if constexpr (std::is_base_of_v<TEinstellungsBlock, T>) {
    auto block = std::make_unique<T>();
    T& wert = *block;
    Einstecken(art, std::move(block));
    return wert;
  } else {
    auto block = std::make_unique<TEinstellungsWert<T>>();
    T& wert = block->Wert;
    Einstecken(art, std::move(block));
    return wert;
  }
}

template <class T>
const T& TEinstellungen::Block(TEinstellungsBlockArt art) const {
  TEinstellungsBlock& block = EingesteckterBlock(art);
  if constexpr (std::is_base_of_v<TEinstellungsBlock, T>) {
    if (auto* wert = dynamic_cast<T*>(&block)) return *wert;
  } else {
    if (auto* wert = dynamic_cast<TEinstellungsWert<T>*>(&block)) return wert->Wert;
  }
  FalscherBlock(art);
}

template <class T>
T& TEinstellungen::Block(TEinstellungsBlockArt art) {
  return const_cast<T&>(std::as_const(*this).template Block<T>(art));
}

}  // namespace morvane
