#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QTimer>
#include <QWidget>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "core/ui/wpdialogteile.h"
#include "core/wertpapier.h"
#include "store/wpverwaltung.h"
#include "testhilfe/beispieldaten.h"
#include "testhilfe/qt/dialogtesthilfe.h"
#include "testhilfe/tempverzeichnis.h"

namespace morvane::test {

// A data directory with "Aktien/Microsoft.mv3" (real prices) and an
// environment that records messages and answers questions with `Antwort`.
class WPDialogTest : public testing::Test {
 protected:
  WPDialogTest() : store_(daten_.Pfad()) {
    umgebung_.Fehler = [this](QWidget*, const std::string& m) { meldungen_.push_back(m); };
    umgebung_.Frage = [this](QWidget*, const std::string& f) {
      fragen_.push_back(f);
      return antwort_;
    };
    id_ = Anlegen("Aktien", BeispielPapier("MSFT_2003_matplotlib.csv", "Microsoft"));
  }

  std::string Anlegen(const std::string& katalog, const TWertpapier& papier) {
    const std::string id = store_.NeueID(katalog, papier.Bezeichnung);
    store_.WertpapierSpeichern(id, papier);
    return id;
  }

  std::string Datei() const { return Datei(id_); }
  static std::string Datei(const std::string& pfad) {
    std::ifstream ein(pfad, std::ios::binary);
    std::ostringstream inhalt;
    inhalt << ein.rdbuf();
    return inhalt.str();
  }

  TTempVerzeichnis daten_;
  TWPVerwaltung store_;
  std::string id_;
  TWPDialogUmgebung umgebung_;
  std::vector<std::string> meldungen_;
  std::vector<std::string> fragen_;
  bool antwort_ = true;
};

// Renders a dialog to build-test/.../bilder/<name>.png for people to look at.
inline void Bild(QWidget& dialog, const char* name) {
  dialog.adjustSize();
  QDir().mkpath(QStringLiteral(MORVANE_BILDER));
  EXPECT_TRUE(dialog.grab().save(QStringLiteral(MORVANE_BILDER "/") + QLatin1String(name) +
                                 QStringLiteral(".png")));
}

}  // namespace morvane::test
