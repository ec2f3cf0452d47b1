#pragma once

#include <cstddef>
#include <limits>
#include <string>
#include <string_view>

#include "core/exception.h"

namespace morvane {

// Raised by the file helpers; the message is the bare reason ("Datei nicht
// gefunden"), callers put the file name around it.
MORVANE_EXCEPTION(EDatei, Exception);
// The path names no regular file (a pipe, a device ...) or a file larger than
// the reader takes; the reason says which.
MORVANE_EXCEPTION(EDateiUngeeignet, EDatei);

constexpr std::size_t kGanzeDatei = std::numeric_limits<std::size_t>::max();
// Readers that name no limit of their own refuse files larger than this; it
// is far above every file this program writes.
constexpr std::size_t kDateiGrenze = std::size_t{256} << 20;

// Reads a whole regular file into memory. Only regular files are read, and
// none above `grenze` bytes (EDateiUngeeignet): a pipe or a device never
// blocks the caller or fills the memory.
std::string DateiLesen(const std::string& pfad, std::size_t grenze = kDateiGrenze);

// Reads at most `hoechstens` bytes from the start of a regular file into
// `puffer` and returns them (the front of `puffer`). A file above `grenze`
// bytes is refused unless only a shorter front of it is asked for. The buffer
// keeps its size and capacity, so reading file after file into it allocates
// only for a file larger than every one before; bytes behind the returned ones
// are stale.
std::string_view DateiLesenIn(const std::string& pfad, std::string& puffer,
                              std::size_t hoechstens = kGanzeDatei,
                              std::size_t grenze = kDateiGrenze);

// The content of a file, read into a buffer that the calling thread reuses for
// the next file it reads this way. Loading one file after another then
// neither allocates nor touches fresh memory for every file. A buffer that
// grew beyond kBehaltenBis is freed afterwards, so one unusually large file
// does not pin its size. While one object holds the thread's buffer, another
// one on the same thread reads into a buffer of its own.
class TDateiInhalt {
 public:
  static constexpr std::size_t kBehaltenBis = std::size_t{4} << 20;

  explicit TDateiInhalt(const std::string& pfad, std::size_t hoechstens = kGanzeDatei)
      : daten_(DateiLesenIn(pfad, leihe_.Puffer(), hoechstens)) {}
  TDateiInhalt(const TDateiInhalt&) = delete;
  TDateiInhalt& operator=(const TDateiInhalt&) = delete;

  std::string_view Daten() const { return daten_; }

 private:
  // The thread's buffer for the lifetime of the object, or an own one.
  class TLeihe {
   public:
    TLeihe();
    ~TLeihe();
    TLeihe(const TLeihe&) = delete;
    TLeihe& operator=(const TLeihe&) = delete;
    std::string& Puffer() { return geliehen_ ? *geliehen_ : eigener_; }

   private:
    std::string* geliehen_;
    std::string eigener_;
  };

  TLeihe leihe_;
  std::string_view daten_;
};

// Replaces a file atomically: writes a temporary file "<name>.tmpXXXXXX" in
// the same directory, flushes it to disk and renames it over `pfad`. On
// failure the previous file stays intact and the temporary file is removed.
// `modus` applies to the written file (0600 for files that hold passwords).
// A symbolic link is followed, so the file it names is replaced and the link
// stays; a target that exists but is no regular file (a directory, a device)
// is refused with EDateiUngeeignet. Temporary files of this target left by
// saves that were killed are removed once they are kTemporaerVerwaistNach
// seconds old: a live save touches its file far more often than that.
void DateiAtomarSchreiben(const std::string& pfad, std::string_view daten, unsigned modus = 0644);
inline constexpr long kTemporaerVerwaistNach = 60;

// German reason text for an errno value.
std::string Fehlertext(int fehlernummer);

// "256 MB", "64 KB" or "100 Bytes": a size limit as messages name it.
std::string GroesseText(std::size_t bytes);

}  // namespace morvane
