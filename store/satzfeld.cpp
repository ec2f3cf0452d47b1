#include "store/satzfeld.h"

namespace morvane {

void SatzZuKurz() {
  throw ELesefehler("Lesefehler: unerwartetes Dateiende");
}

}  // namespace morvane
