#include "check/check_run.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "check/english_messages.h"
#include "check/format_errors.h"
#include "platform/utf.h"

namespace kavelo {
namespace {

class CheckRun : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = std::filesystem::temp_directory_path() / ("kavelo-check-" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    auto s = SursaEngleza();
    en = StringuriEngleza(*s);
    InlocuiesteMesaje(*en, xclEngleza);
  }
  void TearDown() override { std::filesystem::remove_all(dir); }
  std::u16string Fisier(const std::string& nume, const std::string& continut) {
    std::ofstream(dir / nume, std::ios::binary) << continut;
    return Utf16DinNumeSistem((dir / nume).string());
  }
  std::filesystem::path dir;
  std::unique_ptr<TKVTrsStringsV2> en;
};

TEST_F(CheckRun, FileIdentityFollowsHardLinksNotNames) {
  const std::u16string a = Fisier("a.xml", "<Base/>");
  std::filesystem::create_hard_link(dir / "a.xml", dir / "link.txt");
  EXPECT_TRUE(AcelasiFisier(a, Utf16DinNumeSistem((dir / "link.txt").string())));
  EXPECT_FALSE(AcelasiFisier(a, Utf16DinNumeSistem((dir / "new.txt").string())));  // not there yet
  EXPECT_FALSE(AcelasiFisier(a, u""));
}

TEST_F(CheckRun, ReportFileErrorsAreTheSystemsMessage) {
  std::u16string eroare;
  EXPECT_EQ(DeschideRaport(Utf16DinNumeSistem((dir / "no" / "r.txt").string()), eroare), nullptr);
  EXPECT_EQ(eroare, u"No such file or directory");
  auto stream = DeschideRaport(Fisier("r.txt", "old text"), eroare);
  ASSERT_NE(stream, nullptr);
  EXPECT_EQ(std::filesystem::file_size(dir / "r.txt"), 0u);  // emptied
}

TEST_F(CheckRun, RootReadingStopsAtTheRoot) {
  TXmlCheckBaza baza;
  CitesteBaza(Fisier("r.xml", "\n <Base FormatVersion=\" 2\" Content=\"\"><Record></Broken>"), baza);
  EXPECT_TRUE(baza.swCitit);
  EXPECT_EQ(baza.Linie, 2);
  EXPECT_EQ(baza.Coloana, 2);
  EXPECT_EQ(baza.Versiune, u" 2");
  EXPECT_TRUE(baza.swContinut);
  CitesteBaza(Fisier("bad.xml", "<<Base/>"), baza);
  EXPECT_FALSE(baza.swCitit);
}

TEST_F(CheckRun, FatalClassificationAndExitCodes) {
  struct Caz {
    TFerXmlMesaj mesaj;
    std::u16string atribut;
    bool altImport;
    std::int32_t linie;
    std::u16string parametru;
    std::u16string cod;
    bool indiciu;
  };
  const Caz cazuri[] = {
      {fxmFisierIncompatibil, u"", false, 0, u"cannot read", u"notReadable", false},
      {fxmFisierIncompatibil, u"", false, 3, u"unknown Encoding", u"notWellFormed", true},
      {fxmVersiuneNoua, u"FormatVersion", false, 0, u"", u"newerFormat", false},
      {fxmMotivValori, u"Content", true, 0, u"", u"otherFileType", false},
      {fxmMotivValori, u"FormatVersion", false, 0, u"", u"invalidFormatVersion", false},
      {fxmMotivValori, u"Content", false, 0, u"", u"unknownContent", false},
      {fxmMotivValori, u"", false, 0, u"", u"notAHardwareFile", false},
      {fxmExceptie, u"", false, 0, u"", u"cannotCheck", false},
  };
  for (const auto& c : cazuri) {
    TXmlCheckFisier r;
    r.Tip = xctArticoleFeronerie;
    TFerXmlProblema p = ModelProblema(0, u"", u"");
    p.Mesaj = c.mesaj;
    p.Atribut = c.atribut;
    p.swAltImport = c.altImport;
    p.Linie = c.linie;
    p.Parametri = {c.parametru};
    ClasificaFatala(r, p);
    EXPECT_EQ(r.CodFatal, c.cod);
    EXPECT_EQ(!r.IndiciuFatal.empty(), c.indiciu);
  }
  EXPECT_EQ(IndiciuAltTip(xctArticoleFeronerie, u"a.xml", true),
            u"-> --articles needs your hardware-articles file; this is a hardware-sets file");
  EXPECT_EQ(IndiciuAltTip(xctArticoleFeronerie, u"a.xml", false), u"-> KaveloXmlCheck hardware-sets \"a.xml\"");

  TXmlCheckFisier bun, eroare, fatal;
  eroare.EroriFormat.emplace_back();
  fatal.swFatal = true;
  EXPECT_EQ(CodIesire(nullptr, bun), 0);
  EXPECT_EQ(CodIesire(&eroare, bun), 1);
  EXPECT_EQ(CodIesire(&eroare, fatal), 2);
}

TEST_F(CheckRun, FormatErrorsAndCounts) {
  const auto r = VerificaFisier(xctArticoleFeronerie,
                                Fisier("f.xml", "<Base>\n<Record Code=\"A\" MU=\"x\" ConsumptionCategory=\"C\" "
                                                "Use=\"Windows\" Foo=\"1\"/><Record Code=\"B\" Foo=\"2\" Bar=\"\" "
                                                "Price=\"x\"/></Base>"),
                                *en, false, u"", nullptr, xclEngleza);
  ASSERT_FALSE(r->swFatal);
  EXPECT_EQ(r->NrUnitati, 2);
  EXPECT_EQ(r->NrRefuzate, 1);
  EXPECT_EQ(r->NrErori, 1);
  ASSERT_EQ(r->EroriFormat.size(), 3u);
  EXPECT_EQ(r->EroriFormat[0].Cod, u"valueNotInFormat");
  EXPECT_TRUE(r->EroriFormat[0].swDinImport);
  EXPECT_EQ(r->EroriFormat[1].Cod, u"formatVersionMissing");
  EXPECT_EQ(r->EroriFormat[2].Cod, u"contentMissing");
  EXPECT_EQ(r->EroriFormat[2].P.Linie, 1);
  EXPECT_EQ(r->NrAvertizari, 1);  // Foo on the accepted article; the refused one's warnings do not count
  EXPECT_EQ(r->Catalog, nullptr);
  EXPECT_TRUE(r->PlanArticole->Articole.empty());
}

}  // namespace
}  // namespace kavelo
