#include "import/sets_import.h"

#include <gtest/gtest.h>

#include <tuple>

#include "check/articles_table.h"
#include "check/english_messages.h"
#include "platform/utf.h"

namespace kavelo {
namespace {

class SetsImport : public ::testing::Test {
 protected:
  SetsImport() : tabel(TabelSeturi()) {
    auto s = SursaEngleza();
    en = StringuriEngleza(*s);
  }
  std::unique_ptr<TFerXmlPlanSeturi> Importa(const std::string& seturi, const TFerXmlProgres& progres = nullptr) {
    MemoryInputStream in("<Base FormatVersion=\"2\" Content=\"HardwareSets\">" + seturi + "</Base>");
    return FerXmlImportaSeturi(in, ctx, *tabel, progres);
  }
  std::vector<std::string> Texte(const TFerXmlPlanSeturi& plan, bool doarNemarcate = false) const {
    std::vector<std::string> texte;
    for (const auto& p : plan.Probleme.Lista())
      if (!doarNemarcate || !p.swUnitateNeschimbata)
        texte.push_back(std::string(p.Severitate == fxvEroare ? "E " : "W ") + Utf8DinUtf16(TextProblema(p, *en)));
    return texte;
  }
  std::unique_ptr<TTabelMemorie> tabel;
  TFerXmlContext ctx;
  std::unique_ptr<TKVTrsStringsV2> en;
};

const std::string kXY = "<SetRecord ItemNo=\"1\" Code=\"XY\" MaxX=\"1600\" MaxY=\"2400\"/>";

TEST_F(SetsImport, NewUnchangedAndReplacedSets) {
  const std::string set = "<Set Opening=\"TTX\" WD=\"Window\" Mark=\"Nord\" HardwareSet=\"S1\">" + kXY +
                          "<SetRecord ItemNo=\"2\" Code=\"H1\" Qty=\"1\" Functions=\"a&#10;b\"><CamLocks>"
                          "<CamLocksRecord DimensionIndex=\"0\" Code=\"B1\"/><CamLocksRecord DimensionIndex=\"1\" "
                          "Code=\"B2\"/></CamLocks></SetRecord></Set>";
  auto plan = Importa(set);
  ASSERT_EQ(plan->Seturi.size(), 1u);
  EXPECT_EQ(plan->Seturi[0].Actiune, fxaNou);
  EXPECT_EQ(plan->Seturi[0].Deschidere, u"OBX");
  EXPECT_EQ(Texte(*plan), std::vector<std::string>{});
  EXPECT_EQ(tabel->NrInregistrari(), 2);

  // The same set with its rows and cam locks in another order, and a letter of a checkbox...
  const std::string reordonat = "<Set Opening=\"TTX\" WD=\"Window\" Mark=\"Nord\" HardwareSet=\"S1\">"
                                "<SetRecord ItemNo=\"2\" Code=\"H1\" Qty=\"1.0\" Functions=\"a&#13;&#10;b\"><CamLocks>"
                                "<CamLocksRecord DimensionIndex=\"1\" Code=\"B2\"/><CamLocksRecord DimensionIndex=\"0\" "
                                "Code=\"B1\"/></CamLocks></SetRecord>" + kXY + "</Set>";
  plan = Importa(reordonat);
  EXPECT_EQ(plan->Seturi[0].Actiune, fxaNeschimbat);
  EXPECT_EQ(plan->Nr(fxaNeschimbat), 1);

  // One row changes its MaxX, another is new: replaced, with the change list.
  plan = Importa("<Set Opening=\"TTX\" WD=\"Window\" Mark=\"Nord\" HardwareSet=\"S1\">"
                 "<SetRecord ItemNo=\"1\" Code=\"XY\" MaxX=\"1500\" MaxY=\"2400\"/>"
                 "<SetRecord ItemNo=\"3\" Code=\"H2\" Qty=\"1\"/></Set>");
  EXPECT_EQ(plan->Seturi[0].Actiune, fxaInlocuit);
  ASSERT_EQ(plan->Probleme.Count(), 1);
  EXPECT_EQ(Utf8DinUtf16(TextProblema(plan->Probleme[0], *en)), "The existing set is replaced: 1 rows removed, 1 added, 1 changed");
  EXPECT_EQ(plan->Probleme[0].Detalii,
            (std::vector<std::u16string>{u"~ ItemNo=1 Code=\"XY\"", u"- ItemNo=2 Code=\"H1\"", u"+ ItemNo=3 Code=\"H2\""}));
  EXPECT_EQ(tabel->NrInregistrari(), 2);

  // A key written with a tab where the stored one has a space matches the stored set.
  plan = Importa("<Set Opening=\"TTX\" WD=\"Window\" Mark=\"Nord\" HardwareSet=\"S1\">"
                 "<SetRecord ItemNo=\"1\" Code=\"XY\" MaxX=\"1500\" MaxY=\"2400\"/>"
                 "<SetRecord ItemNo=\"3\" Code=\"H2\" Qty=\"1\"/></Set>"
                 "<Set Opening=\"TTX\" WD=\"Window\" Mark=\"nord\" HardwareSet=\"S2\">" + kXY + "</Set>");
  EXPECT_EQ(plan->Seturi[0].Actiune, fxaNeschimbat);
  EXPECT_EQ(plan->Seturi[1].Actiune, fxaNou);
}

TEST_F(SetsImport, ReadingProblemsRefuseSets) {
  int ultim = -1;
  std::vector<std::int32_t> progres;
  auto plan = Importa(
      "<Set Opening=\"TTX\" WD=\"Window\" Mark=\"M\" HardwareSet=\"A\">" + kXY + "</Set>"
      "<Set Opening=\"TTX\" WD=\"Window\" Mark=\"M\" HardwareSet=\"A\">" + kXY + "</Set>"
      "<Set Opening=\"TX\" WD=\"Window\" Mark=\"\" HardwareSet=\"\"/>"
      "<Foo/>",
      [&](std::int32_t v, std::int32_t) {
        EXPECT_GT(v, ultim);
        ultim = v;
        if (v > 500) progres.push_back(v);
      });
  EXPECT_EQ(progres, (std::vector<std::int32_t>{625, 750, 875, 1000}));
  EXPECT_EQ(plan->Nr(fxaRefuzat), 4);
  EXPECT_EQ(Texte(*plan), (std::vector<std::string>{
                              "E appears 2 times in the file",
                              "E appears 2 times in the file",
                              "W Mark is missing",
                              "W Set [TX|Window|] has no name (HardwareSet=\"\"): Kavelo applies it to the sashes with "
                              "this opening, destination and brand that have no set chosen",
                              "E <SetRecord> is missing",
                              "E <Foo> is not allowed here",
                          }));
}

TEST_F(SetsImport, RowAndSetRules) {
  auto plan = Importa(
      "<Set Opening=\"FS\" WD=\"Window\" Mark=\"M\" HardwareSet=\"F\">"
      "<SetRecord ItemNo=\"1\" Code=\"xy\" MaxX=\"1\" MaxY=\"1\" ParentID=\"4\"/>"
      "<SetRecord ItemNo=\"2\" Code=\"A\" Qty=\"1\" MinX=\"5\" Left-Right=\"L\" ParentID=\"7\" ChildParentsIDs=\"3, 7\" "
      "Functions=\"F1(a);&#10;// x&#10;F2(b) F3(c)&#10;F4((x)&#10;F5('(')\"/>"
      "<SetRecord ItemNo=\"3\" Colour=\"R\"/>"
      "</Set>"
      "<Set Opening=\"TTX\" WD=\"Window\" Mark=\"M\" HardwareSet=\"G\"><SetRecord Code=\"XY\" Side=\"Left\"/></Set>");
  EXPECT_EQ(Texte(*plan),
            (std::vector<std::string>{
                "W SetRecord 1 (1:103) ItemNo=1 Code=\"xy\": Code=\"xy\" was read as Code=\"XY\"",
                "W SetRecord 1 (1:103) ItemNo=1 Code=\"xy\": ParentID has no effect in Kavelo (ParentID=4; Code=\"XY\")",
                "W SetRecord 2 (1:167) ItemNo=2 Code=\"A\": MinX has no effect in Kavelo (MinX=5; MaxX=)",
                "W SetRecord 2 (1:167) ItemNo=2 Code=\"A\": Left-Right has no effect in Kavelo (Left-Right=L; Opening=FS)",
                "W SetRecord 3 (1:334) ItemNo=3: <SetRecord> has no effect in Kavelo (Code=\"\")",
                "W SetRecord 2 (1:167) ItemNo=2 Code=\"A\": ChildParentsIDs has no effect in Kavelo (ParentID=7; "
                "ChildParentsIDs=3, 7)",
                "W SetRecord 2 (1:167) ItemNo=2 Code=\"A\": ChildParentsIDs has no effect in Kavelo (ChildParentsIDs=3, 7)",
                "W SetRecord 2 (1:167) ItemNo=2 Code=\"A\": Functions has no effect in Kavelo (F2(b) F3(c))",
                "W SetRecord 2 (1:167) ItemNo=2 Code=\"A\": Functions has no effect in Kavelo (F4((x))",
                "W Set has no effect in Kavelo (0 x Code=\"XY\" (Side=\"\", MaxX>0, MaxY>0))",
            }));
}

TEST_F(SetsImport, CatalogAndSuppliers) {
  TTabelMemorie articole;
  DefinesteCampuri(articole, {fxeArticol});
  const auto adauga = [&](const char16_t* cod, const char16_t* culoare, const char16_t* cote) {
    articole.Append();
    articole.SeteazaValoare(u"Cod_Mag", std::u16string(cod));
    articole.SeteazaValoare(u"Culoare", std::u16string(culoare));
    articole.SeteazaValoare(u"Cote1Blocatori", std::u16string(cote));
    articole.Post();
  };
  adauga(u"A 1", u"RAL", u"10\r\n20\r\n");
  adauga(u"B1", u"", u"x\r\n");
  TTabelMemorie furnizori;
  furnizori.AdaugaCamp(u"Marca", ftWideString, 30);
  furnizori.AdaugaCamp(u"Vizibil", ftString, 1);
  furnizori.Append();
  furnizori.SeteazaValoare(u"Marca", u"Nord");
  furnizori.Post();
  ctx.Articole = &articole;
  ctx.Furnizori = &furnizori;
  auto plan = Importa(
      "<Set Opening=\"TTX\" WD=\"Window\" Mark=\"nord\" HardwareSet=\"S\" MarkHidden=\"X\">" + kXY +
      "<SetRecord ItemNo=\"2\" Code=\"A&#9;1\" Qty=\"1\" Colour=\"RED\"><CamLocks>"
      "<CamLocksRecord DimensionIndex=\"2\" Code=\"B1\"/><CamLocksRecord DimensionIndex=\"0\" Code=\"C9\"/>"
      "</CamLocks></SetRecord><SetRecord ItemNo=\"3\" Code=\"Z\" Qty=\"1\"/></Set>");
  EXPECT_EQ(Texte(*plan),
            (std::vector<std::string>{
                "W SetRecord 2 (1:179) ItemNo=2 Code=\"A\\t1\": Code=\"A\\t1\" has leading or trailing spaces, a tab or "
                "a line break; the value was kept exactly as written",
                "W SetRecord 2 (1:179) ItemNo=2 Code=\"A\\t1\": Code=\"A\\t1\" was read as Code=\"A 1\"",
                "W SetRecord 2 (1:179) ItemNo=2 Code=\"A\\t1\": Colour=\"RED\" differs from the article's value (\"RAL\")",
                "W SetRecord 2 (1:179) ItemNo=2 Code=\"A\\t1\" / CamLocksRecord 1 (1:246): DimensionIndex has no effect "
                "in Kavelo (DimensionIndex=2; Code=\"A 1\" CamLockDimensions1: 2)",
                "W SetRecord 2 (1:179) ItemNo=2 Code=\"A\\t1\" / CamLocksRecord 2 (1:292): The hardware article with "
                "the code 'C9' does not exist in the hardware articles table",
                "W SetRecord 3 (1:361) ItemNo=3 Code=\"Z\": The hardware article with the code 'Z' does not exist in "
                "the hardware articles table",
                "W SetRecord 3 (1:361) ItemNo=3 Code=\"Z\": Import the articles file first: 1 rows have codes that are "
                "not in the articles yet, so they keep no colour and no description",
                "W Mark=\"nord\" does not exist in FurnizorFeronerie.cds. Did you mean \"Nord\"?",
            }));
  ASSERT_EQ(plan->MarciNoi.size(), 1u);
  EXPECT_EQ(plan->MarciNoi[0], (std::pair<std::u16string, bool>{u"nord", true}));
}

TEST_F(SetsImport, MissingBrandsAndTheImportArticlesFirstCount) {
  TTabelMemorie articole, furnizori;
  DefinesteCampuri(articole, {fxeArticol});
  furnizori.AdaugaCamp(u"Marca", ftWideString, 30);
  ctx.Articole = &articole;
  ctx.Furnizori = &furnizori;
  const auto set = [](const std::string& nume, const std::string& ascuns, int randuri) {
    std::string s = "<Set Opening=\"TTX\" WD=\"Window\" Mark=\"New\" HardwareSet=\"" + nume + "\"" + ascuns + ">" + kXY;
    for (int i = 0; i < randuri; ++i)
      s += "<SetRecord ItemNo=\"" + std::to_string(i + 2) + "\" Code=\"Q" + std::to_string(i) + "\" Qty=\"1\"/>";
    return s + "</Set>";
  };
  // An unchanged set's warning does not count.
  Importa(set("U", "", 1));
  auto plan = Importa(set("A", " MarkHidden=\"X\"", 2) + set("B", "", 1) + set("U", "", 1));
  EXPECT_EQ(plan->Seturi[2].Actiune, fxaNeschimbat);
  ASSERT_EQ(plan->MarciNoi.size(), 1u);
  EXPECT_EQ(plan->MarciNoi[0], (std::pair<std::u16string, bool>{u"New", false}));
  int importatiIntai = 0;
  for (const auto& p : plan->Probleme.Lista())
    if (p.Mesaj == fxmImportatiIntaiArticolele) {
      ++importatiIntai;
      EXPECT_EQ(p.Parametri, std::vector<std::u16string>{u"3"});
    }
  EXPECT_EQ(importatiIntai, 4);

  plan = Importa(set("C", " MarkHidden=\"X\"", 1) + set("D", " MarkHidden=\"X\"", 1));
  EXPECT_EQ(plan->MarciNoi[0], (std::pair<std::u16string, bool>{u"New", true}));
}

TEST_F(SetsImport, CamLocksOnExtensionsUseTheExtensionsLists) {
  TTabelMemorie articole;
  DefinesteCampuri(articole, {fxeArticol});
  for (const auto& [cod, tip, cote, lungime] :
       {std::tuple{u"E600", u"Cremon", u"", 600.0}, std::tuple{u"X1", u"", u"5\r\n7\r\n", 300.0},
        std::tuple{u"X2", u"", u"5\r\nabc\r\n9\r\n", 0.0}, std::tuple{u"B1", u"Blocator", u"", 0.0}}) {
    articole.Append();
    articole.SeteazaValoare(u"Cod_Mag", std::u16string(cod));
    articole.SeteazaValoare(u"TipArticol", std::u16string(tip));
    articole.SeteazaValoare(u"Cote1Blocatori", std::u16string(cote));
    articole.SeteazaValoare(u"Lungime", lungime);
    articole.Post();
  }
  ctx.Articole = &articole;
  auto plan = Importa("<Set Opening=\"TTX\" WD=\"Window\" Mark=\"M\" HardwareSet=\"S\">" + kXY +
                      "<SetRecord ItemNo=\"2\" Code=\"E600\" Qty=\"1\" EspagnoleteExtensions=\"X1&#10;X2\"><CamLocks>"
                      "<CamLocksRecord DimensionIndex=\"1\" Code=\"B1\" ForExtensions=\"X\"/>"
                      "<CamLocksRecord DimensionIndex=\"5\" Code=\"B1\" ForExtensions=\"X\"/>"
                      "</CamLocks></SetRecord></Set>");
  std::vector<std::string> texte = Texte(*plan);
  ASSERT_EQ(texte.size(), 3u);
  EXPECT_NE(texte[0].find("Code=\"X2\"; Length="), std::string::npos);  // an extension without length
  EXPECT_NE(texte[1].find("The cam lock dimension 2 at the piece E600 is not a number"), std::string::npos);
  EXPECT_NE(texte[2].find("(DimensionIndex=5; Code=\"X2\" CamLockDimensions1: 3)"), std::string::npos);
}

}  // namespace
}  // namespace kavelo
