#include "app/fenster/dialoge_onlineupdate.h"

#include <QMessageBox>

#include "app/fenster/hauptfenster.h"
#include "online/konto.h"
#include "online/onlineupdate.h"
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

TUpdateErgebnis Durchfuehren(THauptfenster& fenster, const TEinstellungen& einstellungen,
                             const std::string& programmverzeichnis,
                             const std::string& schluessel) {
  TLogbuch logbuch(einstellungen);
  TOnlineDialog dialog(einstellungen, &fenster);
  dialog.setWindowTitle(QStringLiteral("Online-Update"));
  dialog.Protokoll = [&logbuch](const std::string& zeile) { logbuch.Schreiben(zeile); };
  TOnlineUpdateKontext k{
      programmverzeichnis, KontoLaden(programmverzeichnis).UpdateAdresse, logbuch, nullptr, nullptr,
      schluessel};
  k.Abrufen = [&dialog](const std::string& url,
                        const std::function<void(std::string_view)>& senke) {
    return static_cast<TDownload::TErgebnis>(dialog.Download(url, senke));
  };
  k.Fortschritt = [&dialog](const std::string& datei, int nummer, int anzahl) {
    dialog.Progress(datei, anzahl, nummer, 1);
  };
  return OnlineUpdate(k);
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
