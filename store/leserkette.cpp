#include "store/leserkette.h"

#include <array>

#include "store/wp_importexport_mv1.h"
#include "store/wp_importexport_mv2.h"
#include "store/wp_importexport_mv30.h"
#include "store/wp_importexport_mv31.h"
#include "store/wp_importexport_mv35.h"

namespace morvane {

std::optional<TLesung> MitLeserketteLesen(std::string_view daten, const std::string& id,
                                          TLeseumfang umfang) {
  static const TWP_ImportExport_MV35 mv35;
  static const TWP_ImportExport_MV31 mv31;
  static const TWP_ImportExport_MV30 mv30;
  static const TWP_ImportExport_MV2 mv2;
  static const TWP_ImportExport_MV1 mv1;
  static const std::array<const TWPDateiLeser*, 5> kette = {&mv35, &mv31, &mv30, &mv2, &mv1};
  for (const TWPDateiLeser* leser : kette) {
    try {
      return leser->Lesung(daten, id, umfang);
    } catch (const Exception&) {
      // Not this version, or damaged: the next reader tries.
    }
  }
  return std::nullopt;
}

}  // namespace morvane
