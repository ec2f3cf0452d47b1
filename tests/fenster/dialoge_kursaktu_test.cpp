#include "app/fenster/dialoge_kursaktu.h"
#include "app/fenster/info.h"

#include <gtest/gtest.h>

#include <QContextMenuEvent>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <filesystem>

#include "core/datei.h"
#include "core/datumtext.h"
#include "fenstertesthilfe.h"
#include "online/konto.h"
#include "online/quellendatei.h"
#include "online/ui/dialogkursaktualisierung.h"
#include "online/ui/dialogkurslosewps.h"
#include "store/logbuch.h"
#include "testhilfe/qt/modalfolge.h"
#include "testhilfe/serverprozess.h"
#include "zeitsteuerung/lauf.h"
#include "zeitsteuerung/termine.h"

namespace morvane::test {
namespace {

// "Datum;Eröffnung;Hoch;Tief;Schluss" lines, one record each.
constexpr const char* kSkript =
    "datensatz\n"
    "  datum(format \"TT.MM.JJJJ\") suche(\";\")\n"
    "  eröffnung(trennzeichen \";\") höchst(trennzeichen \";\") tiefst(trennzeichen \";\")\n"
    "  schluss\n"
    "ende\n";

// The main window over the example catalogs with a page server on 127.0.0.1
// and a Quellen35.mvq naming it: "Testbörse" serves "<id>.txt" (daily),
// "Testhistorie" "<id>-historie.txt". Microsoft and Apple use them, Google
// keeps its automatic source, which the file does not hold.
class Kursaktu : public FensterTest {
 protected:
  Kursaktu() : server_({"python3", ServerSkript("kursseiten.py"), seiten_.Pfad()}) {
    std::vector<TQuelle> quellen(2);
    quellen[0] = {qaInternetAktuell, "Testbörse", {}, {}, server_.Url("/<id>.txt"), {}, 1, kSkript};
    quellen[1] = {qaInternetHistorisch,
                  "Testhistorie",
                  {},
                  {},
                  server_.Url("/<id>-historie.txt"),
                  {},
                  1,
                  kSkript};
    QuellendateiSchreiben(programm_.Datei("Quellen35.mvq"), quellen, TQuellenKopf::Programm,
                          *TextZuKalendertag("08.12.2026"));
    QuellendateiSchreiben(programm_.Datei("anwender.mvq"), {}, TQuellenKopf::Persoenlich, 0);
    // With AutoUpdate the online update runs when a security got nothing: here.
    TKonto konto;
    konto.UpdateAdresse = "https://127.0.0.1:9/index.txt";
    KontoSpeichern(programm_.Pfad(), konto);
    Manuell("Aktien", "Microsoft", "MSFT");
    Manuell("Aktien", "Apple", "AAPL");
    Manuell("Indizes", "S&P 500", "SPX");
    Seite("MSFT.txt", "04.12.2026;30,00;31,00;29,00;30,50\n");
    Seite("SPX.txt", "04.12.2026;6000;6100;5900;6050\n");
    Seite("MSFT-historie.txt", "03.12.2026;28;29;27;28,50\n04.12.2026;29;30;28;29,50\n");
  }

  void Manuell(const std::string& katalog, const std::string& name, const std::string& kennung) {
    std::vector<std::string> ids;
    store_.WertpapiereAuflisten(katalog, ids);
    for (const std::string& id : ids) {
      if (store_.StammdatenLaden(id).Bezeichnung == name) ids_[name] = id;
    }
    const std::string& id = ids_.at(name);
    TWPStammdaten wp = store_.StammdatenLaden(id);
    wp.KursquellenManuell = true;
    wp.QuelleAktuell[0] = "Internet (aktuell): Testbörse";
    wp.IDAktuell[0] = kennung;
    wp.QuelleHistorisch[0] = "Internet (historisch): Testhistorie";
    wp.IDHistorisch[0] = kennung;
    store_.StammdatenAendern(id, wp);
  }

  void Seite(const std::string& name, const std::string& text) {
    DateiAtomarSchreiben(seiten_.Datei(name), text);
  }

  THauptfenster& Verbunden() {
    THauptfenster& f = Oeffnen();
    KursaktuVerbinden(f, *einstellungen_, programm_.Pfad());
    return f;
  }

  // The close stored for the day, 0 when none.
  double Schluss(const std::string& name, const char* tag) {
    const TWertpapier wp = store_.WertpapierLaden(ids_.at(name));
    const TKurs* kurs = wp.Kurse.Suche(*TextZuBoersentag(tag));
    return kurs ? kurs->Schluss : 0;
  }

