#include "import/articles_import.h"

#include <gtest/gtest.h>

#include "check/articles_table.h"
#include "check/english_messages.h"
#include "platform/utf.h"

namespace kavelo {
namespace {

class ArticlesImport : public ::testing::Test {
 protected:
  ArticlesImport() : tabel(TabelArticole()) {
    ctx.Articole = tabel.get();
    auto s = SursaEngleza();
    en = StringuriEngleza(*s);
  }

  std::unique_ptr<TFerXmlPlanArticole> Importa(const std::string& records, const std::string& radacina =
                                                                            " FormatVersion=\"2\"") {
    MemoryInputStream in("<Base" + radacina + ">" + records + "</Base>");
    return ImportaArticole(in, ctx, nullptr);
  }

  // Imports and applies the file, so that its articles exist.
  void Stocheaza(const std::string& records) {
    auto plan = Importa(records);
    AplicaPlanArticole(*plan, *tabel, false);
  }

  // Every problem as "severity kind: text", in list order.
  std::vector<std::string> Texte(const TFerXmlPlanArticole& plan) const {
    std::vector<std::string> texte;
    for (const auto& p : plan.Probleme.Lista())
      texte.push_back(std::string(p.Severitate == fxvEroare ? "E " : p.Severitate == fxvFatal ? "F " : "W ") +
                      Utf8DinUtf16(TextProblema(p, *en)));
    return texte;
  }

