#include "core/transaktion.h"

namespace morvane {

bool TTransaktionHandel::GleicheWerte(const TTransaktion& andere) const {
  const auto& a = static_cast<const TTransaktionHandel&>(andere);
  return Stueck == a.Stueck && Kurs == a.Kurs && Betrag == a.Betrag;
}

std::unique_ptr<TTransaktion> TTransaktionKauf::Kopie() const {
  return std::make_unique<TTransaktionKauf>(*this);
}

std::unique_ptr<TTransaktion> TTransaktionVerkauf::Kopie() const {
  return std::make_unique<TTransaktionVerkauf>(*this);
}

std::unique_ptr<TTransaktion> TTransaktionSplit::Kopie() const {
  return std::make_unique<TTransaktionSplit>(*this);
}

bool TTransaktionSplit::GleicheWerte(const TTransaktion& andere) const {
  const auto& a = static_cast<const TTransaktionSplit&>(andere);
  return Von == a.Von && Nach == a.Nach;
}

std::unique_ptr<TTransaktion> TTransaktionSonstige::Kopie() const {
  return std::make_unique<TTransaktionSonstige>(*this);
}

bool TTransaktionSonstige::GleicheWerte(const TTransaktion& andere) const {
  return Betrag == static_cast<const TTransaktionSonstige&>(andere).Betrag;
}

}  // namespace morvane
