#include "check/message_texts.h"

#include <gtest/gtest.h>

#include "check/english_messages.h"
#include "platform/utf.h"

namespace kavelo {
namespace {

class MessageTexts : public ::testing::Test {
 protected:
  MessageTexts() {
    auto s = SursaEngleza();
    en = StringuriEngleza(*s);
    InlocuiesteMesaje(*en, xclEngleza);
    InlocuiesteMesaje(ro, xclRomana);
  }
  static TFerXmlProblema P(TFerXmlSeveritate s, TFerXmlMesaj m, std::u16string atribut, std::u16string valoare,
                           std::vector<std::u16string> parametri, std::u16string sugestie = u"") {
    TFerXmlProblema p = ModelProblema(1, u"Record 1 (1:1) [Code=\"A\"]", u"");
    p.Severitate = s;
    p.Mesaj = m;
    p.Atribut = std::move(atribut);
    p.Valoare = std::move(valoare);
    p.Parametri = std::move(parametri);
    p.Sugestie = std::move(sugestie);
    return p;
  }
  std::unique_ptr<TKVTrsStringsV2> en;
  TKVTrsStringsV2 ro;
};

TEST_F(MessageTexts, RewordsForTheWriterOfAFile) {
  const TXmlCheckTexte seturi(*en, xclEngleza, xctSeturiFeronerie, u"dir/a.xml");
  TXmlCheckTexte articole(*en, xclEngleza, xctArticoleFeronerie, u"");
  struct Caz {
    const TXmlCheckTexte* texte;
    TFerXmlProblema p;
    std::string text;
  };
  const Caz cazuri[] = {
      {&seturi, P(fxvEroare, fxmMotivLungime, u"Opening", u"TTXX", {u"4", u"5"}),
       "Opening=\"TTXX\": the accepted values are: TTX, TX, TDown, TUp, TSX, LSX, SX, FS, Gltn, GltnD, Swl, VSwlX, "
       "Prll. Did you mean \"TTX\"?"},
      {&seturi, P(fxvEroare, fxmMotivLungime, u"Mark", u"x", {u"40", u"30"}),
       "Mark=\"x\": it has 40 characters and the format allows at most 30"},
      {&articole, P(fxvEroare, fxmAtributNecunoscut, u"Foo", u"1", {u"Foo"}),
       "Foo=\"1\": attribute Foo is not part of the format"},
      {&articole, P(fxvEroare, fxmMotivBifa, u"DrawingType1", u"N", {}),
       "DrawingType1=\"N\": only X (yes) or an empty value (no) is accepted"},
      {&articole, P(fxvAvertizare, fxmMotivBifa, u"DrawingType1", u"A", {}),
       "DrawingType1=\"A\": Kavelo reads any non-empty value as YES: write X for yes or leave it empty for no"},
      {&articole, P(fxvEroare, fxmApareDeMaiMulteOri, u"KgPerMP", u"20", {u"2"}),
       "KgPerMP=\"20\": appears 2 times in this weight chart"},
      {&articole, P(fxvEroare, fxmApareDeMaiMulteOri, u"Colour", u"R", {u"2"}),
       "Colour=\"R\": is given 2 times on this element"},
      {&articole, P(fxvEroare, fxmApareDeMaiMulteOri, u"Code", u"A", {u"2"}), "Code=\"A\": appears 2 times in the file"},
      {&seturi, P(fxvAvertizare, fxmArticolInexistent, u"Code", u"Q", {u"Q"}),
       "The hardware article with the code 'Q' is not in the articles file a.xml"},
      {&articole, P(fxvAvertizare, fxmNuExistaIn, u"Use", u"Windows", {u"Use", u"Windows", u"Window, Door, !GROUP"}),
       "Use=\"Windows\": the accepted values are: Window, Door, !GROUP; Kavelo keeps another value as written, but "
       "the format does not allow it"},
      {&seturi, P(fxvAvertizare, fxmFaraEfect, u"Left-Right", u"Q", {u"Left-Right", u"Left-Right=Q"}),
       "Left-Right=\"Q\": the accepted values are: L, R; Kavelo keeps this old value but never reads it"},
      {&seturi, P(fxvAvertizare, fxmFaraEfect, u"MinX", u"5", {u"MinX", u"MinX=5; MaxX="}),
       "MinX has no effect in Kavelo (MinX=5; MaxX=) - the row applies only to sizes between its limits: a minimum "
       "greater than 0 without a maximum, or a minimum above the maximum, leaves no size"},
      {&seturi, P(fxvAvertizare, fxmFaraEfect, u"MaxExtensionsLength", u"5", {u"MaxExtensionsLength", u"x"}),
       "MaxExtensionsLength has no effect in Kavelo (x) - MaxExtensionsLength is read only with "
       "EspagnoleteExtensions"},
      {&seturi, P(fxvAvertizare, fxmFaraEfect, u"Side", u"", {u"Side", u"Side=Handle; Reference="}),
       "Side has no effect in Kavelo (Side=Handle; Reference=) - the row (or its article) gives a Side but no "
       "Reference, so Kavelo never positions the article: give the row a Reference"},
      {&articole, P(fxvAvertizare, fxmCotaBlocatorNuENumar, u"CamLockDimensions1", u"12,5", {u"2", u"B"}),
       "CamLockDimensions1=\"12,5\": The cam lock dimension 2 at the piece B is not a number"},
  };
  for (const auto& c : cazuri) EXPECT_EQ(Utf8DinUtf16(c.texte->Text(c.p)), c.text);

  const TFerXmlProblema membru = P(fxvAvertizare, fxmArticolInexistent, u"Functions", u"A\"1", {u"A\"1"});
  EXPECT_EQ(Utf8DinUtf16(articole.Mesaj(membru)),
            "The hardware article with the code 'A\"1' is not in this file: it must already exist in the customer's "
            "database");
  articole.AdaugaCodRefuzat(u"Record 3 (4:5) [Code=\"A\\\"1\"]");
  EXPECT_EQ(Utf8DinUtf16(articole.Mesaj(membru)),
            "The hardware article with the code 'A\"1' is a record of this file that is refused (see above)");
}

TEST_F(MessageTexts, RomanianHasNoExplanations) {
  const TXmlCheckTexte texte(ro, xclRomana, xctArticoleFeronerie, u"");
  const TFerXmlProblema p = P(fxvAvertizare, fxmFaraEfect, u"OldCode", u"A", {u"OldCode", u"OldCode=A; Code=\"A\""});
  EXPECT_EQ(Utf8DinUtf16(texte.Text(p)), "OldCode nu are niciun efect în Kavelo (OldCode=A; Code=\"A\")");
  EXPECT_EQ(Utf8DinUtf16(texte.Text(P(fxvEroare, fxmAtributNecunoscut, u"Foo", u"", {u"Foo"}))),
            "Foo=\"\": atributul Foo nu face parte din format");
}

TEST_F(MessageTexts, CodesFromLabels) {
  EXPECT_EQ(CodDinEticheta(u"Record 07 (15:3) [Code=\"A-1\"]"), u"A-1");
  EXPECT_EQ(CodDinEticheta(u"Record 07 (15:3) [Code=\"a\\\"]b\"]"), u"a\\\"]b");
  EXPECT_EQ(CodDinEticheta(u"Record 07 (15:3) <Foo>"), u"");
  EXPECT_EQ(CodDinEticheta(u"Set 1 (1:1) [A|B|C|D]"), u"");
}

}  // namespace
}  // namespace kavelo
