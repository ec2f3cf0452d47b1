#include "app/fenster/befehlsaktionen.h"

#include <QKeySequence>
#include <QWidget>

namespace morvane {

TBefehlsAktionen::TBefehlsAktionen(QWidget* fenster, const TBehandlung& behandlung)
    : QObject(fenster), behandlung_(behandlung) {
  for (const TBefehlsText& t : Befehlstexte()) {
    auto* aktion = new QAction(QString::fromUtf8(t.Text.data(), t.Text.size()), this);
    if (!t.Kuerzel.empty())
      aktion->setShortcut(QKeySequence(QString::fromUtf8(t.Kuerzel.data(), t.Kuerzel.size())));
    aktion->setEnabled(false);
    fenster->addAction(aktion);
    const TMenuebefehl befehl = t.Befehl;
    connect(aktion, &QAction::triggered, this, [this, befehl] { Ausfuehren(befehl); });
    aktionen_[befehl] = aktion;
  }
}

void TBefehlsAktionen::Verbinden(TMenuebefehl befehl, std::function<void()> handler) {
  handler_[befehl] = std::move(handler);
  Aktion(befehl)->setEnabled(true);
}

}  // namespace morvane

namespace morvane {

void TBefehlsAktionen::Ausfuehren(TMenuebefehl befehl) const {
  const auto h = handler_.find(befehl);
  if (h != handler_.end()) behandlung_(h->second);
}

}  // namespace morvane
