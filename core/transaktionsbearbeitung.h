#pragma once

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/exception.h"
#include "core/kurse.h"
#include "core/transaktion.h"
#include "core/wptransaktionen.h"

namespace morvane {

// Editing rules of the transaction and split dialogs as model operations; the
// dialogs only call these and show the messages of the exceptions.

MORVANE_EXCEPTION(ETransaktionsbearbeitung, Exception);

// The input field a message refers to, so that a dialog can focus it.
enum class TTransaktionsfeld { Datum, Stueck, Kurs, Betrag, Von, Nach };

// An invalid input; Feld() names the first field that failed.
class ETransaktionseingabe : public ETransaktionsbearbeitung {
 public:
  ETransaktionseingabe(const std::string& meldung, TTransaktionsfeld feld)
      : ETransaktionsbearbeitung(meldung), feld_(feld) {}
  TTransaktionsfeld Feld() const { return feld_; }

 private:
  TTransaktionsfeld feld_;
};

// The kinds the transaction dialog offers, in its order; splits come only from
// the split dialog.
enum class TEingabeArt { Kauf = 0, Verkauf = 1, Sonstige = 2 };
inline constexpr std::array<std::string_view, 3> kEingabeArten = {"Kauf", "Verkauf", "Sonstige"};

// The texts of the transaction dialog's fields.
struct TTransaktionsEingabe {
  TEingabeArt Art = TEingabeArt::Kauf;
  std::string Datum;
  std::string Stueck;
  std::string Kurs;
  std::string Betrag;
  friend bool operator==(const TTransaktionsEingabe&, const TTransaktionsEingabe&) = default;
};

// Reads and checks the fields in the order date, pieces, price, amount
// (pieces and price only for purchases and sales) and builds the transaction.
// Throws ETransaktionseingabe at the first invalid field.
std::unique_ptr<TTransaktion> TransaktionLesen(const TTransaktionsEingabe& eingabe);

// The fields a click on a list row fills in: a purchase or sale fully, a split
// only its date (as "Kauf"), another cash event its date and amount.
TTransaktionsEingabe EingabeAusTransaktion(const TTransaktion& t);

// Inserts t and returns its index; when the holding would turn negative the
// list stays unchanged and ETransaktionsbearbeitung is thrown. A duplicate split
// raises EWPTransaktionen.
int TransaktionEinfuegen(TWPTransaktionen& liste, const TTransaktion& t);

// Removes and returns the transaction at i; when the holding would turn
// negative without it the list stays unchanged and ETransaktionsbearbeitung is
// thrown. A bad index raises EWPTransaktionen.
std::unique_ptr<TTransaktion> TransaktionEntfernen(TWPTransaktionen& liste, int i);

// The question to ask before removing t, if any (only splits need one).
std::optional<std::string_view> EntfernenRueckfrage(const TTransaktion& t);

// Tab-separated line of the transaction list: date, kind, pieces, price, amount.
std::string TransaktionsZeile(const TTransaktion& t);

// Multiplies the prices back for every removed split (prices by Nach/Von,
// volumes by Von/Nach, before the split's date).
void SplitsRueckgaengig(TKurse& kurse, const std::vector<TTransaktionSplit>& splits);

// The split dialog's input: ratio von : nach and the first day in new units.
struct TSplitEingabe {
  Boersentag Datum = 0;
  double Von = 0;
  double Nach = 0;
};

// Reads both ratio numbers with 4 decimals (0 < value <= 100000) and the date
// (a trading day). Throws ETransaktionseingabe at the first invalid field.
TSplitEingabe SplitLesen(std::string_view von, std::string_view nach, std::string_view datum);

// Working state of the transaction dialog: a copy of the security's
// transactions, edited in memory, and the splits removed so far.
class TTransaktionsbearbeitung {
 public:
  explicit TTransaktionsbearbeitung(const TWPTransaktionen& transaktionen)
      : liste_(transaktionen) {}

  const TWPTransaktionen& Transaktionen() const { return liste_; }
  const std::vector<TTransaktionSplit>& EntfernteSplits() const { return entfernteSplits_; }

  // "Hinzufügen": reads the input and inserts it with the holding check;
  // returns the new index.
  int Hinzufuegen(const TTransaktionsEingabe& eingabe);
  // "Entfernen": removes the transaction at i with the holding check; a removed
  // split is remembered for undoing its price adjustment.
  void Entfernen(int i);
  // On confirming: undoes the price adjustment of every removed split.
  void KurseAnpassen(TKurse& kurse) const { SplitsRueckgaengig(kurse, entfernteSplits_); }

 private:
  TWPTransaktionen liste_;
  std::vector<TTransaktionSplit> entfernteSplits_;
};

}  // namespace morvane
