#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QMessageBox>
#include <QTimer>
#include <filesystem>

#include "app/fenster/dialoge_onlineupdate.h"
#include "fenstertesthilfe.h"
#include "online/konto.h"
#include "online/onlineupdate.h"
#include "online/quellendatei.h"
#include "online/signatur.h"
#include "online/updateverzeichnis.h"
#include "testhilfe/serverprozess.h"

namespace morvane::test {
namespace {

std::string Quellen(int tag) {
  TQuelle q;
  q.Name = "Beispiel [WKN]";
  q.UrlVorlage = "https://kurse.example/<wkn>";
  q.Script = "datensatz\n  schluss(trennzeichen \";\")\nende\n";
  return QuellenSchreiben({q}, TQuellenKopf::Programm, KalendertagAusDatum(tag, 12, 2026));
}

// What the user saw of one run of the command.
struct TGesehen {
  std::string Text;
  QMessageBox::Icon Symbol = QMessageBox::NoIcon;
  bool GesperrtWaehrendDesLaufs = false;
  bool GesperrtBeiDerMeldung = false;
};

class OnlineUpdateBefehl : public FensterTest {
 protected:
  static void SetUpTestSuite() { paar_ = SchluesselpaarErzeugen(); }
  void SetUp() override {
    if (!TlsServer().Fehlt().empty()) GTEST_SKIP() << TlsServer().Fehlt() << " fehlt";
    programm_.Schreibe("Quellen35.mvq", Quellen(1));
    TKonto konto;
    konto.UpdateAdresse = TlsServer().Https("/fenster/index.txt");
    KontoSpeichern(programm_.Pfad(), konto);
  }
  static std::string Wurzel() { return TlsServer().Wurzel() + "fenster/"; }
  void Veroeffentlichen(int tag, bool deaktiviert) {
    DateiAnlegen(Wurzel() + "Quellen35.mvq", Quellen(tag));
    UpdateVerzeichnisSignieren(Wurzel(), paar_.PrivatPem, deaktiviert);
  }

  // Runs the command from the menu; the message box is answered as soon as it
  // shows, while the downloads keep the event loop busy before it.
  TGesehen Ausfuehren(THauptfenster& f) {
    TGesehen gesehen;
    QTimer wache;
    QObject::connect(&wache, &QTimer::timeout, [&] {
      if (!f.isEnabled()) gesehen.GesperrtWaehrendDesLaufs = true;
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box) return;
      gesehen.Text = box->text().toStdString();
      gesehen.Symbol = box->icon();
      gesehen.GesperrtBeiDerMeldung = !f.isEnabled();
      box->button(QMessageBox::Ok)->click();
    });
    wache.start(1);
    QAction* aktion = f.Befehle().Aktion(TMenuebefehl::ExtrasOnlineUpdate);
    EXPECT_TRUE(aktion->isEnabled());
    aktion->trigger();
    EXPECT_TRUE(f.isEnabled());
    return gesehen;
  }

  static inline TSchluesselpaar paar_;
};

TEST_F(OnlineUpdateBefehl, ZeigtJedesErgebnis) {
  THauptfenster& f = Oeffnen();
  OnlineUpdateVerbinden(f, *einstellungen_, programm_.Pfad(), paar_.Oeffentlich);
  struct Fall {
    const char* was;
    std::function<void()> vorbereiten;
    TUpdateAusgang ausgang;
    QMessageBox::Icon symbol;
  };
  const Fall faelle[] = {
      {"verändert",
       [&] {
         Veroeffentlichen(2, false);
         DateiAnlegen(Wurzel() + "Quellen35.mvq", Quellen(3));
       },
       TUpdateAusgang::Fehlgeschlagen, QMessageBox::Warning},
      {"deaktiviert", [&] { Veroeffentlichen(2, true); }, TUpdateAusgang::Deaktiviert,
       QMessageBox::Information},
      {"neuer", [&] { Veroeffentlichen(2, false); }, TUpdateAusgang::Erfolgreich,
       QMessageBox::Information},
      {"gleich alt", [] {}, TUpdateAusgang::NichtNotwendig, QMessageBox::Information},
  };
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(fall.was);
    fall.vorbereiten();
    const TGesehen gesehen = Ausfuehren(f);
    EXPECT_EQ(gesehen.Text, UpdateAusgangText(fall.ausgang));
    EXPECT_EQ(gesehen.Symbol, fall.symbol);
    EXPECT_TRUE(gesehen.GesperrtWaehrendDesLaufs);
    EXPECT_TRUE(gesehen.GesperrtBeiDerMeldung);
  }
  EXPECT_EQ(programm_.Lies("Quellen35.mvq"), Quellen(2));
  EXPECT_EQ(programm_.Lies("Quellen35.mvq.bak"), Quellen(1));
  EXPECT_TRUE(Meldungen.empty());
}

// A konto.cfg that cannot be read is an error box, and the window is usable
// again afterwards.
TEST_F(OnlineUpdateBefehl, FehlerLaesstDasFensterFrei) {
  THauptfenster& f = Oeffnen();
  OnlineUpdateVerbinden(f, *einstellungen_, programm_.Pfad(), paar_.Oeffentlich);
  std::filesystem::remove(programm_.Datei("konto.cfg"));
  std::filesystem::create_directory(programm_.Datei("konto.cfg"));
  Ausfuehren(f);
  ASSERT_EQ(Meldungen.size(), 1u);
  EXPECT_TRUE(Meldungen[0].starts_with("Die Kontodaten in '")) << Meldungen[0];
  EXPECT_EQ(programm_.Lies("Quellen35.mvq"), Quellen(1));
}

}  // namespace
}  // namespace morvane::test
