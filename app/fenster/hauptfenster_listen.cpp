// The main window's two lists, the keyboard and the scroll bar.
#include <QKeyEvent>
#include <QSignalBlocker>

#include "app/fenster/hauptfenster.h"

namespace morvane {
namespace {

std::optional<TTaste> TasteVon(int taste) {
  switch (taste) {
    case Qt::Key_PageUp:
      return TTaste::BildAuf;
    case Qt::Key_PageDown:
      return TTaste::BildAb;
    case Qt::Key_Home:
      return TTaste::Pos1;
    case Qt::Key_End:
      return TTaste::Ende;
    case Qt::Key_Left:
      return TTaste::Links;
    case Qt::Key_Right:
      return TTaste::Rechts;
    case Qt::Key_Up:
      return TTaste::Hoch;
    case Qt::Key_Down:
      return TTaste::Runter;
    default:
      return std::nullopt;
  }
}

// The chart's scroll code for an action of the scroll bar.
std::optional<int> ScrollCodeVon(int aktion) {
  switch (aktion) {
    case QAbstractSlider::SliderSingleStepSub:
      return scZeileLinks;
    case QAbstractSlider::SliderSingleStepAdd:
      return scZeileRechts;
    case QAbstractSlider::SliderPageStepSub:
      return scSeiteLinks;
    case QAbstractSlider::SliderPageStepAdd:
      return scSeiteRechts;
    case QAbstractSlider::SliderToMinimum:
      return scAnfang;
    case QAbstractSlider::SliderToMaximum:
      return scEnde;
    case QAbstractSlider::SliderMove:
      return scSchieberZiehen;
    default:
      return std::nullopt;
  }
}

}  // namespace

void THauptfenster::Ausfuehren(const std::function<void()>& handler) {
  // After a failure the lists show again what the model kept.
  if (!behandlung_(handler)) ListenAnzeigen();
}

void THauptfenster::Starten() {
  if (gestartet_) return;
  gestartet_ = true;
  Ausfuehren([this] {
    std::vector<std::string> hinweise;
    listen_.KatalogeFuellen();
    const bool zeigen = listen_.Wiederherstellen(einstellungen_.OffeneKataloge,
                                                 einstellungen_.OffenesWertpapier, hinweise);
    ListenAnzeigen();
    panel_->Wertpapiere()->setFocus();
    HinweiseZeigen(hinweise);
    if (zeigen) WertpapierZeigen();
  });
}

void THauptfenster::ListenNeuFuellen() {
  Ausfuehren([this] {
    std::vector<std::string> hinweise;
    listen_.KatalogeFuellen();
    listen_.WertpapiereFuellen(hinweise);
    ListenAnzeigen();
    HinweiseZeigen(hinweise);
  });
}

void THauptfenster::GewaehltesWertpapierZeigen() {
  Ausfuehren([this] { WertpapierZeigen(); });
}

void THauptfenster::ListenNeuFuellen(const std::vector<std::string>& kataloge,
                                     const std::string& id) {
  Ausfuehren([&] {
    std::vector<std::string> hinweise;
    listen_.KatalogeFuellen();
    const bool zeigen = listen_.Wiederherstellen(kataloge, {id}, hinweise);
    ListenAnzeigen();
    HinweiseZeigen(hinweise);
    if (zeigen) WertpapierZeigen();
  });
}

void THauptfenster::ListenAnzeigen() {
  KatalogeAnzeigen();
  WertpapiereAnzeigen();
}

void THauptfenster::KatalogeAnzeigen() {
  QListWidget* liste = panel_->Kataloge();
  const QSignalBlocker sperre(liste);
  liste->clear();
  const auto& kataloge = listen_.Kataloge();
  for (std::size_t i = 0; i < kataloge.size(); ++i) {
    auto* zeile = new QListWidgetItem(QString::fromStdString(kataloge[i]), liste);
    zeile->setSelected(listen_.KatalogGewaehlt(i));
  }
}

void THauptfenster::WertpapiereAnzeigen() {
  QListWidget* liste = panel_->Wertpapiere();
  const QSignalBlocker sperre(liste);
  liste->clear();
  for (const TWertpapierZeile& z : listen_.Zeilen())
    new QListWidgetItem(QString::fromStdString(z.Name), liste);
  if (const auto zeile = listen_.Zeile()) {
    liste->setCurrentRow(static_cast<int>(*zeile));
    liste->scrollToItem(liste->item(static_cast<int>(*zeile)));
  }
}

void THauptfenster::HinweiseZeigen(const std::vector<std::string>& hinweise) {
  if (hinweise.empty()) return;
  std::string text;
  for (const std::string& h : hinweise)
    text += (text.empty() ? "" : "\n") + h;
  behandlung_.Zeigen(text);
}

void THauptfenster::WertpapierZeigen() {
  const auto id = listen_.GewaehlteID();
  if (!id) return;
  const TSanduhr sanduhr;
  // A security that cannot be loaded leaves the chart empty, and so it is
  // drawn before the failure is shown.
  try {
    feld_->ZeigeWertpapier(*id);
  } catch (...) {
    bereich_->update();
    throw;
  }
  scroll_->setValue(feld_->ScrollPosition());
  bereich_->update();
}

void THauptfenster::KatalogGeklickt() {
  Ausfuehren([this] {
    QListWidget* liste = panel_->Kataloge();
    std::vector<bool> gewaehlt(static_cast<std::size_t>(liste->count()));
    for (int i = 0; i < liste->count(); ++i)
      gewaehlt[static_cast<std::size_t>(i)] = liste->item(i)->isSelected();
    listen_.SetzeKatalogauswahl(gewaehlt);
    std::vector<std::string> hinweise;
    const bool zeigen = listen_.KatalogeGeaendert(hinweise);
    WertpapiereAnzeigen();
    HinweiseZeigen(hinweise);
    if (zeigen) WertpapierZeigen();
  });
}

void THauptfenster::WertpapierGeklickt() {
  Ausfuehren([this] {
    const int zeile = panel_->Wertpapiere()->currentRow();
    if (zeile < 0) return;
    listen_.WaehleZeile(static_cast<std::size_t>(zeile));
    WertpapierZeigen();
  });
}

void THauptfenster::KatalogKontext(QPoint pos) {
  QListWidget* liste = panel_->Kataloge();
  const QPoint global = liste->viewport()->mapToGlobal(pos);
  Ausfuehren([&] {
    katalogPopupZeile_ = liste->indexAt(pos).row();
    if (katalogPopupZeile_ >= 0 &&
        !listen_.KatalogGewaehlt(static_cast<std::size_t>(katalogPopupZeile_))) {
      listen_.WaehleNurKatalog(static_cast<std::size_t>(katalogPopupZeile_));
      std::vector<std::string> hinweise;
      listen_.WertpapiereFuellen(hinweise);
      ListenAnzeigen();
      HinweiseZeigen(hinweise);
    }
  });
  katalogPopupZuletzt_ = true;
  katalogPopup_->Oeffnen(katalogPopupZeile_ >= 0, global);
}

void THauptfenster::WertpapierKontext(QPoint pos) {
  QListWidget* liste = panel_->Wertpapiere();
  const int zeile = liste->indexAt(pos).row();
  const QPoint global = liste->viewport()->mapToGlobal(pos);
  if (zeile >= 0 && listen_.Zeile() != static_cast<std::size_t>(zeile)) {
    Ausfuehren([&] {
      listen_.WaehleZeile(static_cast<std::size_t>(zeile));
      WertpapiereAnzeigen();
      WertpapierZeigen();
    });
  }
  katalogPopupZuletzt_ = false;
  wertpapierPopup_->Oeffnen(zeile >= 0, global);
}

bool THauptfenster::TasteBehandeln(int taste, Qt::KeyboardModifiers tasten) {
  const auto t = TasteVon(taste);
  if (!t) return false;
  const TTastenAktion aktion = TastenAktion(*t, tasten.testFlag(Qt::ControlModifier));
  Ausfuehren([&] {
    if (aktion.ScrollCode) Scrollen(*aktion.ScrollCode, 0);
    if (aktion.Wertpapierschritt != 0) Wertpapierschritt(aktion.Wertpapierschritt);
  });
  return true;
}

void THauptfenster::Wertpapierschritt(int schritt) {
  std::vector<std::string> hinweise;
  const bool bewegt = schritt > 0 ? listen_.Naechstes(hinweise) : listen_.Voriges(hinweise);
  if (!bewegt) return;
  ListenAnzeigen();
  HinweiseZeigen(hinweise);
  WertpapierZeigen();
}

void THauptfenster::Scrollen(int code, int position) {
  feld_->Scrolle(code, position);
  scroll_->setSliderPosition(feld_->ScrollPosition());
  bereich_->update();
}

void THauptfenster::ScrollAktion(int aktion) {
  const auto code = ScrollCodeVon(aktion);
  if (!code) return;
  Ausfuehren([&] { Scrollen(*code, scroll_->sliderPosition()); });
}

void THauptfenster::keyPressEvent(QKeyEvent* ereignis) {
  if (!TasteBehandeln(ereignis->key(), ereignis->modifiers())) QMainWindow::keyPressEvent(ereignis);
}

bool THauptfenster::eventFilter(QObject* objekt, QEvent* ereignis) {
  const bool liste = objekt == panel_->Kataloge() || objekt == panel_->Wertpapiere();
  if (liste && ereignis->type() == QEvent::KeyPress) {
    const auto* taste = static_cast<QKeyEvent*>(ereignis);
    return TasteBehandeln(taste->key(), taste->modifiers());
  }
  // A right click selects by the popup rules, not by the list's own.
  const bool flaeche =
      objekt == panel_->Kataloge()->viewport() || objekt == panel_->Wertpapiere()->viewport();
  if (flaeche && (ereignis->type() == QEvent::MouseButtonPress ||
                  ereignis->type() == QEvent::MouseButtonDblClick)) {
    return static_cast<QMouseEvent*>(ereignis)->button() == Qt::RightButton;
  }
  return QMainWindow::eventFilter(objekt, ereignis);
}

}  // namespace morvane
