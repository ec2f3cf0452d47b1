#pragma once

#include <memory>
#include <span>
#include <string_view>

#include "indicators/indikator.h"

namespace morvane {

// A kind of indicator as the set, the dialogs and the file layer know it,
// without an object of it.
struct TIndikatortyp {
  std::string_view Schluessel;  // class key, "IndRSI"
  std::string_view Typname;     // "Index der relativen Stärke (RSI)"
  int Gruppe = 0;               // the group its default entry belongs to
  std::unique_ptr<TIndikator> (*Erzeugen)() = nullptr;
};

// Every kind, in the order of the default set (group 1, then 2, then 3).
std::span<const TIndikatortyp> Indikatortypen();
// The kind with exactly this class key (case-sensitive), or none.
const TIndikatortyp* IndikatortypZu(std::string_view schluessel);
// A new indicator of the kind with default parameters, or none for an
// unknown key.
std::unique_ptr<TIndikator> ErzeugeIndikator(std::string_view schluessel);

}  // namespace morvane
