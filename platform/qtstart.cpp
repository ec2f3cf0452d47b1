#include "platform/qtstart.h"

#include <QString>
#include <cstdio>

namespace morvane {
namespace {

QtMessageHandler vorigeBehandlung = nullptr;

void Startmeldung(QtMsgType typ, const QMessageLogContext& kontext, const QString& text) {
  if (typ != QtCriticalMsg && typ != QtFatalMsg) return;
  if (vorigeBehandlung) {
    vorigeBehandlung(typ, kontext, text);
  } else {
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(typ, kontext, text)));
  }
}

}  // namespace

TQtStartmeldungen::TQtStartmeldungen() : vorige_(qInstallMessageHandler(Startmeldung)) {
  vorigeBehandlung = vorige_;
}

TQtStartmeldungen::~TQtStartmeldungen() {
  qInstallMessageHandler(vorige_);
}

}  // namespace morvane
