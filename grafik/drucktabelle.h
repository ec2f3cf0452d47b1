#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "grafik/leinwand.h"

namespace morvane {

// The name of the PDF output in every print dialog's printer list.
inline constexpr const char* kPdfDatei = "PDF-Datei";

// Where a table is printed: a canvas, its resolution and printable area, and
// a way to go on to the next page. The printer and the tests implement it.
class TDruckZiel {
 public:
  virtual ~TDruckZiel() = default;
  virtual TLeinwand& Leinwand() = 0;
  // Device pixels per inch, horizontally and vertically.
  virtual int AufloesungX() const = 0;
  virtual int AufloesungY() const = 0;
  // Size of the printable area in device pixels; (0, 0) is its top left.
  virtual int SeitenBreite() const = 0;
  virtual int SeitenHoehe() const = 0;
  virtual void NeueSeite() = 0;
};

// Alignment codes of the printed columns.
enum class TDruckAusrichtung : std::uint8_t { Links = 0, Zentriert = 1, Rechts = 2 };

// A table of tab-separated rows printed with ruled columns. Row 0 is the
// header, printed bold, when the table is created with a header. A row "-"
// added with Trennlinie is a horizontal rule; data "-" is kept as "- ".
class TDruckTabelle {
 public:
  explicit TDruckTabelle(bool mitKopf = true) : mitKopf_(mitKopf) {}

  void SetzeTitel(std::string titel) { titel_ = std::move(titel); }
  void SetzeUntertitel(std::string untertitel) { untertitel_ = std::move(untertitel); }
  void SpalteHinzufuegen(TDruckAusrichtung ausrichtung);
  void SpaltenLeeren() { spalten_.clear(); }
  void ZeileHinzufuegen(std::string_view zeile);
  void Trennlinie() { zeilen_.emplace_back("-"); }

  const std::vector<std::string>& Zeilen() const { return zeilen_; }
  std::size_t SpaltenAnzahl() const { return spalten_.size(); }

  // Lays out and prints every row onto `ziel`, starting on its current page.
  void Drucken(TDruckZiel& ziel, std::string_view schriftName = "Arial");

  // Layout of the last Drucken, for callers that want to know.
  int Schrifthoehe() const { return schrifthoehe_; }
  int GesamtBreite() const { return gesamtBreite_; }
  const std::vector<int>& SpaltenBreiten() const { return breiten_; }

 private:
  struct TSpalte {
    TDruckAusrichtung Ausrichtung;
    std::uint16_t Breite = 0;
  };

  void BreitenBerechnen(TLeinwand& leinwand);
  void Einpassen(TDruckZiel& ziel);
  void KopfDrucken(TDruckZiel& ziel);
  void LinieDrucken(TDruckZiel& ziel);
  void ZeileDrucken(TDruckZiel& ziel, std::size_t index);
  void SchriftSetzen(TLeinwand& leinwand, int hoehe, bool fett) const;

  bool mitKopf_;
  std::string titel_;
  std::string untertitel_;
  std::vector<TSpalte> spalten_;
  std::vector<std::string> zeilen_;
  std::string schriftName_ = "Arial";
  int einheitX_ = 1;
  int einheitY_ = 1;
  int schrifthoehe_ = 12;
  int gesamtBreite_ = 0;
  int y_ = 0;
  std::vector<int> breiten_;
};

// A column of a list as printed: caption and alignment.
struct TDruckSpalte {
  std::string Titel;
  TDruckAusrichtung Ausrichtung = TDruckAusrichtung::Links;
};

// The table of a list window: `titel`, one column per entry, the captions as
// the header row, then the rows; the separator row "-1" becomes a rule and the
// closing row "-2" is left out.
TDruckTabelle ListenTabelle(const std::string& titel, const std::vector<TDruckSpalte>& spalten,
                            const std::vector<std::string>& zeilen);

// Splits a row at its tabs; an empty row has one empty cell.
std::vector<std::string_view> ZellenTeilen(std::string_view zeile);

}  // namespace morvane
