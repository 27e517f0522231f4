#include "import/problems.h"

#include <gtest/gtest.h>

#include "check/english_messages.h"

namespace kavelo {
namespace {

class Problems : public ::testing::Test {
 protected:
  Problems() {
    auto stream = SursaEngleza();
    en = StringuriEngleza(*stream);
  }
  std::unique_ptr<TKVTrsStringsV2> en;
  TFerXmlProbleme lista;

  std::int32_t Adauga(TFerXmlSeveritate s, std::int32_t ordin) {
    return lista.Adauga(ModelProblema(ordin, u"", u""), s, fxmLipseste, u"", u"", {u"x"}, u"");
  }
};

TEST_F(Problems, CountsFatalsAndRefusedUnits) {
  Adauga(fxvAvertizare, 5);
  Adauga(fxvEroare, 0);
  EXPECT_EQ(lista.NrUnitatiRefuzate(), 0);
  EXPECT_FALSE(lista.AreFatala());
  for (int i = 0; i < 3; ++i) Adauga(fxvEroare, 5);
  const std::int32_t singura = Adauga(fxvEroare, 9);
  EXPECT_EQ(lista.NrUnitatiRefuzate(), 2);
  EXPECT_TRUE(lista.UnitateRefuzata(5));
  lista.Delete(singura);
  EXPECT_FALSE(lista.UnitateRefuzata(9));
  EXPECT_EQ(lista.NrUnitatiRefuzate(), 1);

  TFerXmlProblema p;
  EXPECT_FALSE(lista.PrimaFatala(p));
  EXPECT_EQ(p.Severitate, fxvFatal);
  EXPECT_TRUE(p.Parametri.empty());
  lista.Adauga(ModelProblema(0, u"", u"first"), fxvFatal, fxmFisierIncompatibil, u"", u"", {}, u"");
  lista.Adauga(ModelProblema(0, u"", u"second"), fxvFatal, fxmFisierIncompatibil, u"", u"", {}, u"");
  EXPECT_EQ(lista.NrFatale(), 2);
  ASSERT_TRUE(lista.PrimaFatala(p));
  EXPECT_EQ(p.Cale, u"first");
  const TFerXmlProblema scos = lista.Extract(lista.Count() - 2);
  EXPECT_EQ(scos.Cale, u"first");
  EXPECT_EQ(lista.NrFatale(), 1);
}

TEST_F(Problems, AddCopiesOnlyTheLocationOfTheModel) {
  TFerXmlProblema model = ModelProblema(3, u"Record 3 (4:5) [Code=\"A\"]", u"<Weight> (6:7)");
  model.Linie = 6;
  model.Coloana = 7;
  model.Atribut = u"ignored";
  model.Detalii = {u"ignored"};
  model.swAltImport = true;
  const auto i = lista.Adauga(model, fxvEroare, fxmCititCa, u"Code", u"v", {u"a", u"b"}, u"s");
  const TFerXmlProblema& p = lista[i];
  EXPECT_EQ(p.OrdinUnitate, 3);
  EXPECT_EQ(p.Linie, 6);
  EXPECT_EQ(p.Atribut, u"Code");
  EXPECT_TRUE(p.Detalii.empty());
  EXPECT_FALSE(p.swAltImport);
  EXPECT_EQ(p.Parametri, (std::vector<std::u16string>{u"a", u"b"}));
}

TEST_F(Problems, LabelsAndOtherOccurrences) {
  std::vector<TFerXmlUnitate> unitati(14);
  for (int i = 0; i < 14; ++i) {
    unitati[i].Ordin = i + 1;
    unitati[i].Linie = 10 + i;
    unitati[i].Coloana = 3;
    unitati[i].Nume = u"Record";
  }
  EXPECT_EQ(LatimeOrdin(9), 1);
  EXPECT_EQ(LatimeOrdin(10), 2);
  EXPECT_EQ(LatimeOrdin(150), 3);
  EXPECT_EQ(LatimeOrdin(0), 1);
  EXPECT_EQ(EtichetaArticol(3, unitati[6], u"A-1"), u"Record 007 (16:3) [Code=\"A-1\"]");
  EXPECT_EQ(EtichetaSet(1, unitati[6], u"DK", u"W", u"M\"", u""), u"Set 7 (16:3) [DK|W|M\\\"|]");
  EXPECT_EQ(EtichetaStraina(u"Set", 2, unitati[6]), u"Set 07 (16:3) <Record>");

  struct Caz {
    std::int32_t aparitii;
    size_t linii;
    std::u16string ultima;
  };
  for (const Caz& c : {Caz{14, 11, u"... (+3)"}, Caz{12, 11, u"... (+1)"}, Caz{11, 10, u"Record 11 (20:3)"},
                       Caz{2, 1, u"Record 02 (11:3)"}}) {
    TFerXmlUnitate u = unitati[0];
    u.NrAparitii = c.aparitii;
    for (int k = 1; k < std::min(c.aparitii, 11); ++k) u.AlteAparitii.push_back(k);
    const auto etichete = EticheteAlteAparitii(unitati, u);
    ASSERT_EQ(etichete.size(), c.linii);
    EXPECT_EQ(etichete.back(), c.ultima);
  }
}

TEST_F(Problems, DisplayForm) {
  const std::u16string lung(70, u'x');
  EXPECT_EQ(ValoareAfisata(lung), std::u16string(60, u'x') + u"...");
  std::u16string surogat(59, u'x');
  surogat += u"\U0001F600yyy";
  EXPECT_EQ(ValoareAfisata(surogat), std::u16string(59, u'x') + u"...");
  EXPECT_EQ(ValoareAfisata(u"a\tb\nc\rd\"e"), u"a\\tb\\nc\\rd\\\"e");
  EXPECT_EQ(AtributAfisat(u"FormatVersion", u"3"), u"FormatVersion=\"3\"");
  EXPECT_EQ(FormatSigur(u"%s of %s", {u"one"}), u"%s of %s [one]");
  EXPECT_EQ(FormatSigur(u"%d", {u"1", u"2"}), u"%d [1, 2]");
}

TEST_F(Problems, MessageTextsWithSuggestions) {
  TFerXmlProblema p = ModelProblema(1, u"", u"");
  p.Mesaj = fxmAtributNecunoscut;
  p.Parametri = {u"Colour"};
  p.Sugestie = u"Color";
  EXPECT_EQ(TextMesaj(p, *en), u"attribute Colour matches no column of this database. Did you mean \"Color\"?");
  p.Mesaj = fxmArticolDublu;  // ends in "!": no full stop added
  EXPECT_EQ(TextMesaj(p, *en), u"The current article is a copy! Did you mean \"Color\"?");
  p.Mesaj = fxmExceptie;  // parameters joined; an empty text is the suggestion alone
  p.Parametri = {};
  EXPECT_EQ(TextMesaj(p, *en), u"Did you mean \"Color\"?");
  p.Parametri = {u"Is this right?", u" "};
  EXPECT_EQ(TextMesaj(p, *en), u"Is this right? Did you mean \"Color\"?");
}

TEST_F(Problems, FullTexts) {
  TFerXmlProblema p = ModelProblema(0, u"", u"");
  p.Severitate = fxvEroare;
  p.Mesaj = fxmLipseste;
  p.Atribut = u"Code";
  p.Parametri = {u"Code"};
  p.Linie = 12;
  p.Coloana = 5;
  EXPECT_EQ(TextProblema(p, *en), u"(12:5) Code is missing");
  p.Mesaj = fxmMotivInterval;
  p.Valoare = u"a\tb";
  p.Parametri = {u"0", u"9"};
  p.Cale = u"<Weight> (3:4)";
  EXPECT_EQ(TextProblema(p, *en), u"<Weight> (3:4): Code=\"a\\tb\": the value must be between 0 and 9");

  TFerXmlProblema f = ModelProblema(0, u"", u"");
  f.Severitate = fxvFatal;
  f.Mesaj = fxmVersiuneNoua;
  f.Atribut = u"FormatVersion";
  f.Valoare = u"3";
  EXPECT_EQ(TextProblema(f, *en), u"Unknown file or incompatible version ! (FormatVersion=\"3\")");
  f.Mesaj = fxmFisierIncompatibil;
  f.Parametri = {u"not well-formed", u"(invalid token)"};
  f.Linie = 1;
  f.Coloana = 2;
  f.swAltImport = true;
  EXPECT_EQ(TextProblema(f, *en), u"Unknown file or incompatible version !\n(1:2) not well-formed (invalid token)");
  EXPECT_EQ(TextProblemaAltImport(f, *en, u"hint"),
            u"Unknown file or incompatible version !\n(1:2) not well-formed (invalid token)\nhint");
  f.swAltImport = false;
  EXPECT_EQ(TextProblemaAltImport(f, *en, u"hint"), TextProblema(f, *en));

  TKVTrsStringsV2 ro;
  p.Cale.clear();
  p.Linie = 0;
  EXPECT_EQ(TextProblema(p, ro), u"Code=\"a\\tb\": valoarea trebuie să fie între 0 și 9");
}

}  // namespace
}  // namespace kavelo
