#include "indicators/indikatortypen.h"

#include <array>

#include "indicators/ind1gd.h"
#include "indicators/ind2gd.h"
#include "indicators/indadx.h"
#include "indicators/indbol.h"
#include "indicators/indcci.h"
#include "indicators/indcdo.h"
#include "indicators/indcha.h"
#include "indicators/inddmi.h"
#include "indicators/indemv.h"
#include "indicators/indkst.h"
#include "indicators/indmac.h"
#include "indicators/indmfi.h"
#include "indicators/indmom.h"
#include "indicators/indnv.h"
#include "indicators/indrsi.h"
#include "indicators/indrti.h"
#include "indicators/indsto.h"
#include "indicators/indtsf.h"
#include "indicators/indvhf.h"

namespace morvane {

namespace {

template <class Art>
constexpr TIndikatortyp Typ() {
  return {Art::kSchluessel, Art::kTypname, Art::kGruppe,
          []() -> std::unique_ptr<TIndikator> { return std::make_unique<Art>(); }};
}

// One entry per kind; a new kind is added here in its place of the default set.
constexpr std::array kTypen = {
    Typ<TIndRSI>(), Typ<TIndSTO>(), Typ<TIndMOM>(), Typ<TIndKST>(), Typ<TIndBOL>(),
    Typ<TIndCCI>(), Typ<TInd1GD>(), Typ<TInd2GD>(), Typ<TIndMAC>(), Typ<TIndCDO>(),
    Typ<TIndNV>(),  Typ<TIndCHA>(), Typ<TIndEMV>(), Typ<TIndMFI>(), Typ<TIndDMI>(),
    Typ<TIndTSF>(), Typ<TIndRTI>(), Typ<TIndADX>(), Typ<TIndVHF>(),
};

}  // namespace

std::span<const TIndikatortyp> Indikatortypen() {
  return kTypen;
}

const TIndikatortyp* IndikatortypZu(std::string_view schluessel) {
  for (const auto& typ : kTypen) {
    if (typ.Schluessel == schluessel) return &typ;
  }
  return nullptr;
}

std::unique_ptr<TIndikator> ErzeugeIndikator(std::string_view schluessel) {
  const TIndikatortyp* typ = IndikatortypZu(schluessel);
  return typ ? typ->Erzeugen() : nullptr;
}

}  // namespace morvane
