#include "import/values.h"

#include <gtest/gtest.h>

#include "platform/utf.h"

namespace kavelo {
namespace {

// One conversion: its result, the value and the problems it recorded.
struct Conversie {
  bool ok = false;
  TValoareCamp v;
  std::vector<TFerXmlProblema> p;
  std::string Text() const {
    std::string s;
    for (const auto& q : p) {
      s += q.Severitate == fxvEroare ? "E" : "W";
      s += std::to_string(q.Mesaj);
      for (const auto& a : q.Parametri) s += "|" + Utf8DinUtf16(a);
      if (!q.Sugestie.empty()) s += "?" + Utf8DinUtf16(q.Sugestie);
      s += ";";
    }
    return s;
  }
};

Conversie Converteste(TFerXmlElement e, std::u16string_view xml, std::u16string_view valoare,
                      const TDefinitieCamp* f = nullptr) {
  TFerXmlProbleme probleme;
  TFerXmlValori valori(probleme);
  Conversie c;
  const TFerXmlColoana* col = ColoanaDupaXml(e, xml);
  EXPECT_NE(col, nullptr);
  c.ok = valori.Converteste(*col, f, c.v, ModelProblema(1, u"", u""), valoare, xml);
  for (const auto& p : probleme.Lista()) {
    EXPECT_EQ(p.Atribut, xml);
    EXPECT_EQ(p.Valoare, valoare);
    c.p.push_back(p);
  }
  return c;
}

TEST(Values, Integers) {
  auto c = Converteste(fxeRandSet, u"MinX", u" 7 ");
  EXPECT_TRUE(c.ok);
  EXPECT_EQ(std::get<std::int64_t>(c.v), 7);
  EXPECT_EQ(c.Text(), "");
  c = Converteste(fxeRandSet, u"MinX", u"7.0");
  EXPECT_FALSE(c.ok);
  EXPECT_EQ(c.Text(), "E3|12, -3;");
  c = Converteste(fxeRandSet, u"MinX", u"99999999999999999999");
  EXPECT_EQ(c.Text(), "E4|0|2147483647;");
  c = Converteste(fxeRandSet, u"MinX", u"-1");
  EXPECT_EQ(c.Text(), "E4|0|2147483647;");
  const TDefinitieCamp mic{u"MinX", ftSmallint, 0};
  c = Converteste(fxeRandSet, u"MinX", u"40000", &mic);
  EXPECT_EQ(c.Text(), "E4|0|32767;");
  const TDefinitieCamp real{u"MinX", ftFloat, 0};
  c = Converteste(fxeRandSet, u"MinX", u"12", &real);
  EXPECT_EQ(std::get<double>(c.v), 12.0);
  c = Converteste(fxeRandSet, u"MinX", u" ");
  EXPECT_TRUE(c.ok && EsteNul(c.v));
}

TEST(Values, Reals) {
  const TDefinitieCamp intreg{u"Cant", ftInteger, 0};
  auto c = Converteste(fxeRandSet, u"Qty", u"2.5", &intreg);
  EXPECT_EQ(std::get<std::int64_t>(c.v), 3);
  EXPECT_EQ(c.Text(), "W12|Qty=\"2.5\"|Qty=\"3\";");
  c = Converteste(fxeRandSet, u"Qty", u"-2.5", &intreg);
  EXPECT_EQ(std::get<std::int64_t>(c.v), -3);
  c = Converteste(fxeRandSet, u"Qty", u"3e9", &intreg);
  EXPECT_EQ(c.Text(), "E4|-2147483648|2147483647;");
  c = Converteste(fxeRandSet, u"Qty", u"1E400");
  EXPECT_EQ(c.Text(), "E4|-1.7E308|1.7E308;");
  c = Converteste(fxeRandSet, u"MaxWeight", u"1E400");
  EXPECT_EQ(c.Text(), "E4|0|1.7E308;");
  c = Converteste(fxeRandSet, u"MaxWeight", u"-1");
  EXPECT_EQ(c.Text(), "E4|0|1.7E308;");
  c = Converteste(fxeRandSet, u"Qty", u"1,5");
  EXPECT_EQ(c.Text(), "E3|12.5, -0.75, 1.5E3;");
  c = Converteste(fxeRandSet, u"Qty", u".5");
  EXPECT_EQ(std::get<double>(c.v), 0.5);
  c = Converteste(fxeRandSet, u"Qty", u"5.");
  EXPECT_EQ(std::get<double>(c.v), 5.0);
}

TEST(Values, Checkboxes) {
  struct Caz {
    const char16_t* coloana;
    const char16_t* valoare;
    bool ok;
    std::string probleme;
  };
  const Caz cazuri[] = {
      {u"InvDraw", u"X", true, ""},        {u"InvDraw", u"x", true, ""},
      {u"InvDraw", u"A", true, "W8;"},     {u"MarkHidden", u"A", true, ""},
      {u"InvDraw", u"N", false, "E8;"},    {u"InvDraw", u"0", false, "E8;"},
      {u"InvDraw", u"-", false, "E8;"},    {u"InvDraw", u"?", false, "E8;"},
      {u"InvDraw", u"Yes", false, "E8;"},  {u"InvDraw", u" ", false, "E8;"},
      {u"InvDraw", u"", true, ""},         {u"InvDraw", u" X ", true, ""},
  };
  for (const auto& k : cazuri) {
    const TFerXmlElement e = std::u16string_view(k.coloana) == u"MarkHidden" ? fxeSet : fxeRandSet;
    const auto c = Converteste(e, k.coloana, k.valoare);
    EXPECT_EQ(c.ok, k.ok) << Utf8DinUtf16(k.valoare);
    EXPECT_EQ(c.Text(), k.probleme) << Utf8DinUtf16(k.valoare);
  }
  auto c = Converteste(fxeArticol, u"FisaMontaj", u"F");  // tolerated: kept, with a warning
  EXPECT_TRUE(c.ok);
  EXPECT_EQ(c.Text(), "W8;");
  EXPECT_EQ(std::get<std::u16string>(c.v), u"F");
  EXPECT_EQ(std::get<std::u16string>(Converteste(fxeRandSet, u"InvDraw", u" X ").v), u"X");
}

TEST(Values, Enumerations) {
  auto c = Converteste(fxeSet, u"Opening", u"ttx");
  EXPECT_EQ(std::get<std::u16string>(c.v), u"OBX");
  EXPECT_EQ(c.Text(), "W12|Opening=\"ttx\"|Opening=\"TTX\";");
  c = Converteste(fxeSet, u"Opening", u"OBD");
  EXPECT_FALSE(c.ok);
  EXPECT_EQ(c.Text(), "E5|TTX, TX, TDown, TUp, TSX, LSX, SX, FS, Gltn, GltnD, Swl, VSwlX, Prll?TTX;");
  c = Converteste(fxeRandSet, u"UseCamLocksDimensions2", u"01");
  EXPECT_EQ(std::get<std::u16string>(c.v), u"1");
  EXPECT_EQ(c.Text(), "W12|UseCamLocksDimensions2=\"01\"|UseCamLocksDimensions2=\"1\";");
  EXPECT_FALSE(Converteste(fxeRandSet, u"UseCamLocksDimensions2", u"3").ok);
  EXPECT_EQ(std::get<std::u16string>(Converteste(fxeRandSet, u"UseCamLocksDimensions2", u"abc").v), u"X");
  c = Converteste(fxeArticol, u"Use", u"window");
  EXPECT_TRUE(c.ok);
  EXPECT_EQ(c.Text(), "W17|Use|window|Window, Door, !GROUP?Window;");
  c = Converteste(fxeRandSet, u"Left-Right", u"Q");
  EXPECT_EQ(c.Text(), "W14|Left-Right|Left-Right=Q;");
  c = Converteste(fxeRandSet, u"Reference", u"echidistant");
  EXPECT_EQ(c.Text(), "E7|echidistant?DimensionPercent;");
  const TDefinitieCamp scurt{u"FU", ftWideString, 3};
  c = Converteste(fxeSet, u"WD", u"Window", &scurt);
  EXPECT_EQ(c.Text(), "E6|9|3;");
  EXPECT_TRUE(EsteNul(Converteste(fxeSet, u"WD", u" ").v));
}

TEST(Values, TextsAndMemos) {
  auto c = Converteste(fxeSet, u"Mark", u"M ");
  EXPECT_TRUE(c.ok);
  EXPECT_EQ(std::get<std::u16string>(c.v), u"M ");
  EXPECT_EQ(c.Text(), "W15|Mark|M ;");
  EXPECT_EQ(Converteste(fxeRandSet, u"Colour", u"a,b").Text(), "E7|\",\";");
  EXPECT_EQ(Converteste(fxeSet, u"Mark", u"a\tb").Text(), "E7|#9;");
  EXPECT_EQ(Converteste(fxeSet, u"Mark", u"ab*").Text(), "E7|\"*\";");
  EXPECT_EQ(std::get<std::u16string>(Converteste(fxeSet, u"Mark", u"").v), u"");  // a key is never null
  EXPECT_TRUE(EsteNul(Converteste(fxeArticol, u"Colour", u"").v));
  EXPECT_TRUE(EsteNul(Converteste(fxeRandSet, u"Colour", u"  ").v));
  const TDefinitieCamp cod{u"Cod_Mag", ftWideString, 3};
  c = Converteste(fxeRandSet, u"Code", u"ABCD'", &cod);
  EXPECT_EQ(c.Text(), "E6|5|3;E7|\"'\";");  // both checks run

  const TDefinitieCamp denumire{u"Denumire", ftWideString, 255};
  c = Converteste(fxeRandSet, u"Description", std::u16string(300, u'd'), &denumire);
  EXPECT_EQ(std::get<std::u16string>(c.v).size(), 255u);
  EXPECT_EQ(c.Text(), "W13|Description|300|255;");

  const TDefinitieCamp memo{u"Functii", ftMemo, 0};
  c = Converteste(fxeRandSet, u"Functions", u"a\nb\u20AC", &memo);
  EXPECT_TRUE(c.ok);
  EXPECT_EQ(std::get<std::u16string>(c.v), u"a\r\nb\u20AC");
  EXPECT_EQ(Converteste(fxeRandSet, u"Functions", u"x\U0001F600", &memo).Text(), "E7|#128512;");
  EXPECT_EQ(Converteste(fxeRandSet, u"Functions", u"\u4E2D", &memo).Text(), "E7|#20013;");
  const TDefinitieCamp memoLat{u"Functii", ftWideMemo, 0};
  EXPECT_TRUE(Converteste(fxeRandSet, u"Functions", u"x\U0001F600", &memoLat).ok);

  EXPECT_TRUE(Converteste(fxeRandSet, u"ChildParentsIDs", u"1, 2 ,3").ok);
  for (const char16_t* rau : {u"1,,2", u"0", u"1,", u"01", u"1;2"})
    EXPECT_EQ(Converteste(fxeRandSet, u"ChildParentsIDs", rau).Text(), "E5|1,2,...;") << Utf8DinUtf16(rau);
}

TEST(Values, ClientColumns) {
  TFerXmlProbleme probleme;
  TFerXmlValori valori(probleme);
  const TFerXmlProblema model = ModelProblema(1, u"", u"");
  TValoareCamp v;
  const TDefinitieCamp logic{u"Activ", ftBoolean, 0}, data{u"Cand", ftDateTime, 0}, text{u"T", ftWideString, 2},
      cuvant{u"W", ftWord, 0}, blob{u"B", ftBlob, 0};
  EXPECT_TRUE(valori.ConvertesteClient(logic, u"Activ", v, model, u" true "));
  EXPECT_TRUE(std::get<bool>(v));
  EXPECT_FALSE(valori.ConvertesteClient(logic, u"Activ", v, model, u"yes"));
  EXPECT_TRUE(valori.ConvertesteClient(data, u"Cand", v, model, u"2026-12-11"));
  EXPECT_FALSE(valori.ConvertesteClient(data, u"Cand", v, model, u"11.12.2026"));
  EXPECT_FALSE(valori.ConvertesteClient(text, u"T", v, model, u"abc"));
  EXPECT_FALSE(valori.ConvertesteClient(cuvant, u"W", v, model, u"-1"));
  EXPECT_FALSE(CampScriibil(blob));
  valori.ClientNeschimbabil(blob, u"B", model, u"x");
  ASSERT_EQ(probleme.Count(), 5);
  EXPECT_EQ(probleme[0].Parametri, std::vector<std::u16string>{u"True, False"});
  EXPECT_EQ(probleme[1].Parametri, std::vector<std::u16string>{u"yyyy-mm-ddThh:nn:ss"});
  EXPECT_EQ(probleme[2].Mesaj, fxmMotivLungime);
  EXPECT_EQ(probleme[3].Parametri, (std::vector<std::u16string>{u"0", u"65535"}));
  EXPECT_EQ(probleme[4].Parametri, (std::vector<std::u16string>{u"B", u"B: Blob"}));
}

TEST(Values, Helpers) {
  EXPECT_EQ(CaracterAfisat(u','), u"\",\"");
  EXPECT_EQ(CaracterAfisat(9), u"#9");
  EXPECT_EQ(CaracterAfisat(0x219), u"#537");
  EXPECT_EQ(TextComparabil(u"a\r\nb\rc\td", 0), u"a\nb\nc d");
  EXPECT_EQ(TextComparabil(u"abcdef", 3), u"abc");
  EXPECT_EQ(CopieFaraSurogat(u"ab\U0001F600c", 3), u"ab");
  EXPECT_EQ(CopieFaraSurogat(u"ab\U0001F600", 4), u"ab\U0001F600");
  EXPECT_EQ(ListaIntregi(u" 1, x,-2 ,, 3000000000,7"), (std::vector<std::int32_t>{1, -2, 7}));
  const TFerXmlColoana* opening = ColoanaDupaXml(fxeSet, u"Opening");
  EXPECT_EQ(ValoareStocataAfisata(std::u16string(u"OBX"), opening), u"TTX");
  EXPECT_EQ(ValoareStocataAfisata(2.50, nullptr), u"2.5");
  EXPECT_EQ(ValoareStocataAfisata(TValoareCamp(), nullptr), u"");

  const TFerXmlColoana* invDraw = ColoanaDupaXml(fxeRandSet, u"InvDraw");
  const TDefinitieCamp bifa{u"DesenInvers", ftString, 1}, real{u"Cant", ftFloat, 0}, sir{u"S", ftWideString, 3};
  EXPECT_EQ(TextCanonic(bifa, invDraw, true, std::u16string(u"A")), u"X");
  EXPECT_EQ(TextCanonic(bifa, invDraw, false, std::u16string(u"A")), u"A");
  EXPECT_EQ(TextCanonic(real, nullptr, false, 1.0), u"1");
  EXPECT_EQ(TextCanonic(sir, nullptr, false, std::u16string(u"a\r\nbcd")), u"a\nb");

  TTabelMemorie t;
  t.AdaugaCamp(u"I", ftInteger);
  t.AdaugaCamp(u"R", ftFloat);
  t.AdaugaCamp(u"S", ftWideString, 10);
  t.Append();
  ScrieCamp(t, 0, 2.6);
  ScrieCamp(t, 1, std::int64_t{4});
  ScrieCamp(t, 2, std::int64_t{5});
  t.Post();
  EXPECT_EQ(std::get<std::int64_t>(CitesteCamp(t, 0)), 3);
  EXPECT_EQ(std::get<double>(CitesteCamp(t, 1)), 4.0);
  EXPECT_EQ(std::get<std::u16string>(CitesteCamp(t, 2)), u"5");
}

}  // namespace
}  // namespace kavelo
