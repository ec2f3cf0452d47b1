#include "online/ui/fensterumgebung.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QWidget>

#include "online/internetverbindung.h"
#include "online/ui/onlinedialog.h"
#include "store/logbuch.h"

namespace morvane {

TFensterUmgebung::TFensterUmgebung(const TEinstellungen& einstellungen, TLogbuch& logbuch,
                                   TInternetVerbindung& verbindung, QWidget* ueber,
                                   std::function<void(bool)> sperren)
    : dialog_(std::make_unique<TOnlineDialog>(einstellungen)),
      ueber_(ueber),
      sperren_(std::move(sperren)) {
  dialog_->Protokoll = [&logbuch](const std::string& zeile) {
    try {
      logbuch.Schreiben(zeile);
    } catch (const ELogbuch&) {
      // The run reports a log book that cannot be opened itself.
    }
  };
  dialog_->BeimAbbrechen = [this, &verbindung] {
    abgebrochen_ = true;
    verbindung.Abbrechen();
  };
  Sperren(true);
}

TFensterUmgebung::~TFensterUmgebung() {
  dialog_.reset();
  if (sperrtiefe_ > 0 && sperren_) sperren_(false);
}

void TFensterUmgebung::Platzieren() {
  if (platziert_) return;
  platziert_ = true;
  dialog_->adjustSize();
  if (ueber_) dialog_->move(ueber_->geometry().center() - dialog_->rect().center());
}

void TFensterUmgebung::Status(const std::string& text) {
  Platzieren();
  dialog_->Status(text);
  Pumpe();
}

void TFensterUmgebung::Fortschritt(const std::string& quelle, int anzahl, int nummer, int lauf) {
  Platzieren();
  dialog_->Progress(quelle, anzahl, nummer, lauf);
  Pumpe();
}

TSeitenabruf TFensterUmgebung::Abrufen(const std::string& anfrage, const std::string& agent,
                                       const std::function<void(std::string_view)>& senke) {
  if (abgebrochen_) return {TDownload::Abgebrochen, 0, {}};
  TSeitenabruf abruf = dialog_->Abrufen(anfrage, agent, senke);
  if (abgebrochen_) abruf.Ergebnis = TDownload::Abgebrochen;
  return abruf;
}

// The run breaks a message's lines with a carriage return.
void TFensterUmgebung::Meldung(const std::string& text) {
  QString zeilen = QString::fromStdString(text);
  zeilen.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  QMessageBox::warning(dialog_.get(), QStringLiteral("Kursaktualisierung"), zeilen);
}

void TFensterUmgebung::Pumpe() {
  QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

void TFensterUmgebung::Sperren(bool gesperrt) {
  const bool aussen = gesperrt ? sperrtiefe_++ == 0 : sperrtiefe_ > 0 && --sperrtiefe_ == 0;
  if (aussen && sperren_) sperren_(gesperrt);
}

}  // namespace morvane
