#include <gtest/gtest.h>

#include "store/programmverzeichnis.h"
#include "testhilfe/ausnahme.h"
#include "testhilfe/tempverzeichnis.h"

namespace morvane {
namespace {

using test::TTempVerzeichnis;

TEST(Programmverzeichnis, OptionVorUmgebungVorProgrammdatei) {
  TTempVerzeichnis option;
  TTempVerzeichnis umgebung;
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
  EXPECT_THROW_MSG(ProgrammverzeichnisErmitteln({"--programmverzeichnis"}, std::nullopt, "/a/b"),
                   EProgrammverzeichnis,
                   "Die Option --programmverzeichnis verlangt ein Verzeichnis.");
  EXPECT_THROW_MSG(ProgrammverzeichnisErmitteln({"--programmverzeichnis="}, std::nullopt, "/a/b"),
                   EProgrammverzeichnis,
                   "Die Option --programmverzeichnis verlangt ein Verzeichnis.");
  EXPECT_THROW_MSG(ProgrammverzeichnisErmitteln({}, std::string("/gibt/es/nicht"), "/a/b"),
                   EProgrammverzeichnis,
                   "Das Programmverzeichnis '/gibt/es/nicht' existiert nicht.");
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
