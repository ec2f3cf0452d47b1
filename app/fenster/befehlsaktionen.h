#pragma once

#include <QAction>
#include <QObject>
#include <functional>
#include <map>

#include "app/fenster/behandlung.h"
#include "app/hauptmodell/befehle.h"

namespace morvane {

// One QAction per command of the main window, with its German caption and
// shortcut. A command is enabled once a handler is connected; until then it
// is shown disabled, so that nothing pretends to work. Connected handlers run
// inside the window's event wrapper.
class TBefehlsAktionen : public QObject {
 public:
  TBefehlsAktionen(QWidget* fenster, const TBehandlung& behandlung);

  QAction* Aktion(TMenuebefehl befehl) const { return aktionen_.at(befehl); }
  // Connects the command's handler (replacing one connected before).
  void Verbinden(TMenuebefehl befehl, std::function<void()> handler);
  bool Verbunden(TMenuebefehl befehl) const { return handler_.count(befehl) != 0; }
  // Runs the connected handler inside the wrapper; nothing when none is.
  void Ausfuehren(TMenuebefehl befehl) const;

 private:
  const TBehandlung& behandlung_;
  std::map<TMenuebefehl, QAction*> aktionen_;
  std::map<TMenuebefehl, std::function<void()>> handler_;
};

}  // namespace morvane
