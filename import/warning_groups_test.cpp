#include "import/warning_groups.h"

#include <gtest/gtest.h>

#include "check/english_messages.h"
#include "platform/ascii.h"
#include "platform/utf.h"

namespace kavelo {
namespace {

class WarningGroups : public ::testing::Test {
 protected:
  WarningGroups() {
    auto s = SursaEngleza();
    en = StringuriEngleza(*s);
  }
  void Adauga(TFerXmlSeveritate s, std::int32_t ordin, TFerXmlMesaj m, std::u16string atribut, std::u16string valoare,
              std::vector<std::u16string> parametri) {
    const std::u16string eticheta = ordin > 0 ? u"Record " + TextNumar(ordin) + u" (1:1)" : u"";
    lista.Adauga(ModelProblema(ordin, eticheta, u""), s, m, atribut, valoare, std::move(parametri), u"");
  }
  std::vector<std::string> Linii(bool erori) {
    std::vector<std::string> linii;
    const auto scrie = [&](const std::u16string& l) { linii.push_back(Utf8DinUtf16(l)); };
    if (erori)
      ScrieErori(lista, *en, nullptr, scrie, true);
    else
      ScrieAvertizari(lista, *en, nullptr, scrie, false);
    return linii;
  }
  std::unique_ptr<TKVTrsStringsV2> en;
  TFerXmlProbleme lista;
};

TEST_F(WarningGroups, GroupsByKindAttributeAndValue) {
  Adauga(fxvAvertizare, 1, fxmAtributNecunoscut, u"Foo", u"1", {u"Foo"});
  Adauga(fxvAvertizare, 2, fxmAtributNecunoscut, u"Bar", u"1", {u"Bar"});
  Adauga(fxvAvertizare, 3, fxmAtributNecunoscut, u"Foo", u"2", {u"Foo"});
  Adauga(fxvAvertizare, 1, fxmCititCa, u"Code", u"a", {u"Code=\"a\"", u"Code=\"A\""});
  Adauga(fxvAvertizare, 0, fxmLipseste, u"Mark", u"", {u"Mark"});
  Adauga(fxvAvertizare, 4, fxmLipseste, u"MU", u"", {u"MU"});  // a refused unit: left out
  Adauga(fxvEroare, 4, fxmLipseste, u"Code", u"", {u"Code"});
  EXPECT_EQ(Linii(false), (std::vector<std::string>{
                              "01. Mark is missing (1)",
                              "\tMark",
                              "02. attribute ... matches no column of this database (3)",
                              "\tFoo (2)",
                              "\t\tRecord 1 (1:1)",
                              "\t\tRecord 3 (1:1)",
                              "\tBar (1)",
                              "\t\tRecord 2 (1:1)",
                              "03. Code=\"...\" was read as Code=\"...\" (1)",
                              "\tRecord 1 (1:1): Code=\"a\" -> Code=\"A\"",
                          }));
  const auto grupe = GrupeAvertizari(lista);
  ASSERT_EQ(grupe.size(), 3u);
  EXPECT_TRUE(grupe[0].swFisier);
}

TEST_F(WarningGroups, NumbersHaveTheWidthOfTheirCount) {
  for (int i = 0; i < 100; ++i) Adauga(fxvAvertizare, 1, fxmLipseste, u"A" + TextNumar(i), u"", {u"x"});
  const auto linii = Linii(false);
  EXPECT_EQ(linii.front().substr(0, 5), "001. ");
  EXPECT_EQ(linii[linii.size() - 2].substr(0, 5), "100. ");
}

TEST_F(WarningGroups, ErrorsByUnit) {
  Adauga(fxvEroare, 2, fxmLipseste, u"Code", u"", {u"Code"});
  Adauga(fxvEroare, 0, fxmExceptie, u"", u"", {u"file error"});
  lista.Detalii(1) = {u"detail"};
  Adauga(fxvEroare, 2, fxmLipseste, u"MU", u"", {u"MU"});
  lista.Detalii(2) = {u"d2"};
  Adauga(fxvFatal, 0, fxmExceptie, u"", u"", {u"not written"});
  EXPECT_EQ(Linii(true), (std::vector<std::string>{
                             "Record 2 (1:1)",
                             "\tCode is missing",
                             "\tMU is missing",
                             "\t\td2",
                             "file error",
                             "\tdetail",
                         }));
}

}  // namespace
}  // namespace kavelo
