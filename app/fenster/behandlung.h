#pragma once

#include <functional>
#include <string>

class QWidget;

namespace morvane {

// Shows one German error message to the user.
using TFehleranzeige = std::function<void(QWidget* eltern, const std::string& meldung)>;

// A modal error box "Fehler" with the message.
void Fehlerbox(QWidget* eltern, const std::string& meldung);

// The one wrapper around every event handler of the main window: an
// Exception (from the store, the chart, a dialog) ends the handler and its
// message is shown; the caller's state is whatever the handler left, which
// the handlers keep consistent by changing it only after reading succeeded.
class TBehandlung {
 public:
  explicit TBehandlung(QWidget* eltern, TFehleranzeige anzeige = Fehlerbox);

  // Runs `handler`; true when it finished without an exception.
  bool operator()(const std::function<void()>& handler) const;
  // Shows a message as a failure would.
  void Zeigen(const std::string& meldung) const;

 private:
  QWidget* eltern_;
  TFehleranzeige anzeige_;
};

// The busy cursor for the lifetime of the object.
class TSanduhr {
 public:
  TSanduhr();
  ~TSanduhr();
  TSanduhr(const TSanduhr&) = delete;
  TSanduhr& operator=(const TSanduhr&) = delete;
};

}  // namespace morvane
