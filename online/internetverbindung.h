#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace morvane {

// The dial-up settings an update run uses.
struct TWahlEinstellungen {
  bool DFUeVerbinden = false;  // dial on demand
  std::string DFUeEintrag;     // phone book entry
  int Wahlwiederholungen = 10;
  int Wahlpause = 5;        // seconds between attempts
  bool DFUeTrennen = true;  // hang up after the run
};

// Makes sure the machine is online before an update run, dialling a phone
// book entry when the user asked for it, and hangs up afterwards. This
// platform has no dial-up networking: the primitives below report it as not
// installed. A dialler derives from this class and provides them; the
// dialling rules (attempts, pauses, abort, hang-up) live here.
class TInternetVerbindung {
 public:
  virtual ~TInternetVerbindung() = default;

  virtual bool DFUeInstalliert() const { return false; }
  // The names of the phone book's entries; empty without dial-up networking.
  virtual std::vector<std::string> Telefonbuch() const { return {}; }
  // Opens the system's editor for the entry; false when that failed.
  virtual bool EigenschaftenAnzeigen(const std::string& /*eintrag*/) { return false; }

  // True when the machine may be taken as online; else Fehlertext says why.
  bool Connect(const TWahlEinstellungen& einstellungen);
  // Hangs up a connection this object dialled, when the settings say so.
  void Disconnect(const TWahlEinstellungen& einstellungen);
  const std::string& Fehlertext() const { return fehlertext_; }

  // Stops further attempts (the progress dialog's "Abbrechen").
  void Abbrechen() { abbruch_ = true; }
  // Called with the number of each attempt (from 1) before it starts.
  std::function<void(std::uint16_t)> OnStatus;
  // Called while waiting, so the caller's windows stay responsive.
  std::function<void()> Pumpe;

  enum class TWahlstand { Laeuft, Verbunden, Fehler };

 protected:
  // Whether any dial-up connection is up already (never hung up by us).
  virtual bool VerbindungAktiv() { return false; }
  // Reads the entry's stored dial parameters; 0 or the system's error code.
  virtual int DialParameterLesen(const std::string& /*eintrag*/) { return 0; }
  // Starts dialling; 0 or the system's error code when it failed at once.
  virtual int Waehlen(const std::string& /*eintrag*/) { return 0; }
  virtual TWahlstand Wahlstand() { return TWahlstand::Fehler; }
  // Hangs up the connection being dialled or dialled; true on success.
  virtual bool Auflegen() { return true; }
  virtual std::string SystemFehlertext(int code) const;
  // Waits `dauer` in steps of 100 ms, pumping between them; an abort ends it.
  virtual void Pause(std::chrono::milliseconds dauer);

 private:
  bool Versuch(const std::string& eintrag);
  void AuflegenUndWarten();

  std::string fehlertext_;
  bool abbruch_ = false;
  bool gewaehlt_ = false;
};

}  // namespace morvane
