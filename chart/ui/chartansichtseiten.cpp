#include "chart/ui/chartansichtseiten.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <string_view>
#include <type_traits>

#include "chart/chartansichteingaben.h"
#include "chart/ui/dialogteile.h"

namespace morvane {
namespace {

template <typename T>
T* Element(const char* name, QWidget* eltern, const char* text = nullptr) {
  T* element = nullptr;
  if constexpr (std::is_constructible_v<T, QString, QWidget*>) {
    element = text ? new T(QString::fromUtf8(text), eltern) : new T(eltern);
  } else {
    element = new T(eltern);
  }
  element->setObjectName(QString::fromLatin1(name));
  return element;
}

QLabel* Beschriftung(const char* name, const char* text, QWidget* eltern, QWidget* partner) {
  QLabel* label = Element<QLabel>(name, eltern, text);
  label->setBuddy(partner);
  return label;
}

template <std::size_t N>
QComboBox* Auswahl(const char* name, const std::array<std::string_view, N>& eintraege,
                   bool editierbar, QWidget* eltern) {
  QComboBox* box = Element<QComboBox>(name, eltern);
  for (std::string_view eintrag : eintraege)
    box->addItem(QtText(eintrag));
  if (editierbar) {
    box->setEditable(true);
    // Typed texts are checked on OK; they do not become list items.
    box->setInsertPolicy(QComboBox::NoInsert);
  }
  return box;
}

// An edit just wide enough for `zeichen` digits.
QLineEdit* ZahlFeld(const char* name, int zeichen, QWidget* eltern) {
  QLineEdit* feld = Element<QLineEdit>(name, eltern);
  const int breite = feld->fontMetrics().horizontalAdvance(QString(zeichen, QLatin1Char('0')));
  feld->setFixedWidth(breite + 16);
  return feld;
}

QWidget* LinienEigenschaften(TChartAnsichtSteuerelemente& s, QWidget* eltern) {
  auto* seite = new QWidget(eltern);
  s.L_Kurs = Auswahl("L_Kurs", kKursfelder, false, seite);
  auto* spalte = new QVBoxLayout(seite);
  spalte->setContentsMargins(0, 0, 0, 0);
  spalte->addWidget(Beschriftung("L_Label", "Ku&rs verwenden:", seite, s.L_Kurs));
  spalte->addWidget(s.L_Kurs);
  spalte->addStretch();
  return seite;
}

QWidget* PointFigureEigenschaften(TChartAnsichtSteuerelemente& s, QWidget* eltern) {
  auto* seite = new QWidget(eltern);
  s.P_Kurs = Auswahl("P_Kurs", kKursfelder, false, seite);
  s.P_Umkehrminimum = ZahlFeld("P_Umkehrminimum", 7, seite);
  auto* umkehr = new QHBoxLayout;
  umkehr->addWidget(Beschriftung("P_Label2", "U&mkehrminimum:", seite, s.P_Umkehrminimum));
  umkehr->addWidget(s.P_Umkehrminimum);
  umkehr->addWidget(Element<QLabel>("P_Label3", seite, "%"));
  umkehr->addStretch();
  auto* spalte = new QVBoxLayout(seite);
  spalte->setContentsMargins(0, 0, 0, 0);
  spalte->addWidget(Beschriftung("P_Label1", "Ku&rs verwenden:", seite, s.P_Kurs));
  spalte->addWidget(s.P_Kurs);
  spalte->addSpacing(8);
  spalte->addLayout(umkehr);
  spalte->addStretch();
  return seite;
}

QWidget* KeineEigenschaften(QWidget* eltern) {
  auto* hinweis =
      new QLabel(QString::fromUtf8("Dieser Charttyp hat keine weiteren Eigenschaften."), eltern);
  hinweis->setWordWrap(true);
  hinweis->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  hinweis->setEnabled(false);
  return hinweis;
}

}  // namespace

QWidget* AllgemeinSeite(TChartAnsichtSteuerelemente& s) {
  auto* seite = new QWidget;
  auto* typen = new QGroupBox(QString::fromUtf8("Charttyp"), seite);
  auto* typSpalte = new QVBoxLayout(typen);
  const char* namen[] = {"Linienchart", "Balkenchart", "Kerzenchart", "PointFigureChart",
                         "EquivolumeChart"};
  const char* texte[] = {"&Linienchart", "&Balkenchart", "&Kerzenchart", "&Point-&&-Figure Chart",
                         "E&quivolume Chart"};
  auto* gruppe = new QButtonGroup(typen);
  for (std::size_t i = 0; i < s.Charttyp.size(); ++i) {
    s.Charttyp[i] = Element<QRadioButton>(namen[i], typen, texte[i]);
    gruppe->addButton(s.Charttyp[i], static_cast<int>(i) + 1);
    typSpalte->addWidget(s.Charttyp[i]);
  }
  typSpalte->addStretch();

  auto* eigenschaften = new QGroupBox(QString::fromUtf8("Eigenschaften"), seite);
  s.Eigenschaften = new QStackedWidget(eigenschaften);
  s.LinienSeite = LinienEigenschaften(s, s.Eigenschaften);
  s.PointFigureSeite = PointFigureEigenschaften(s, s.Eigenschaften);
  s.LeereSeite = KeineEigenschaften(s.Eigenschaften);
  for (QWidget* w : {s.LinienSeite, s.PointFigureSeite, s.LeereSeite})
    s.Eigenschaften->addWidget(w);
  (new QVBoxLayout(eigenschaften))->addWidget(s.Eigenschaften);

  auto* zeile = new QHBoxLayout(seite);
  zeile->addWidget(typen);
  zeile->addWidget(eigenschaften, 1);
  return seite;
}

QWidget* AchsenSeite(TChartAnsichtSteuerelemente& s) {
  auto* seite = new QWidget;
  auto* zeit = new QGroupBox(QString::fromUtf8("Zeitachse"), seite);
  s.Zeit_Tage = Auswahl("Zeit_Tage", kTageAuswahl, true, zeit);
  s.Zeit_Wochentag = Element<QCheckBox>("Zeit_Wochentag", zeit, "&Wochentag");
  s.Zeit_Monatsbalken = Element<QCheckBox>("Zeit_Monatsbalken", zeit, "&Monatsbalken");
  s.Zeit_Jahresbalken = Element<QCheckBox>("Zeit_Jahresbalken", zeit, "&Jahresbalken");
  s.Zeit_TageOhneKursWeglassen =
      Element<QCheckBox>("Zeit_TageOhneKursWeglassen", zeit, "Tage &ohne Kurs weglassen");
  auto* tage = new QHBoxLayout;
  tage->addWidget(Beschriftung("Zeit_Label", "Zeit&raum:", zeit, s.Zeit_Tage));
  tage->addWidget(s.Zeit_Tage, 1);
  auto* zeitSpalte = new QVBoxLayout(zeit);
  zeitSpalte->addLayout(tage);
  zeitSpalte->addSpacing(6);
  for (QWidget* w :
       {s.Zeit_Wochentag, s.Zeit_Monatsbalken, s.Zeit_Jahresbalken, s.Zeit_TageOhneKursWeglassen}) {
    zeitSpalte->addWidget(w);
  }
  zeitSpalte->addStretch();

  auto* wert = new QGroupBox(QString::fromUtf8("Wertachse"), seite);
  s.Wert_Linear = Element<QRadioButton>("Wert_Linear", wert, "Li&near");
  s.Wert_Logarithmisch = Element<QRadioButton>("Wert_Logarithmisch", wert, "&Logarithmisch");
  auto* wertSpalte = new QVBoxLayout(wert);
  wertSpalte->addWidget(s.Wert_Linear);
  wertSpalte->addWidget(s.Wert_Logarithmisch);
  s.Wert_GraphStrecken = Element<QCheckBox>("Wert_GraphStrecken", seite, "&Graph strecken");

  auto* rechts = new QVBoxLayout;
  rechts->addWidget(wert);
  rechts->addSpacing(6);
  rechts->addWidget(s.Wert_GraphStrecken);
  rechts->addStretch();
  auto* zeile = new QHBoxLayout(seite);
  zeile->addWidget(zeit, 1);
  zeile->addLayout(rechts);
  return seite;
}

QWidget* ZusaetzeSeite(TChartAnsichtSteuerelemente& s) {
  auto* seite = new QWidget;
  auto* einblenden = new QGroupBox(QString::fromUtf8("Im Chart einblenden"), seite);
  s.Z_Punkteraster = Element<QCheckBox>("Z_Punkteraster", einblenden, "&Punkteraster");
  s.Z_KaufVerkauf = Element<QCheckBox>("Z_KaufVerkauf", einblenden, "&Transaktionen");
  s.Z_GVGrenze = Element<QCheckBox>("Z_GVGrenze", einblenden, "G/V-&Grenzen");
  s.Z_Indikatoren = Element<QCheckBox>("Z_Indikatoren", einblenden, "&Indikator-Balken");
  s.Z_Infobereich = Element<QCheckBox>("Z_Infobereich", einblenden, "In&fobereich");
  auto* einblendenSpalte = new QVBoxLayout(einblenden);
  for (QWidget* w :
       {s.Z_Punkteraster, s.Z_KaufVerkauf, s.Z_GVGrenze, s.Z_Indikatoren, s.Z_Infobereich}) {
    einblendenSpalte->addWidget(w);
  }
  einblendenSpalte->addStretch();

  // The histogram's check box heads its group; the rows below it are indented.
  auto* umsatz = new QGroupBox(seite);
  s.Umsatz_Anzeigen = Element<QCheckBox>("Umsatz_Anzeigen", umsatz, "Stück&umsatz-Histogramm");
  s.Umsatz_Hoehe = Auswahl("Umsatz_Hoehe", kHoeheAuswahl, true, umsatz);
  s.Umsatz_Hoehe->setMinimumWidth(s.Umsatz_Hoehe->fontMetrics().horizontalAdvance("100 %") + 40);
  s.Umsatz_Label1 = Beschriftung("Umsatz_Label1", "H&öhe:", umsatz, s.Umsatz_Hoehe);
  s.Umsatz_Abschneiden =
      Element<QCheckBox>("Umsatz_Abschneiden", umsatz, "E&xtremwerte abschneiden");
  s.Umsatz_Extremwert = ZahlFeld("Umsatz_Extremwert", 5, umsatz);
  s.Umsatz_Label2 = Beschriftung("Umsatz_Label2", "a&b", umsatz, s.Umsatz_Extremwert);
  s.Umsatz_Label3 = Element<QLabel>("Umsatz_Label3", umsatz, "% über Durchschn.");

  auto* raster = new QGridLayout(umsatz);
  raster->addWidget(s.Umsatz_Anzeigen, 0, 0, 1, 4);
  raster->setColumnMinimumWidth(0, 16);
  raster->addWidget(s.Umsatz_Label1, 1, 1);
  raster->addWidget(s.Umsatz_Hoehe, 1, 2, 1, 2, Qt::AlignLeft);
  raster->addWidget(s.Umsatz_Abschneiden, 2, 1, 1, 3);
  raster->addWidget(s.Umsatz_Label2, 3, 1);
  raster->addWidget(s.Umsatz_Extremwert, 3, 2);
  raster->addWidget(s.Umsatz_Label3, 3, 3);
  raster->setColumnStretch(3, 1);
  raster->setRowStretch(4, 1);

  auto* zeile = new QHBoxLayout(seite);
  zeile->addWidget(einblenden);
  zeile->addWidget(umsatz, 1);
  return seite;
}

}  // namespace morvane
