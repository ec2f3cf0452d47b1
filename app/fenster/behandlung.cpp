#include "app/fenster/behandlung.h"

#include <QApplication>
#include <QMessageBox>
#include <new>

#include "core/exception.h"

namespace morvane {

void Fehlerbox(QWidget* eltern, const std::string& meldung) {
  QMessageBox::critical(eltern, QStringLiteral("Fehler"), QString::fromStdString(meldung));
}

TBehandlung::TBehandlung(QWidget* eltern, TFehleranzeige anzeige)
    : eltern_(eltern), anzeige_(std::move(anzeige)) {}

bool TBehandlung::operator()(const std::function<void()>& handler) const {
  try {
    handler();
    return true;
  } catch (const Exception& e) {
    Zeigen(e.Meldung());
  } catch (const std::bad_alloc&) {
    Zeigen("Nicht genügend Arbeitsspeicher für diesen Vorgang.");
  }
  return false;
}

void TBehandlung::Zeigen(const std::string& meldung) const {
  anzeige_(eltern_, meldung);
}

TSanduhr::TSanduhr() {
  QApplication::setOverrideCursor(Qt::WaitCursor);
}

TSanduhr::~TSanduhr() {
  QApplication::restoreOverrideCursor();
}

}  // namespace morvane
