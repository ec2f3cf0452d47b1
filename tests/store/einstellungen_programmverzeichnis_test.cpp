#include <gtest/gtest.h>

#include "einstellungen_testverzeichnis.h"
#include "store/programmverzeichnis.h"

namespace morvane {
namespace {

using test::TTestverzeichnis;

TEST(Programmverzeichnis, OptionVorUmgebungVorProgrammdatei) {
  TTestverzeichnis option;
  TTestverzeichnis umgebung;
  const std::string programm = "/opt/morvane/bin/morvane";

  EXPECT_EQ(ProgrammverzeichnisErmitteln({}, std::nullopt, programm), "/opt/morvane/bin/");
  EXPECT_EQ(ProgrammverzeichnisErmitteln({}, std::string(), programm), "/opt/morvane/bin/");
  EXPECT_EQ(ProgrammverzeichnisErmitteln({"-x"}, umgebung.Pfad(), programm), umgebung.Pfad());
  EXPECT_EQ(ProgrammverzeichnisErmitteln({"--programmverzeichnis", option.Pfad()}, umgebung.Pfad(),
                                         programm),
            option.Pfad());
  // Without the trailing separator, and in the "=" form.
  const std::string ohne = option.Pfad().substr(0, option.Pfad().size() - 1);
  EXPECT_EQ(ProgrammverzeichnisErmitteln({"--programmverzeichnis=" + ohne}, std::nullopt, programm),
            option.Pfad());
}

TEST(Programmverzeichnis, UngueltigeAngabenWerdenGemeldet) {
  try {
    ProgrammverzeichnisErmitteln({"--programmverzeichnis"}, std::nullopt, "/a/b");
    FAIL();
  } catch (const EProgrammverzeichnis& f) {
    EXPECT_EQ(f.Meldung(), "Die Option --programmverzeichnis verlangt ein Verzeichnis.");
  }
  EXPECT_THROW(ProgrammverzeichnisErmitteln({"--programmverzeichnis="}, std::nullopt, "/a/b"),
               EProgrammverzeichnis);
  try {
    ProgrammverzeichnisErmitteln({}, std::string("/gibt/es/nicht"), "/a/b");
    FAIL();
  } catch (const EProgrammverzeichnis& f) {
    EXPECT_EQ(f.Meldung(), "Das Programmverzeichnis '/gibt/es/nicht' existiert nicht.");
  }
}

TEST(Programmverzeichnis, OptionWirdAusDenArgumentenEntfernt) {
  EXPECT_EQ(OhneProgrammverzeichnisOption(
                {"a", "--programmverzeichnis", "/x", "b", "--programmverzeichnis=/y", "c"}),
            (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_EQ(OhneProgrammverzeichnisOption({"--programmverzeichnisse", "d"}),
            (std::vector<std::string>{"--programmverzeichnisse", "d"}));
}

}  // namespace
}  // namespace morvane
