#include "import/first_pass.h"

#include <gtest/gtest.h>

#include "platform/utf.h"

namespace kavelo {
namespace {

struct Pas1 {
  bool ok = false;
  TFerXmlFisier f;
  TFerXmlProbleme p;
};

std::unique_ptr<Pas1> Ruleaza(const std::string& xml, TFerXmlContinut c = fxcArticole,
                              const TFerXmlProgres& progres = nullptr) {
  auto r = std::make_unique<Pas1>();
  MemoryInputStream in(xml);
  r->ok = FerXmlCitestePas1(in, c, r->p, progres, r->f);
  return r;
}

std::string Radacina(const std::string& atribute, const std::string& copii = "") {
  return "<Base" + atribute + ">" + copii + "</Base>";
}

TEST(FirstPass, RootFatals) {
  struct Caz {
    std::string xml;
    TFerXmlContinut c;
    TFerXmlMesaj mesaj;
    std::vector<std::u16string> parametri;
    bool altImport;
  };
  const Caz cazuri[] = {
      {"<Basis/>", fxcArticole, fxmMotivValori, {u"<Base>"}, false},
      {Radacina(" FormatVersion=\"2.0\""), fxcArticole, fxmMotivValori, {u"1, 2"}, false},
      {Radacina(" FormatVersion=\"two\""), fxcArticole, fxmMotivValori, {u"1, 2"}, false},
      {Radacina(" FormatVersion=\"0\""), fxcArticole, fxmMotivValori, {u"1, 2"}, false},
      {Radacina(" FormatVersion=\"-5\""), fxcArticole, fxmMotivValori, {u"1, 2"}, false},
      {Radacina(" FormatVersion=\"-99999999999999999999\""), fxcArticole, fxmMotivValori, {u"1, 2"}, false},
      {Radacina(" FormatVersion=\"3\""), fxcArticole, fxmVersiuneNoua, {}, false},
      {Radacina(" FormatVersion=\"99999999999999999999\""), fxcArticole, fxmVersiuneNoua, {}, false},
      {Radacina(" Content=\"HardwareSets\""), fxcArticole, fxmMotivValori, {u"HardwareArticles"}, true},
      {Radacina(" Content=\"Foo\""), fxcArticole, fxmMotivValori, {u"HardwareArticles"}, false},
      {Radacina("", "<set3/>"), fxcArticole, fxmMotivValori, {u"<Record>"}, true},
      {Radacina("", "<Foo/><Record1/>"), fxcSeturi, fxmMotivValori, {u"<Set>"}, true},
  };
  for (const auto& c : cazuri) {
    const auto r = Ruleaza(c.xml, c.c);
    EXPECT_FALSE(r->ok) << c.xml;
    TFerXmlProblema p;
    ASSERT_TRUE(r->p.PrimaFatala(p)) << c.xml;
    EXPECT_EQ(p.Mesaj, c.mesaj) << c.xml;
    EXPECT_EQ(p.Parametri, c.parametri) << c.xml;
    EXPECT_EQ(p.swAltImport, c.altImport) << c.xml;
  }
  const auto basis = Ruleaza("<Basis a=\"1\"><Record/></Basis>");
  EXPECT_TRUE(basis->f.Unitati.empty());
  EXPECT_EQ(basis->p[0].Cale, u"<Basis> (1:1)");

  const auto set3 = Ruleaza(Radacina("", "\n  <set3/>"));
  EXPECT_EQ(set3->p[0].Cale, u"<set3> (2:3)");
  EXPECT_EQ(set3->p[0].Linie, 2);
  EXPECT_EQ(set3->f.Unitati.size(), 0u);
}

TEST(FirstPass, RootAttributesAndText) {
  auto r = Ruleaza(Radacina(" FormatVersion=\" 2 \" Content=\"HardwareArticles\" Series=\" S \" Generator=\"G\" "
                            "ClientColumns=\" A\tB\n\nC \" Author=\"me\" Formatversion=\"x\"",
                            "\n  text here\n<Record Code=\"A\"/>"));
  ASSERT_TRUE(r->ok);
  EXPECT_EQ(r->f.Versiune, 2);
  EXPECT_FALSE(r->f.swContinutDedus);
  EXPECT_EQ(r->f.Serie, u" S ");
  EXPECT_EQ(r->f.Generator, u"G");
  EXPECT_EQ(r->f.ColoaneClient, (std::vector<std::u16string>{u"A", u"B", u"C"}));
  ASSERT_EQ(r->p.Count(), 3);
  EXPECT_EQ(r->p[0].Mesaj, fxmAtributNecunoscut);
  EXPECT_EQ(r->p[0].Atribut, u"Author");
  EXPECT_EQ(r->p[0].Severitate, fxvAvertizare);
  EXPECT_EQ(r->p[1].Sugestie, u"FormatVersion");
  EXPECT_EQ(r->p[2].Mesaj, fxmNepermisAici);
  EXPECT_EQ(r->p[2].Parametri, std::vector<std::u16string>{u"\"text here\""});
  EXPECT_EQ(r->p[2].Linie, 4);  // the start tag spans three lines
  EXPECT_EQ(r->p[2].Coloana, 3);

  r = Ruleaza(Radacina(" Author=\"me\"", "<Foo/><Record/>"));  // format 1: silent; Foo settles nothing
  ASSERT_TRUE(r->ok);
  EXPECT_EQ(r->p.Count(), 0);
  EXPECT_EQ(r->f.Versiune, 1);
  EXPECT_TRUE(r->f.swContinutDedus);
}

TEST(FirstPass, UnitsKeysAndRepetitions) {
  // Format 1: numbered names are units; format 2: they are not, but count.
  auto r = Ruleaza(Radacina("", "<Set1 Opening=\"ttx\"/><Set2 Deschidere=\"OBX\"/>"), fxcSeturi);
  ASSERT_TRUE(r->ok);
  ASSERT_EQ(r->f.Unitati.size(), 2u);
  EXPECT_TRUE(r->f.Unitati[0].swUnitate);
  EXPECT_EQ(r->f.Unitati[0].Cheie, u"OBX\x01\x01\x01");  // resolved to the stored value
  EXPECT_EQ(r->f.Unitati[0].NrAparitii, 2);
  EXPECT_EQ(r->f.Unitati[0].AlteAparitii, std::vector<std::int32_t>{1});
  r = Ruleaza(Radacina(" FormatVersion=\"2\"", "<Set1/><Set/>"), fxcSeturi);
  EXPECT_FALSE(r->f.Unitati[0].swUnitate);
  EXPECT_EQ(r->f.Unitati[0].NrAparitii, 0);
  EXPECT_EQ(r->f.Unitati[1].Ordin, 2);

  std::string articole;
  for (int i = 0; i < 3; ++i) articole += "<Record Code=\"A\"/>";
  articole += "<Record/><Record Cod_Mag=\"\"/><Record DiagramaGreutate=\"\"/>";
  r = Ruleaza(Radacina("", articole));
  ASSERT_EQ(r->f.Unitati.size(), 6u);
  EXPECT_EQ(r->f.Unitati[0].NrAparitii, 3);
  EXPECT_EQ(r->f.Unitati[0].AlteAparitii, (std::vector<std::int32_t>{1, 2}));
  EXPECT_EQ(r->f.Unitati[3].NrAparitii, 3);  // the empty key counts like any other
  EXPECT_TRUE(r->f.swAliasDiagramaGreutate);

  std::string seturi;
  for (int i = 0; i < 15; ++i) seturi += "<Set Opening=\"TTX\" WD=\"Window\" Mark=\"M\" HardwareSet=\"S\"/>";
  r = Ruleaza(Radacina("", seturi), fxcSeturi);
  for (const auto& u : r->f.Unitati) {
    EXPECT_EQ(u.NrAparitii, 15);
    ASSERT_EQ(u.AlteAparitii.size(), 10u);
  }
  EXPECT_EQ(r->f.Unitati[0].AlteAparitii.back(), 10);
  EXPECT_EQ(r->f.Unitati[5].AlteAparitii, (std::vector<std::int32_t>{0, 1, 2, 3, 4, 6, 7, 8, 9, 10}));
  EXPECT_EQ(r->f.Unitati[14].AlteAparitii, (std::vector<std::int32_t>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
}

TEST(FirstPass, XmlErrorIsAppendedAsItIs) {
  int apeluri = 0;
  const auto r = Ruleaza("<Base><Record/><Record>", fxcArticole, [&](std::int32_t, std::int32_t) { ++apeluri; });
  EXPECT_FALSE(r->ok);
  ASSERT_EQ(r->p.Count(), 1);
  EXPECT_EQ(r->p[0].Mesaj, fxmFisierIncompatibil);
  EXPECT_EQ(r->f.Unitati.size(), 1u);
  EXPECT_EQ(apeluri, 1);
}

TEST(FirstPass, ElementRules) {
  EXPECT_TRUE(ElementPermis(1, u"Set12", u"Set"));
  EXPECT_FALSE(ElementPermis(2, u"Set12", u"Set"));
  EXPECT_FALSE(ElementPermis(1, u"CamLocks12", u"CamLocks"));
  EXPECT_FALSE(ElementPermis(1, u"Set", u"SetRecord"));
  EXPECT_FALSE(ElementPermis(1, u"Setx", u"Set"));

  TFerXmlProbleme p;
  const TFerXmlProblema model = ModelProblema(1, u"Set 1 (1:1)", u"");
  EXPECT_TRUE(VerificaElement(fxcSeturi, 2, u"SetRecord", p, model, u"SetRecord"));
  EXPECT_FALSE(VerificaElement(fxcSeturi, 2, u"Setrecord", p, model, u"SetRecord"));
  EXPECT_EQ(p[0].Sugestie, u"SetRecord");
  EXPECT_EQ(p[0].Parametri, std::vector<std::u16string>{u"<Setrecord>"});
  EXPECT_EQ(p[0].Severitate, fxvEroare);
  EXPECT_FALSE(VerificaElement(fxcSeturi, 2, u"CamLock", p, model, u"CamLocksRecord"));
  EXPECT_EQ(p[1].Sugestie, u"");
  EXPECT_EQ(SugestieElement(fxcSeturi, 1, u"setrecord12"), u"SetRecord12");
  EXPECT_EQ(SugestieElement(fxcArticole, 2, u"Weightchartrecrd"), u"WeightChartRecord");
  EXPECT_EQ(SugestieElement(fxcArticole, 2, u"123"), u"");

  TFerXmlNod nod;
  nod.Atribute = {{u"deschidere", u"OBX"}, {u"Cod_Mag", u"C"}};
  std::u16string v;
  EXPECT_TRUE(ValoareAtribut(nod, fxeSet, u"Opening", v));
  EXPECT_EQ(v, u"OBX");
  nod.Atribute.push_back({u"COD_MAG", u"D"});
  EXPECT_TRUE(ValoareAtribut(nod, fxeArticol, u"Code", v));
  EXPECT_EQ(v, u"C");  // the first attribute that is an alias, ignoring case
  EXPECT_FALSE(ValoareAtribut(nod, fxeArticol, u"Colour", v));
  EXPECT_EQ(v, u"");
}

}  // namespace
}  // namespace kavelo
