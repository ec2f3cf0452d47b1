#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>

#include "core/exception.h"

namespace morvane::test {

// The message of the Exception `f` throws, or a marker when it throws none.
inline std::string AusnahmeMeldung(const std::function<void()>& f) {
  try {
    f();
  } catch (const Exception& e) {
    return e.Meldung();
  }
  return "(keine Ausnahme)";
}

// "<message> @<position>" of the parse error `Typ` that `f` throws, for the
// parsers whose errors carry the position in the input; "(keine Ausnahme)"
// when it throws none. Any other exception passes through and fails the test.
template <class Typ>
std::string MeldungMitPosition(const std::function<void()>& f) {
  try {
    f();
  } catch (const Typ& e) {
    return e.Meldung() + " @" + std::to_string(e.Position());
  }
  return "(keine Ausnahme)";
}

// Message and field of the input error `Typ` that `f` throws, for the readers
// of dialog input whose errors name the field to correct; "(keine Ausnahme)"
// and a default field when it throws none.
template <class Typ>
auto MeldungUndFeld(const std::function<void()>& f)
    -> std::pair<std::string, decltype(std::declval<const Typ&>().Feld())> {
  try {
    f();
  } catch (const Typ& e) {
    return {e.Meldung(), e.Feld()};
  }
  return {"(keine Ausnahme)", {}};
}

}  // namespace morvane::test

// Expects `anweisung` to throw exactly `Typ` (or a class derived from it) with
// the German message `meldung`, word for word. Fails when nothing is thrown,
// when another type is thrown or when the message differs, and prints both
// messages then.
#define MORVANE_THROW_MSG_(anweisung, Typ, meldung, fehlschlag)                                    \
  do {                                                                                             \
    std::string morvane_gefangen_;                                                                 \
    bool morvane_geworfen_ = false;                                                                \
    try {                                                                                          \
      anweisung;                                                                                   \
    } catch (const Typ& morvane_e_) {                                                              \
      morvane_geworfen_ = true;                                                                    \
      morvane_gefangen_ = morvane_e_.what();                                                       \
    } catch (const std::exception& morvane_e_) {                                                   \
      fehlschlag() << #anweisung " warf eine andere Ausnahme als " #Typ ": " << morvane_e_.what(); \
      break;                                                                                       \
    }                                                                                              \
    if (!morvane_geworfen_) {                                                                      \
      fehlschlag() << #anweisung " warf keine Ausnahme (erwartet " #Typ ")";                       \
      break;                                                                                       \
    }                                                                                              \
    if (morvane_gefangen_ != std::string(meldung)) {                                               \
      fehlschlag() << #anweisung " warf " #Typ " mit der Meldung\n  \"" << morvane_gefangen_       \
                   << "\"\nerwartet war\n  \"" << (meldung) << "\"";                               \
    }                                                                                              \
  } while (false)

#define EXPECT_THROW_MSG(anweisung, Typ, meldung) \
  MORVANE_THROW_MSG_(anweisung, Typ, meldung, ADD_FAILURE)
#define ASSERT_THROW_MSG(anweisung, Typ, meldung) \
  MORVANE_THROW_MSG_(anweisung, Typ, meldung, GTEST_FAIL)
