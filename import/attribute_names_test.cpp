#include "import/attribute_names.h"

#include <gtest/gtest.h>

namespace kavelo {
namespace {

TFerXmlNod Nod(std::vector<std::pair<std::u16string, std::u16string>> atribute) {
  TFerXmlNod n;
  n.Nume = u"X";
  n.Atribute = std::move(atribute);
  return n;
}

struct Rezolvare {
  TFerXmlProbleme p;
  std::vector<TFerXmlAtribut> a;
};

std::unique_ptr<Rezolvare> RezolvaNod(TFerXmlNumeAtribute& nume, TFerXmlElement e, const TFerXmlNod& nod) {
  auto r = std::make_unique<Rezolvare>();
  r->a = nume.RezolvaNod(nod, e, r->p, ModelProblema(1, u"Record 1 (2:3) [Code=\"A\"]", u""));
  nume.VerificaObligatorii(e, nod, r->p, ModelProblema(1, u"", u""), r->a);
  return r;
}

TEST(AttributeNames, Steps) {
  TFerXmlNumeAtribute nume(fxcSeturi, {u"Extra"}, 2);
  nume.SeteazaCampuriTinta(fxeRandSet, {u"Cod_Mag", u"Pret_Client", u"9bad", u"Marca", u"MinX", u"qty"});
  EXPECT_TRUE(nume.EsteColoanaClient(fxeRandSet, u"PRET_CLIENT"));
  EXPECT_FALSE(nume.EsteColoanaClient(fxeRandSet, u"9bad"));   // not a valid name
  EXPECT_FALSE(nume.EsteColoanaClient(fxeRandSet, u"Marca"));  // a column of Set
  EXPECT_FALSE(nume.EsteColoanaClient(fxeRandSet, u"qty"));    // an XML name, ignoring case
  struct Caz {
    std::u16string nume;
    TFerXmlPasNume pas;
    TFerXmlElement element;
  };
  const Caz cazuri[] = {
      {u"Code", fxnColoana, fxeRandSet},           {u"NrCrtRenum", fxnColoana, fxeRandSet},
      {u"cod_mag", fxnAliasRO, fxeRandSet},        {u"pret_client", fxnColoanaClient, fxeRandSet},
      {u"Opening", fxnAltElement, fxeSet},         {u"KgPerMP", fxnAltElement, fxeDiagrama},
      {u"code", fxnVariantaCaz, fxeRandSet},       {u"EchiSusSt", fxnRetras, fxeRandSet},
      {u"Extra", fxnClientDeclarat, fxeRandSet},   {u"extra", fxnNecunoscut, fxeRandSet},
      {u"minx", fxnVariantaCaz, fxeRandSet},       // MinX: its Romanian name is no alias
      {u"Inversare", fxnRetras, fxeRandSet},
  };
  for (const auto& c : cazuri) {
    const TFerXmlAtribut a = nume.Rezolva(fxeRandSet, c.nume, u"v");
    EXPECT_EQ(a.Pas, c.pas) << std::string(c.nume.begin(), c.nume.end());
    EXPECT_EQ(a.Element, c.element) << std::string(c.nume.begin(), c.nume.end());
    EXPECT_EQ(a.Valoare, u"v");
  }
  TFerXmlNumeAtribute v1(fxcSeturi, {u"Extra"}, 1);
  EXPECT_EQ(v1.Rezolva(fxeRandSet, u"Extra", u"").Pas, fxnNecunoscut);  // declarations count from format 2
}

TEST(AttributeNames, RepetitionsAndAliases) {
  TFerXmlNumeAtribute nume(fxcArticole, {}, 2);
  auto r = RezolvaNod(nume, fxeArticol, Nod({{u"Code", u"A"}, {u"Culoare", u"RAL"}, {u"Colour", u"RAL"}}));
  ASSERT_EQ(r->p.Count(), 1);  // only the alias warning
  EXPECT_EQ(r->p[0].Mesaj, fxmCititCa);
  EXPECT_EQ(r->p[0].Parametri, (std::vector<std::u16string>{u"Culoare=\"RAL\"", u"Colour=\"RAL\""}));
  EXPECT_TRUE(r->a[1].swDublura);  // the alias yields to the column
  EXPECT_FALSE(r->a[2].swDublura);

  r = RezolvaNod(nume, fxeArticol, Nod({{u"Code", u"A"}, {u"Culoare", u"1"}, {u"Colour", u"2"}, {u"Colour", u"3"}}));
  ASSERT_EQ(r->p.Count(), 2);
  EXPECT_EQ(r->p[0].Mesaj, fxmApareDeMaiMulteOri);
  EXPECT_EQ(r->p[0].Severitate, fxvEroare);
  EXPECT_EQ(r->p[0].Atribut, u"Colour");
  EXPECT_EQ(r->p[0].Valoare, u"2");
  EXPECT_EQ(r->p[0].Parametri, std::vector<std::u16string>{u"3"});
  TFerXmlAtribut gasit;
  ASSERT_TRUE(CautaAtribut(r->a, u"Colour", gasit));
  EXPECT_EQ(gasit.Valoare, u"2");
  EXPECT_FALSE(CautaAtribut(r->a, u"Mark", gasit));
}

TEST(AttributeNames, NameProblems) {
  TFerXmlNumeAtribute v2(fxcSeturi, {}, 2);
  auto r = RezolvaNod(v2, fxeRandSet,
                      Nod({{u"Code", u"C"}, {u"Qty", u"1"}, {u"Quantity", u"1"}, {u"Opening", u"TTX"},
                           {u"EchiSusSt", u"5"}, {u"Inversare", u"1"}, {u"CotaOpusa", u""}, {u"!!", u"x"}}));
  ASSERT_EQ(r->p.Count(), 5);
  EXPECT_EQ(r->p[0].Mesaj, fxmAtributNecunoscut);
  EXPECT_EQ(r->p[0].Sugestie, u"Qty");
  EXPECT_EQ(r->p[0].Severitate, fxvEroare);
  EXPECT_EQ(r->p[1].Mesaj, fxmNepermisAici);
  EXPECT_EQ(r->p[1].Sugestie, u"<Set>");
  EXPECT_EQ(r->p[2].Sugestie, u"DimensionPercent");
  EXPECT_EQ(r->p[2].Severitate, fxvEroare);
  EXPECT_EQ(r->p[3].Mesaj, fxmFaraEfect);
  EXPECT_EQ(r->p[3].Parametri, (std::vector<std::u16string>{u"Inversare", u"Inversare=1"}));
  EXPECT_EQ(r->p[4].Sugestie, u"");  // punctuation only

  TFerXmlNumeAtribute v1(fxcArticole, {}, 1);
  r = RezolvaNod(v1, fxeArticol, Nod({{u"Code", u"A"}, {u"colour", u"x"}, {u"Foo", u"x"}, {u"Culoare", u"y"}}));
  ASSERT_EQ(r->p.Count(), 2);  // no alias warning in format 1
  EXPECT_EQ(r->p[0].Sugestie, u"Colour");
  EXPECT_EQ(r->p[0].Severitate, fxvEroare);  // a case variant is an error in every format
  EXPECT_EQ(r->p[1].Severitate, fxvAvertizare);
}

TEST(AttributeNames, MandatoryAttributes) {
  struct Caz {
    TFerXmlContinut c;
    std::int32_t versiune;
    TFerXmlElement e;
    std::vector<std::pair<std::u16string, std::u16string>> atribute;
    std::vector<std::u16string> lipsa;
    TFerXmlMesaj mesaj = fxmLipseste;
  };
  const Caz cazuri[] = {
      {fxcSeturi, 2, fxeSet, {{u"Opening", u"TTX"}, {u"WD", u" "}, {u"Mark", u""}, {u"HardwareSet", u""}}, {u"WD"}},
      {fxcSeturi, 2, fxeSet, {{u"Opening", u"TTX"}, {u"WD", u"W"}, {u"Mark", u"  "}}, {u"Mark", u"HardwareSet"}},
      {fxcSeturi, 2, fxeRandSet, {{u"Code", u"C"}}, {u"Qty"}},
      {fxcSeturi, 2, fxeRandSet, {{u"Code", u"xy"}}, {}},
      {fxcSeturi, 2, fxeRandSet, {{u"ItemNo", u"1"}, {u"Colour", u"R"}}, {}},
      {fxcSeturi, 2, fxeRandSet, {{u"ItemNo", u"1"}, {u"Qty", u"2"}}, {u"Code"}},
      {fxcSeturi, 2, fxeRandSet, {{u"Code", u""}, {u"MinX", u"2"}}, {u"Qty"}},
      {fxcSeturi, 1, fxeBlocator, {{u"Code", u"B"}}, {u"DimensionIndex"}, fxmExportVechi},
      {fxcSeturi, 2, fxeBlocator, {{u"Code", u"B"}}, {u"DimensionIndex"}},
      {fxcSeturi, 2, fxeBlocator, {{u"Code", u""}}, {}},
      {fxcArticole, 2, fxeArticol, {{u"Code", u" \t"}}, {u"Code"}},
      {fxcArticole, 2, fxeDiagrama, {{u"X3", u"1"}}, {u"KgPerMP"}},
      {fxcArticole, 2, fxeDiagrama, {{u"X3", u" "}}, {}},
  };
  for (const auto& c : cazuri) {
    TFerXmlNumeAtribute nume(c.c, {}, c.versiune);
    const TFerXmlNod nod = Nod(c.atribute);
    TFerXmlProbleme p;
    const auto a = nume.RezolvaNod(nod, c.e, p, ModelProblema(1, u"", u""));
    const std::int32_t inainte = p.Count();
    EXPECT_EQ(nume.VerificaObligatorii(c.e, nod, p, ModelProblema(1, u"", u""), a), c.lipsa.empty());
    std::vector<std::u16string> lipsa;
    for (std::int32_t i = inainte; i < p.Count(); ++i) {
      lipsa.push_back(p[i].Atribut);
      EXPECT_EQ(p[i].Mesaj, c.mesaj);
    }
    EXPECT_EQ(lipsa, c.lipsa);
  }
}

TEST(AttributeNames, RowKinds) {
  TFerXmlNumeAtribute nume(fxcSeturi, {}, 2);
  TFerXmlProbleme p;
  TFerXmlNod rand = Nod({{u"ItemNo", u"1"}});
  auto blocatori = std::make_unique<TFerXmlNod>();
  auto blocator = std::make_unique<TFerXmlNod>();
  blocator->Atribute = {{u"Cod", u"B1"}};  // the Romanian alias of the cam lock's Code
  blocatori->Copii.push_back(std::move(blocator));
  EXPECT_EQ(TipRand(rand, nume.RezolvaNod(rand, fxeRandSet, p, ModelProblema(1, u"", u""))), fxrsGol);
  rand.Copii.push_back(std::move(blocatori));
  EXPECT_EQ(TipRand(rand, nume.RezolvaNod(rand, fxeRandSet, p, ModelProblema(1, u"", u""))), fxrsFaraCod);
  const TFerXmlNod articol = Nod({{u"Code", u" XY"}});
  EXPECT_EQ(TipRand(articol, nume.RezolvaNod(articol, fxeRandSet, p, ModelProblema(1, u"", u""))), fxrsArticol);
}

}  // namespace
}  // namespace kavelo
