#include "app/fenster/dialoge_onlineupdate.h"

#include <QMessageBox>

#include "app/fenster/hauptfenster.h"
#include "online/internetverbindung.h"
#include "online/konto.h"
#include "online/programmupdate.h"
#include "online/ui/fensterumgebung.h"
#include "online/ui/onlinedialog.h"
#include "store/logbuch.h"

namespace morvane {
namespace {

// The main window is disabled while the object lives.
class TFenstersperre {
 public:
  explicit TFenstersperre(QWidget& fenster) : fenster_(fenster) { fenster_.setEnabled(false); }
  ~TFenstersperre() { fenster_.setEnabled(true); }
  TFenstersperre(const TFenstersperre&) = delete;
  TFenstersperre& operator=(const TFenstersperre&) = delete;

 private:
  QWidget& fenster_;
};

// The update in the window's surroundings: a progress window of its own that
// stays usable while the main window is disabled, downloads with the
// account's User-Agent. The caller holds the window's lock.
TUpdateErgebnis Durchfuehren(THauptfenster& fenster, const TEinstellungen& einstellungen,
                             const std::string& programmverzeichnis,
                             const std::string& schluessel) {
  // An unreadable konto.cfg stops the update before anything is locked.
  const TKonto konto = KontoLaden(programmverzeichnis);
  TLogbuch logbuch(einstellungen);
  TInternetVerbindung verbindung;
  TFensterUmgebung umgebung(einstellungen, logbuch, verbindung, &fenster, [](bool) {});
  umgebung.Dialog().setWindowTitle(QStringLiteral("Online-Update"));
  return OnlineUpdateMit(umgebung, programmverzeichnis, konto, logbuch, schluessel);
}

}  // namespace

void OnlineUpdateVerbinden(THauptfenster& fenster, TEinstellungen& einstellungen,
                           const std::string& programmverzeichnis, std::string schluessel) {
  fenster.Befehle().Verbinden(
      TMenuebefehl::ExtrasOnlineUpdate,
      [&fenster, &einstellungen, programmverzeichnis, schluessel = std::move(schluessel)] {
        TFenstersperre sperre(fenster);
        const TUpdateErgebnis ergebnis =
            Durchfuehren(fenster, einstellungen, programmverzeichnis, schluessel);
        const QString text = QString::fromStdString(UpdateAusgangText(ergebnis.Ausgang));
        const QString titel = QStringLiteral("Online-Update");
        if (ergebnis.Ausgang == TUpdateAusgang::Fehlgeschlagen) {
          QMessageBox::warning(&fenster, titel, text);
        } else {
          QMessageBox::information(&fenster, titel, text);
        }
      });
}

}  // namespace morvane
