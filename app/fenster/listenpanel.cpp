#include "app/fenster/listenpanel.h"

#include <algorithm>

#include "app/hauptmodell/fensterzustand.h"

namespace morvane {
namespace {

QLabel* Kopf(const QString& text, const QString& name, QWidget* eltern) {
  auto* kopf = new QLabel(text, eltern);
  kopf->setObjectName(name);
  kopf->setFrameShape(QFrame::Panel);
  kopf->setFrameShadow(QFrame::Raised);
  return kopf;
}

}  // namespace

TListenPanel::TListenPanel(QWidget* eltern)
    : QWidget(eltern),
      katalogKopf_(Kopf(QStringLiteral("  Kataloge"), QStringLiteral("KatalogPanel"), this)),
      kataloge_(new QListWidget(this)),
      teiler_(new TTeiler(Qt::Horizontal, this)),
      wertpapierKopf_(
          Kopf(QStringLiteral("  Wertpapiere"), QStringLiteral("WertpapierPanel"), this)),
      wertpapiere_(new QListWidget(this)) {
  setObjectName(QStringLiteral("PanelLinks"));
  kataloge_->setObjectName(QStringLiteral("KatalogListe"));
  kataloge_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  kataloge_->setContextMenuPolicy(Qt::CustomContextMenu);
  teiler_->setObjectName(QStringLiteral("TeilerWaagerecht"));
  wertpapiere_->setObjectName(QStringLiteral("WertpapierListe"));
  wertpapiere_->setSelectionMode(QAbstractItemView::SingleSelection);
  wertpapiere_->setContextMenuPolicy(Qt::CustomContextMenu);
  setTabOrder(kataloge_, wertpapiere_);
  teiler_->OnGezogen = [this](QPoint maus, QPoint start) {
    SetzeKataloglistenHoehe(morvane::KataloglistenHoehe(maus.y() - kataloge_->y(), start.y(),
                                                        height(), kTeilerWaagerechtHoehe,
                                                        katalogKopf_->sizeHint().height()));
  };
}

void TListenPanel::SetzeKataloglistenHoehe(int hoehe) {
  katalogHoehe_ = std::max(0, hoehe);
  Anordnen();
}

void TListenPanel::resizeEvent(QResizeEvent*) {
  Anordnen();
}

void TListenPanel::Anordnen() {
  const int b = width();
  const int kopf = katalogKopf_->sizeHint().height();
  const int liste =
      std::min(katalogHoehe_, std::max(0, height() - 2 * kopf - kTeilerWaagerechtHoehe));
  int y = 0;
  katalogKopf_->setGeometry(0, y, b, kopf);
  y += kopf;
  kataloge_->setGeometry(0, y, b, liste);
  y += liste;
  teiler_->setGeometry(0, y, b, kTeilerWaagerechtHoehe);
  y += kTeilerWaagerechtHoehe;
  wertpapierKopf_->setGeometry(0, y, b, kopf);
  y += kopf;
  wertpapiere_->setGeometry(0, y, b, std::max(0, height() - y));
}

}  // namespace morvane
