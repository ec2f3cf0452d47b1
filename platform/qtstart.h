#pragma once

#include <QtGlobal>

namespace morvane {

// Holds back Qt's notes while a Q(Gui)Application starts: a bare environment
// (no XDG_RUNTIME_DIR, say) draws English warnings the user has no use for.
// Errors still pass; the previous message handler is back afterwards.
class TQtStartmeldungen {
 public:
  TQtStartmeldungen();
  ~TQtStartmeldungen();
  TQtStartmeldungen(const TQtStartmeldungen&) = delete;
  TQtStartmeldungen& operator=(const TQtStartmeldungen&) = delete;

 private:
  QtMessageHandler vorige_;
};

}  // namespace morvane
