#include "app/fenster/uebersetzung.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>

namespace morvane {

bool QtDeutschLaden(QCoreApplication& anwendung) {
  const QLocale deutsch(QLocale::German, QLocale::Germany);
  QLocale::setDefault(deutsch);
  auto uebersetzer = std::make_unique<QTranslator>();
  if (!uebersetzer->load(deutsch, QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    return false;
  // The application owns it from here and keeps it for its lifetime.
  uebersetzer->setParent(&anwendung);
  QCoreApplication::installTranslator(uebersetzer.release());
  return true;
}

}  // namespace morvane
