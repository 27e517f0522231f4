#include "format/vocabulary.h"

#include <gtest/gtest.h>

namespace kavelo {
namespace {

TEST(Vocabulary, ColumnsByXmlAndRomanianName) {
  const TFerXmlColoana* set = ColoanaDupaXml(fxeSet, u"HardwareSet");
  ASSERT_NE(set, nullptr);
  EXPECT_EQ(set->Tip, fxtCheie);
  EXPECT_EQ(set->LungimeCanonica, 60);
  EXPECT_EQ(set->NumeRO, u"SetF");
  EXPECT_EQ(set->Interzise, Caracter(fxcApostrof) | Caracter(fxcSteaLaFinal) | Caracter(fxcTab) | Caracter(fxcRandNou));
  EXPECT_EQ(ColoanaDupaRO(fxeSet, u"setf"), set);

  EXPECT_EQ(ColoanaDupaRO(fxeRandSet, u"cod_mag"), ColoanaDupaXml(fxeRandSet, u"Code"));
  EXPECT_EQ(AliasRO(fxeRandSet, u"minx"), nullptr);
  EXPECT_NE(ColoanaDupaRO(fxeRandSet, u"minx"), nullptr);
  EXPECT_EQ(ColoanaDupaXml(fxeArticol, u"code"), nullptr);
  EXPECT_EQ(AliasRO(fxeArticol, u"Cod_Mag"), ColoanaDupaXml(fxeArticol, u"Code"));
  EXPECT_EQ(ColoanaDupaRO(fxeSet, u""), nullptr);
  EXPECT_EQ(ColoanaDupaRO(fxeSet, u"MarkHidden"), nullptr);  // no field

  // One name, two elements, two columns.
  EXPECT_EQ(ColoanaDupaXml(fxeRandSet, u"Code")->NumeRO, u"Cod_Mag");
  EXPECT_EQ(ColoanaDupaXml(fxeBlocator, u"Code")->NumeRO, u"Cod");
  EXPECT_EQ(ColoanaDupaXml(fxeArticol, u"Description")->NumeRO, u"DENUMIRE");
}

TEST(Vocabulary, TypesRangesAndFlags) {
  const auto* itemNo = ColoanaDupaXml(fxeRandSet, u"ItemNo");
  EXPECT_EQ(itemNo->MinInt, -2147483648LL);
  EXPECT_EQ(itemNo->MaxInt, 2147483647LL);
  EXPECT_EQ(ColoanaDupaXml(fxeRandSet, u"ParentID")->MinInt, 1);
  EXPECT_EQ(ColoanaDupaXml(fxeBlocator, u"DimensionIndex")->MinInt, -1);
  EXPECT_EQ(ColoanaDupaXml(fxeDiagrama, u"KgPerMP")->MinInt, 1);
  EXPECT_TRUE(ColoanaDupaXml(fxeDiagrama, u"KgPerMP")->swObligatoriu);

  const auto* use = ColoanaDupaXml(fxeArticol, u"Use");
  EXPECT_EQ(use->RegulaEnum, fxreExact);
  EXPECT_TRUE(use->swValoriLibere);
  ASSERT_EQ(use->Valori.size(), 3u);
  EXPECT_EQ(use->Valori[2].CodXML, u"!GROUP");

  const auto* reference = ColoanaDupaXml(fxeArticol, u"Reference");
  EXPECT_EQ(reference->ValoriTolerate, (std::vector<std::u16string>{u"1/2", u"1/3", u"2/3", u"1/4", u"3/4"}));
  EXPECT_TRUE(reference->swSpatiiInterne);
  EXPECT_EQ(ColoanaDupaXml(fxeArticol, u"FisaMontaj")->ValoriTolerate, std::vector<std::u16string>{u"F"});
  EXPECT_EQ(ColoanaDupaXml(fxeArticol, u"FisaMontaj")->Proprietar, fxpUtilizator);
  EXPECT_EQ(ColoanaDupaXml(fxeArticol, u"Code")->Proprietar, fxpProducator);
  EXPECT_EQ(ColoanaDupaXml(fxeArticol, u"DrawingType4")->Proprietar, fxpUtilizator);
  EXPECT_EQ(ColoanaDupaXml(fxeBase, u"Content")->ValoareXSD, fxvxNevida);
  EXPECT_EQ(ColoanaDupaXml(fxeSet, u"Mark")->ValoareXSD, fxvxNealba);
  EXPECT_TRUE(ColoanaDupaXml(fxeArticol, u"ImageFile")->swNumeV1RO);

  int utilizator = 0;
  for (const auto& c : ColoaneElement(fxeArticol)) utilizator += c.Proprietar == fxpUtilizator;
  EXPECT_EQ(utilizator, 40);
  EXPECT_EQ(ColoaneElement(fxeDiagrama).size(), 21u);
}

TEST(Vocabulary, WithdrawnAndIgnoredColumns) {
  const auto* echi = ColoanaDupaXml(fxeRandSet, u"EchiSusSt");
  ASSERT_NE(echi, nullptr);
  EXPECT_TRUE(echi->swRetras);
  EXPECT_EQ(echi->Inlocuitor, u"DimensionPercent");
  EXPECT_FALSE(echi->swInXSD);
  EXPECT_EQ(AliasRO(fxeRandSet, u"echisusst"), nullptr);
  EXPECT_TRUE(ColoanaDupaXml(fxeRandSet, u"Inversare")->Inlocuitor.empty());
  const auto& coloane = ColoaneElement(fxeRandSet);
  for (int i = 0; i < static_cast<int>(coloane.size()); ++i)
    EXPECT_EQ(ColoanaActiva(fxeRandSet, i), !coloane[i].swRetras && coloane[i].NumeXML != u"NrCrtRenum");
  EXPECT_FALSE(ColoanaDupaXml(fxeArticol, u"DataModifPret")->Activa());
  EXPECT_TRUE(ColoanaDupaXml(fxeArticol, u"Code")->swInXSD);
}

TEST(Vocabulary, ElementsAndContents) {
  TFerXmlElement e;
  ASSERT_TRUE(ElementAlt(fxcSeturi, u"KgPerMP", e));
  EXPECT_EQ(e, fxeDiagrama);
  ASSERT_TRUE(ElementAlt(fxcSeturi, u"Marca", e));
  EXPECT_EQ(e, fxeSet);
  ASSERT_TRUE(ElementAlt(fxcArticole, u"marca", e));
  EXPECT_EQ(e, fxeArticol);
  EXPECT_FALSE(ElementAlt(fxcSeturi, u"EchiSusSt", e));  // withdrawn columns are not active
  EXPECT_FALSE(ElementAlt(fxcSeturi, u"Nothing", e));
  EXPECT_EQ(NumeElement(fxeBlocator), u"CamLocksRecord");
  EXPECT_TRUE(EsteElementArticole(fxeDiagrama));
  EXPECT_FALSE(EsteElementArticole(fxeBase));
  EXPECT_TRUE(DeschidereCuMana(u"PVTVX"));
  EXPECT_FALSE(DeschidereCuMana(u"TTX"));
  EXPECT_FALSE(DeschidereCuMana(u"obx"));
}

TEST(VocabularyDeathTest, UnregisteredUserColumnStopsTheProgram) {
  std::vector<TFerXmlColoana> coloane = ColoaneElement(fxeArticol);
  std::erase_if(coloane, [](const TFerXmlColoana& c) { return c.NumeRO == u"ZoneOf"; });
  EXPECT_DEATH(InregistreazaColoaneUtilizator(coloane, {u"zoneof"}),
               "KV.FeronerieXML.Format: user-owned column not registered: zoneof");
}

}  // namespace
}  // namespace kavelo