  // Runs `befehl` while noting, at every turn of the event loop, whether the
  // main window was enabled.
  std::size_t Ausfuehren(THauptfenster& f, const std::function<void()>& befehl,
                         const std::vector<TModalAntwort>& antworten) {
    QTimer beobachter;
    QObject::connect(&beobachter, &QTimer::timeout, [&] { freigaben_.push_back(f.isEnabled()); });
    beobachter.start(0);
    return ModalsBeantworten(befehl, antworten);
  }

  // What an unexpected window says.
  static std::string Text(QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    return box ? box->text().toStdString() : modal->metaObject()->className();
  }

  // Notes what the window says and closes it.
  static TModalAntwort Merken(std::string& meldung) {
    return [&meldung](QWidget* modal) {
      meldung = Text(modal);
      static_cast<QDialog*>(modal)->reject();
    };
  }

  static std::vector<std::string> Zeilen(QWidget* modal) {
    auto* liste = modal->findChild<QTreeWidget*>();
    std::vector<std::string> zeilen;
    for (int i = 0; liste && i < liste->topLevelItemCount(); ++i) {
      zeilen.push_back(liste->topLevelItem(i)->text(0).toStdString() + "|" +
                       liste->topLevelItem(i)->text(1).toStdString());
    }
    return zeilen;
  }