  std::unique_ptr<TTabelMemorie> tabel;
  TFerXmlContext ctx;
  std::unique_ptr<TKVTrsStringsV2> en;
};

const std::string kDiagrama =
    "<WeightChart><WeightChartRecord KgPerMP=\"20\" X0=\"400\" Y0=\"400\" X1=\"1200\" Y1=\"1600\" X2=\"800\" "
    "Y2=\"900\"/><WeightChartRecord KgPerMP=\"30\" X0=\"400\" Y0=\"400\" X1=\"1000\" Y1=\"1400\" X2=\"700\" "
    "Y2=\"800\"/></WeightChart>";

TEST_F(ArticlesImport, NewArticlesArePlannedAndApplied) {
  int ultim = -1;
  std::vector<int> progres;
  MemoryInputStream in(
      "<Base FormatVersion=\"2\" Generator=\"G\"><Record Code=\"A-1\" Description=\"Handle\" Price=\"12.5\" "
      "Currency=\"EUR\" MU=\"pcs\" ConsumptionCategory=\"C\" Colour=\"RAL 9016\">" + kDiagrama +
      "</Record><Record Code=\"A-2\" MU=\"pcs\" ConsumptionCategory=\"C\"/></Base>");
  auto plan = ImportaArticole(in, ctx, [&](std::int32_t v, std::int32_t total) {
    EXPECT_EQ(total, 1000);
    EXPECT_GT(v, ultim);
    ultim = v;
    progres.push_back(v);
  });
  EXPECT_EQ(Texte(*plan), std::vector<std::string>{});
  EXPECT_EQ(progres.back(), 1000);
  ASSERT_EQ(plan->Articole.size(), 2u);
  EXPECT_EQ(plan->Generator, u"G");
  EXPECT_EQ(plan->Versiune, 2);
  EXPECT_EQ(plan->Nr(fxaNou), 2);
  EXPECT_TRUE(plan->Articole[0]->swDiagramaElement);
  EXPECT_TRUE(plan->Articole[1]->swFaraDiagrama);
  EXPECT_EQ(plan->Articole[0]->Eticheta, u"Record 1 (1:39) [Code=\"A-1\"]");

  const TFerXmlRezultatAplicare r = AplicaPlanArticole(*plan, *tabel, false);
  EXPECT_EQ(r.NrNoi, 2);
  EXPECT_EQ(r.NrNoiCuCuloare, 1);
  ASSERT_TRUE(tabel->MergiLaSemn(tabel->Semn()));
  tabel->OrdoneazaDupa(u"Cod_Mag");
  ASSERT_TRUE(tabel->CautaExact({std::u16string(u"A-1")}));
  EXPECT_EQ(std::get<double>(tabel->Valoare(u"Pret")), 12.5);
  EXPECT_FALSE(EsteNul(tabel->Valoare(u"DataModifPret")));  // a written price dates itself
  TTabelMemorie diagrama;
  diagrama.Incarca(std::get<std::string>(tabel->Valoare(u"DiagramaGreutate")));
  EXPECT_EQ(diagrama.NrInregistrari(), 2);
  EXPECT_EQ(diagrama.NrCampuri(), 21);
}

TEST_F(ArticlesImport, UnchangedArticlesAfterCanonicalTexts) {
  Stocheaza("<Record Code=\"A\" Functions=\"a&#10;b\tc\" DrawingType1=\"X\" MU=\"pcs\" "
            "ConsumptionCategory=\"C\">" + kDiagrama + "</Record>");
  // Line breaks, tabs and checkbox letters written differently, chart rows in another order.
  const std::string reordonat =
      "<WeightChart><WeightChartRecord KgPerMP=\"30\" X0=\"400\" Y0=\"400\" X1=\"1000\" Y1=\"1400\" X2=\"700\" "
      "Y2=\"800\"/><WeightChartRecord KgPerMP=\"20\" X0=\"400\" Y0=\"400\" X1=\"1200\" Y1=\"1600\" X2=\"800\" "
      "Y2=\"900\"/></WeightChart>";
  auto plan = Importa("<Record Code=\"A\" Functions=\"a&#13;&#10;b c\" DrawingType1=\"Y\">" + reordonat +
                      "</Record>");
  EXPECT_EQ(plan->Articole.size(), 0u);
  EXPECT_EQ(plan->NrNeschimbate, 1);
  ASSERT_EQ(plan->Probleme.Count(), 1);  // the letter Y warns, and is read as the X stored
  EXPECT_TRUE(plan->Probleme[0].swUnitateNeschimbata);

  // The chart attribute asks to remove the stored chart.
  plan = Importa("<Record Code=\"A\" WeightChart=\"\"/>");
  ASSERT_EQ(plan->Articole.size(), 1u);
  EXPECT_TRUE(plan->Articole[0]->swStergeDiagrama);
  EXPECT_EQ(plan->Articole[0]->Actiune, fxaInlocuit);
  AplicaPlanArticole(*plan, *tabel, false);
  plan = Importa("<Record Code=\"A\" WeightChart=\"\"/>");
  EXPECT_EQ(plan->NrNeschimbate, 1);
}

TEST_F(ArticlesImport, UserOwnedColumnsAreKeptOnRequest) {
  Stocheaza("<Record Code=\"A\" DiscountPercent=\"5\" Price=\"1\"/><Record Code=\"B\" DiscountPercent=\"6\"/>");
  auto plan = Importa("<Record Code=\"A\" DiscountPercent=\"7\" Price=\"2\"/><Record Code=\"B\" DiscountPercent=\"8\"/>");
  ASSERT_EQ(plan->Articole.size(), 2u);
  std::int32_t nr = 0;
  EXPECT_EQ(plan->TextColoaneUtilizator(nr), u"DiscountPercent (2)");
  EXPECT_EQ(nr, 2);
  const TFerXmlRezultatAplicare r = AplicaPlanArticole(*plan, *tabel, true);
  EXPECT_EQ(r.NrModificate, 1);   // A: its price
  EXPECT_EQ(r.NrNeschimbate, 1);  // B: only a column the user keeps
  tabel->OrdoneazaDupa(u"Cod_Mag");
  ASSERT_TRUE(tabel->CautaExact({std::u16string(u"A")}));
  EXPECT_EQ(std::get<double>(tabel->Valoare(u"ProcentRabat")), 5.0);
  EXPECT_EQ(std::get<double>(tabel->Valoare(u"Pret")), 2.0);
}

TEST_F(ArticlesImport, ApplyingRefusesCodesTheTableAlreadyHas) {
  auto plan = Importa("<Record Code=\"N\"/>");
  Stocheaza("<Record Code=\"N\"/>");
  TFerXmlRezultatAplicare r = AplicaPlanArticole(*plan, *tabel, false);
  EXPECT_EQ(r.NrRefuzate, 1);
  EXPECT_EQ(plan->Probleme.Lista().back().Mesaj, fxmArticolDublu);

  // A replaced entry whose code is now on two records.
  TTabelMemorie fara;
  DefinesteCampuri(fara, {fxeArticol});
  for (int i = 0; i < 2; ++i) {
    fara.Append();
    fara.SeteazaValoare(u"Cod_Mag", u"R");
    fara.Post();
  }
  TFerXmlArticolPlan e;
  e.Cod = u"R";
  e.Actiune = fxaInlocuit;
  plan->Articole.clear();
  plan->Articole.push_back(std::make_unique<TFerXmlArticolPlan>(e));
  r = AplicaPlanArticole(*plan, fara, false);
  EXPECT_EQ(plan->Probleme.Lista().back().Mesaj, fxmArticolInexistent);
}

TEST_F(ArticlesImport, IdentificationOfCodes) {
  Stocheaza("<Record Code=\"X Y\"/><Record Code=\"Lower\"/>");
  auto plan = Importa(
      "<Record Code=\"X&#9;Y\"/><Record Code=\"lower\"/><Record Code=\"xy\"/><Record Code=\"D\"/><Record Code=\"D\"/>");
  EXPECT_EQ(Texte(*plan),
            (std::vector<std::string>{
                "W Code=\"X\\tY\" has leading or trailing spaces, a tab or a line break; the value was kept exactly as "
                "written",
                "W Code=\"X\\tY\" was read as Code=\"X Y\"",
                "W Code=\"lower\" does not exist in ArticoleFeronerie.cds. Did you mean \"Lower\"?",
                "W ConsumptionCategory is missing",
                "W MU is missing",
                "E Code=\"xy\": \"xy\" is not allowed here",
                "E Code=\"D\": appears 2 times in the file",
                "E Code=\"D\": appears 2 times in the file",
            }));
  EXPECT_EQ(plan->Probleme[6].Detalii, std::vector<std::u16string>{u"Record 5 (1:107)"});
  EXPECT_EQ(plan->Nr(fxaRefuzat), 3);
  EXPECT_EQ(plan->NrNeschimbate, 1);  // X<tab>Y is the stored X Y, and changes nothing
  ASSERT_EQ(plan->Articole.size(), 1u);
  EXPECT_EQ(plan->Articole[0]->Cod, u"lower");

  // Two codes that map to one stored article: the later refuses the earlier too.
  plan = Importa("<Record Code=\"X&#9;Y\" Price=\"1\"/><Record Code=\"X Y\" Price=\"2\"/>");
  EXPECT_EQ(plan->Articole.size(), 0u);
  EXPECT_EQ(plan->NrRefuzate, 2);
}

TEST_F(ArticlesImport, WeightChartChecks) {
  auto plan = Importa(
      "<Record Code=\"A\" WeightChart=\"\"><WeightChart a=\"1\">"
      "<WeightChartRecord KgPerMP=\"20\" X0=\"1\" Y0=\"1\" X2=\"2\" Y2=\"2\" X3=\"3\" X10=\"5\"/>"
      "<WeightChartRecord KgPerMP=\"20\" X0=\"1\" Y0=\"1\" X1=\"2\" Y1=\"2\"/>"
      "</WeightChart></Record>");
  EXPECT_EQ(Texte(*plan),
            (std::vector<std::string>{
                "E WeightChart (1:57): a=\"1\": a is not allowed here. Did you mean \"<WeightChartRecord>\"?",
                "E WeightChart (1:57) / WeightChartRecord 1 (1:76) KgPerMP=20: X10=\"5\": X10 is not allowed here",
                "E WeightChart (1:57) / WeightChartRecord 1 (1:76) KgPerMP=20: X1 is missing",
                "E WeightChart (1:57) / WeightChartRecord 1 (1:76) KgPerMP=20: Y3 is missing",
                "W WeightChart (1:57) / WeightChartRecord 1 (1:76) KgPerMP=20: <WeightChartRecord> has no effect in "
                "Kavelo (KgPerMP=20; X0=1; Y0=1; X2=2; Y2=2)",
                "W WeightChart (1:57) / WeightChartRecord 2 (1:152) KgPerMP=20: <WeightChartRecord> has no effect in "
                "Kavelo (KgPerMP=20; X0=1; Y0=1; X1=2; Y1=2)",
                "E WeightChart (1:57): KgPerMP=\"20\": appears 2 times in the file",
                "W WeightChart=\"\" has no effect in Kavelo (<WeightChart>)",
            }));
  plan = Importa("<Record Code=\"A\"><WeightChart/></Record>");
  EXPECT_EQ(Texte(*plan), std::vector<std::string>{"E WeightChart (1:42): <WeightChartRecord> is missing"});
}

TEST_F(ArticlesImport, ArticleRules) {
  // A host whose codes are wider than its sets tables'.
  TTabelMemorie lat;
  DefinesteCampuri(lat, {fxeArticol}, [](const TFerXmlColoana& c, TTipCamp&, int& marime) {
    if (c.NumeXML == u"Code" || c.NumeXML == u"OldCode") marime = 40;
    return true;
  });
  ctx.Articole = &lat;
  ctx.CuloriFeronerie = {u"RAL 9016"};
  ctx.Vocabulare[fxvbUM] = {u"pcs", u"m"};
  ctx.LatimeCodSeturi = [] { return TFerXmlLatimeCod{20, u"SeturiFeronerie.cds"}; };
  auto plan = Importa(
      "<Record Code=\"ABCDEFGHIJKLMNOPQRSTUVWXY\" Price=\"12.5\" MU=\"PCS\" Colour=\"ral 9016\" "
      "OldCode=\"ABCDEFGHIJKLMNOPQRSTUVWXY\" MinRabbet=\"12\" MaxRabbet=\"8\" ConsumptionCategory=\"C\" "
      "CamLockDimensions1=\"1&#10;12,5\" AcceptedSashes=\"S1 \"/>"
      "<Record Code=\"G\" Use=\"!GROUP\" MU=\"m\" ConsumptionCategory=\"C\" Functions=\"ABCDEFGHIJKLMNOPQRSTUVWXY&#10;"
      "// note&#10;f(x)&#10;Q1\"/>");
  EXPECT_EQ(Texte(*plan),
            (std::vector<std::string>{
                "W AcceptedSashes=\"S1 \" has leading or trailing spaces, a tab or a line break; the value was kept "
                "exactly as written",
                "W The cam lock dimension 2 at the piece ABCDEFGHIJKLMNOPQRSTUVWXY is not a number",
                "W Colour=\"ral 9016\" does not exist in *Culori.cds. Did you mean \"RAL 9016\"?",
                "W MU=\"PCS\" does not exist in (pcs, m). Did you mean \"pcs\"?",
                "W Currency is missing",
                "W Code=\"ABCDEFGHIJKLMNOPQRSTUVWXY\": it has 25 characters and this database's column holds at most "
                "20",
                "W OldCode has no effect in Kavelo (OldCode=ABCDEFGHIJKLMNOPQRSTUVWXY; "
                "Code=\"ABCDEFGHIJKLMNOPQRSTUVWXY\")",
                "W MinRabbet has no effect in Kavelo (MinRabbet=12; MaxRabbet=8)",
                "W The hardware article with the code 'Q1' does not exist in the hardware articles table",
            }));
  EXPECT_EQ(plan->Probleme[5].Detalii, std::vector<std::u16string>{u"SeturiFeronerie.cds"});
}

TEST_F(ArticlesImport, OldExportsAndFatalFiles) {
  auto plan = Importa("<Record Code=\"A\" DiagramaGreutate=\"\"/><Record Code=\"B\"/><Record Code=\"C\"/>", "");
  ASSERT_FALSE(plan->Probleme.Lista().empty());
  const TFerXmlProblema& ultima = plan->Probleme.Lista().back();
  EXPECT_EQ(ultima.Mesaj, fxmExportVechi);
  EXPECT_EQ(ultima.Detalii, (std::vector<std::u16string>{u"Code=\"B\"", u"Code=\"C\""}));

  plan = Importa("", " Content=\"HardwareSets\"");
  EXPECT_TRUE(plan->Probleme.AreFatala());
  EXPECT_TRUE(plan->Articole.empty());

  TFerXmlContext fara;
  MemoryInputStream in("<Base><Record Code=\"A\"/></Base>");
  EXPECT_THROW(ImportaArticole(in, fara, nullptr), Exceptie);
}

}  // namespace
}  // namespace kavelo
