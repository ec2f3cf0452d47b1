#include "core/ui/katalogdialoge.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

#include "wpdialogtesthilfe.h"

namespace morvane {
namespace {

using KatalogDialogeTest = test::WPDialogTest;

TEST_F(KatalogDialogeTest, UmbenennenPrueftDenNamen) {
  const struct {
    const char* Eingabe;
    const char* Meldung;  // empty: accepted
    const char* Name;
  } kFaelle[] = {{"", "Keinen Katalog-Namen eingegeben!", ""},
                 {"   ", "Keinen Katalog-Namen eingegeben!", ""},
                 {"Aktien/US", "Sonderzeichen sind im Katalog-Namen nicht erlaubt!", ""},
                 {"Depot*", "Sonderzeichen sind im Katalog-Namen nicht erlaubt!", ""},
                 {"  Depot [alt] ", "", "Depot [alt]"}};
  for (const auto& f : kFaelle) {
    meldungen_.clear();
    TDialogKatalogUmbenennen dialog(nullptr, "Aktien", umgebung_);
    EXPECT_EQ(dialog.NameEdit()->text(), QStringLiteral("Aktien"));
    dialog.NameEdit()->setText(QString::fromUtf8(f.Eingabe));
    dialog.Pruefen();
    if (*f.Meldung) {
      EXPECT_EQ(meldungen_, std::vector<std::string>{f.Meldung}) << f.Eingabe;
      EXPECT_NE(dialog.result(), QDialog::Accepted) << f.Eingabe;
    } else {
      EXPECT_TRUE(meldungen_.empty()) << f.Eingabe;
      EXPECT_EQ(dialog.result(), QDialog::Accepted);
      EXPECT_EQ(dialog.Name(), f.Name);
    }
  }
}

TEST_F(KatalogDialogeTest, KopierenVerschiebenLiefertZielUndAktion) {
  TDialogWPKopierenVerschieben dialog(nullptr, {"Aktien", "Fonds"}, "Aktien", umgebung_);
  EXPECT_EQ(dialog.KatalogEdit()->count(), 2);
  EXPECT_FALSE(dialog.Verschieben());
  dialog.KatalogEdit()->setCurrentText(QStringLiteral("Neu/Falsch"));
  dialog.Pruefen();
  EXPECT_EQ(meldungen_,
            std::vector<std::string>{"Sonderzeichen sind im Katalog-Namen nicht erlaubt!"});
  dialog.KatalogEdit()->setCurrentIndex(1);
  dialog.VerschiebenKnopf()->setChecked(true);
  dialog.Pruefen();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(dialog.Katalog(), "Fonds");
  EXPECT_TRUE(dialog.Verschieben());
  test::Bild(dialog, "kopieren_verschieben");
  TDialogKatalogUmbenennen umbenennen(nullptr, "Aktien", umgebung_);
  test::Bild(umbenennen, "katalog_umbenennen");
}

}  // namespace
}  // namespace morvane
