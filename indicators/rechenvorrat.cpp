#include "indicators/rechenvorrat.h"

namespace morvane {

thread_local TRechenvorrat* TRechenvorrat::offen_ = nullptr;

TRechenvorrat::TRechenvorrat(const TKurse& kurse) : kurse_(&kurse), vorher_(offen_) {
  offen_ = this;
}

TRechenvorrat::~TRechenvorrat() {
  offen_ = vorher_;
}

}  // namespace morvane