  TTempVerzeichnis seiten_;
  TServerProzess server_;
  std::map<std::string, std::string> ids_;
  std::vector<bool> freigaben_;
};

void Rechtsklick(QListWidget& liste, int zeile) {
  const QPoint pos = liste.visualItemRect(liste.item(zeile)).center();
  QContextMenuEvent ereignis(QContextMenuEvent::Mouse, pos, liste.viewport()->mapToGlobal(pos));
  QApplication::sendEvent(liste.viewport(), &ereignis);
}

TEST_F(Kursaktu, KButtonUpdatesTheChosenCatalogShowsTheNewPricesAndListsTheRest) {
  THauptfenster& f = Verbunden();
  QListWidget& wertpapiere = *f.Panel().Wertpapiere();
  wertpapiere.setCurrentRow(2);
  ASSERT_EQ(f.Feld().Wertpapier()->Bezeichnung, "Microsoft");
  std::vector<std::string> liste;
  const std::size_t beantwortet =
      Ausfuehren(f, [&] { f.Befehle().Aktion(TMenuebefehl::WertpapierKursaktu)->trigger(); },
                 {[](QWidget* modal) {
                    auto* d = dynamic_cast<TDialogKursaktualisierung*>(modal);
                    if (!d) return static_cast<QDialog*>(modal)->reject();
                    d->KatalogListe()->item(0)->setSelected(true);  // Aktien
                    d->OkKnopf()->click();
                  },
                  [&](QWidget* modal) {
                    if (!dynamic_cast<TDialogKursloseWPs*>(modal)) ADD_FAILURE() << Text(modal);
                    liste = Zeilen(modal);
                    static_cast<QDialog*>(modal)->reject();
                  }});
  EXPECT_EQ(beantwortet, 2u);
  EXPECT_EQ(Meldungen, VS{});
  // Apple's page is missing, Google's automatic source is not in the file.
  EXPECT_EQ(liste, (VS{"Aktien / Apple|Kursquellen haben keinen Kurs geliefert.",
                       "Aktien / Google|Kursquellen haben keinen Kurs geliefert."}));
  EXPECT_DOUBLE_EQ(Schluss("Microsoft", "04.12.2026"), 30.5);
  const TKurs* gezeigt = f.Feld().Wertpapier()->Kurse.Suche(*TextZuBoersentag("04.12.2026"));
  ASSERT_NE(gezeigt, nullptr) << "the chart shows the new prices";
  EXPECT_DOUBLE_EQ(gezeigt->Schluss, 30.5);
  EXPECT_NE(std::find(freigaben_.begin(), freigaben_.end(), false), freigaben_.end())
      << "disabled during the run";
  EXPECT_TRUE(f.isEnabled());
  EXPECT_EQ(einstellungen_->ListenKataloge, VS{"Aktien"});
  const std::string anfragen = DateiLesen(seiten_.Datei("anfragen.log"));
  EXPECT_NE(anfragen.find("/MSFT.txt\tMozilla/5.0"), std::string::npos) << anfragen;
}

TEST_F(Kursaktu, SecurityPopupFetchesTheHistoryOfTheSelectedSecurityOnly) {
  THauptfenster& f = Verbunden();
  QListWidget& wertpapiere = *f.Panel().Wertpapiere();
  Rechtsklick(wertpapiere, 2);
  ASSERT_EQ(f.Feld().Wertpapier()->Bezeichnung, "Microsoft");
  std::string meldung;
  TListenPopup& menue = f.WertpapierPopupMenu();
  menue.close();
  Ausfuehren(f, [&] { menue.actions()[1]->trigger(); },  // "Kursaktualisierung: Historische Kurse"
             {Merken(meldung)});
  EXPECT_EQ(meldung, "Kursaktualisierung erfolgreich durchgeführt.");
  EXPECT_DOUBLE_EQ(Schluss("Microsoft", "03.12.2026"), 28.5);
  EXPECT_DOUBLE_EQ(Schluss("Microsoft", "04.12.2026"), 29.5);
  EXPECT_DOUBLE_EQ(Schluss("Apple", "04.12.2026"), 0) << "only the selected security";
  EXPECT_TRUE(f.isEnabled());
}

TEST_F(Kursaktu, CatalogPopupUpdatesEverySecurityOfTheCatalogUnderTheMouse) {
  THauptfenster& f = Verbunden();
  Rechtsklick(*f.Panel().Kataloge(), 1);  // Indizes
  f.KatalogPopupMenu().close();
  std::string meldung;
  Ausfuehren(f, [&] { f.KatalogPopupMenu().actions()[0]->trigger(); },  // Tageskurse
             {Merken(meldung)});
  EXPECT_EQ(meldung, "Kursaktualisierung erfolgreich durchgeführt.");
  EXPECT_DOUBLE_EQ(Schluss("S&P 500", "04.12.2026"), 6050);
  EXPECT_DOUBLE_EQ(Schluss("Microsoft", "04.12.2026"), 0);
}

TEST_F(Kursaktu, AnUnreadableAccountFileStopsBeforeTheRunAndLeavesTheWindowEnabled) {
  THauptfenster& f = Verbunden();
  std::filesystem::remove(programm_.Datei("konto.cfg"));
  std::filesystem::create_directory(programm_.Datei("konto.cfg"));
  Rechtsklick(*f.Panel().Wertpapiere(), 2);
  f.WertpapierPopupMenu().close();
  f.WertpapierPopupMenu().actions()[0]->trigger();
  ASSERT_EQ(Meldungen.size(), 1u);
  EXPECT_EQ(Meldungen[0].rfind("Die Kontodaten in '", 0), 0u) << Meldungen[0];
  EXPECT_TRUE(f.isEnabled());
  EXPECT_FALSE(std::filesystem::exists(seiten_.Datei("anfragen.log"))) << "nothing was fetched";
}

TEST_F(Kursaktu, TheAboutBoxNamesTheDateOfTheShippedSources) {
  EXPECT_EQ(KursquellenVom(*einstellungen_), "08.12.2026");
  EXPECT_NE(Infotext(KursquellenVom(*einstellungen_)).find("\nKursquellen vom: 08.12.2026\n"),
            std::string::npos);
  std::filesystem::remove(programm_.Datei("Quellen35.mvq"));
  EXPECT_EQ(KursquellenVom(*einstellungen_), "?");
  DateiAtomarSchreiben(programm_.Datei("Quellen35.mvq"), "keine Kursquellen");
  EXPECT_EQ(KursquellenVom(*einstellungen_), "?");
}

// A scheduled run writes into the store behind the window's back; the chart
// field's Aktualisiere then shows its prices.
TEST_F(Kursaktu, AktualisiereShowsWhatAScheduledRunMerged) {
  THauptfenster& f = Verbunden();
  f.Panel().Wertpapiere()->setCurrentRow(2);
  ASSERT_EQ(f.Feld().Wertpapier()->Bezeichnung, "Microsoft");
  const Boersentag tag = *TextZuBoersentag("04.12.2026");
  ASSERT_EQ(f.Feld().Wertpapier()->Kurse.Suche(tag), nullptr);
  TLogbuch logbuch(*einstellungen_);
  AuftragAusfuehren(TAuftrag{{"Aktien"}, false, "18:30 Uhr"}, *einstellungen_, logbuch,
                    [] { return false; });
  f.Feld().Aktualisiere(ids_.at("Microsoft"));
  const TKurs* gezeigt = f.Feld().Wertpapier()->Kurse.Suche(tag);
  ASSERT_NE(gezeigt, nullptr);
  EXPECT_DOUBLE_EQ(gezeigt->Schluss, 30.5);
}

}  // namespace
}  // namespace morvane::test
