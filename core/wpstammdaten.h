#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace morvane {

// Exchange names by exchange code as the selection lists show them; code 0
// ("Keiner (Fonds und Indizes)") stands for funds and indices.
inline constexpr std::array<std::string_view, 9> kBoersenplaetze = {"Keiner (Fonds und Indizes)",
                                                                    "Berlin",
                                                                    "Düsseldorf",
                                                                    "Frankfurt",
                                                                    "Hamburg",
                                                                    "Hannover",
                                                                    "München",
                                                                    "Stuttgart",
                                                                    "Xetra"};
// Security kinds by type code.
inline constexpr std::array<std::string_view, 3> kWPTypen = {"Wertpapier", "Index", "Sonstiges"};
// Currencies offered to the user; any other text is allowed as well.
inline constexpr std::array<std::string_view, 5> kWaehrungen = {"EUR", "USD", "CHF", "Punkte",
                                                                "Prozent"};

// Name of an exchange code; empty for 0 and for every unknown code.
std::string BoersenName(int code);

// Master data of a security: names, codes, exchange, currency, fee schedule and
// its own price-source settings. The object does not validate its fields; a
// stored file may hold any exchange or type code and keeps it unchanged.
class TWPStammdaten {
 public:
  // Full path of the security's file; empty before it is stored. Never written
  // into the file itself.
  std::string ID;
  // Catalog holding the file, derived from ID when loading.
  std::string Katalog;
  std::string Bezeichnung;
  std::string WKN;
  std::string ISIN;
  std::uint8_t Boerse = 0;
  // May hold line breaks.
  std::string Kommentar;
  std::uint8_t WPTyp = 0;
  std::string Waehrung = "EUR";
  // Fees per purchase and sale: fixed amount, fraction of the traded value
  // (0.0108 for 1,08 %) and minimum. VerkaufRel stays below 1.
  double KaufAbs = 0;
  double KaufRel = 0;
  double KaufMin = 0;
  double VerkaufAbs = 0;
  double VerkaufRel = 0;
  double VerkaufMin = 0;
  // The price sources below were chosen by the user, not by the update run.
  bool KursquellenManuell = false;
  // Up to three sources for daily and for historical prices, in order of
  // preference, with the security's identifier at each source.
  std::array<std::string, 3> QuelleAktuell;
  std::array<std::string, 3> QuelleHistorisch;
  std::array<std::string, 3> IDAktuell;
  std::array<std::string, 3> IDHistorisch;

  // Copies every master-data field of `quelle` except ID and Katalog.
  void StammdatenKopieren(const TWPStammdaten& quelle);

  // The exchange code as it is shown and used: unknown codes count as 0.
  int WirksameBoerse() const { return Boerse < kBoersenplaetze.size() ? Boerse : 0; }
  // The type code as it is used: every code above 1 counts as 2 ("Sonstiges").
  int WirksamerWPTyp() const { return WPTyp > 1 ? 2 : WPTyp; }

  friend bool operator==(const TWPStammdaten&, const TWPStammdaten&) = default;
};

}  // namespace morvane
