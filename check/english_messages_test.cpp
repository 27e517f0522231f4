#include "check/english_messages.h"

#include <gtest/gtest.h>

#include <sstream>

#include "platform/exception.h"
#include "platform/saved_table.h"

namespace kavelo {
namespace {

// The embedded table with one message's row changed (or removed with nullopt).
std::string TabelModificat(const std::u16string& nume, std::optional<std::u16string> text) {
  auto stream = SursaEngleza();
  TabelSalvat t = CitesteTabelSalvat(*stream);
  std::erase_if(t.Randuri, [&](const auto& rand) { return rand[0] == nume && !text; });
  for (auto& rand : t.Randuri)
    if (rand[0] == nume) rand[1] = text;
  return ScrieTabelSalvat(t);
}

TEST(EnglishMessages, EmbeddedTableIsComplete) {
  auto stream = SursaEngleza();
  EXPECT_TRUE(AutoTest(*stream).empty());
}

TEST(EnglishMessages, TranslatesEveryMessage) {
  auto stream = SursaEngleza();
  const auto s = StringuriEngleza(*stream);
  EXPECT_EQ(s->rsImpXmlLipseste, u"%s is missing");
  EXPECT_EQ(s->rsFisierIncompatibil, u"Unknown file or incompatible version !");
  // The Romanian text's leading space is kept before the English one's own.
  EXPECT_EQ(s->rsImpXmlPoateX, u"  Did you mean \"%s\"?");
  for (const auto& c : TKVTrsStringsV2::kCampuri) EXPECT_NE((*s).*c.Text, c.Romana);
}

TEST(EnglishMessages, SelfTestListsMissingAndBlankTexts) {
  std::istringstream lipsa(TabelModificat(u"rsImpXmlLipseste", std::nullopt));
  EXPECT_EQ(AutoTest(lipsa), std::vector<std::u16string>{u"rsImpXmlLipseste"});

  // A text of spaces only: missing for the self-test, but used by a check.
  std::istringstream blanc(TabelModificat(u"rsArticolDublu", u"   "));
  EXPECT_EQ(AutoTest(blanc), std::vector<std::u16string>{u"rsArticolDublu"});
  std::istringstream blanc2(TabelModificat(u"rsArticolDublu", u"   "));
  EXPECT_EQ(StringuriEngleza(blanc2)->rsArticolDublu, u"   ");

  // An empty text is not a translation: the Romanian text stays.
  std::istringstream gol(TabelModificat(u"rsImpXmlLipseste", u""));
  EXPECT_EQ(StringuriEngleza(gol)->rsImpXmlLipseste, u"%s lipsește");
}

TEST(EnglishMessages, TableWithoutMessagesOrFields) {
  std::istringstream fara("KVTABLE 1\nFIELD\tVarName\tWideString\t64\nFIELD\tText\tWideMemo\t0\nEND\t0\n");
  EXPECT_EQ(AutoTest(fara).size(), 30u);
  std::istringstream faraCamp("KVTABLE 1\nFIELD\tName\tWideString\t64\nEND\t0\n");
  EXPECT_THROW(AutoTest(faraCamp), Exceptie);
}

TEST(EnglishMessages, TranslateKeepsBlanksAsSpaces) {
  std::istringstream in("KVTABLE 1\nFIELD\tVarName\tWideString\t64\nFIELD\tText\tWideMemo\t0\n"
                        "ROW\tx\tEnglish\nEND\t1\n");
  const auto t = TFerXmlTraducatorVar::CreateDinStream(in);
  std::u16string text = u"\t\nRomână \r";
  EXPECT_TRUE(t->Traduce(u"x", text, false, u"", false));
  EXPECT_EQ(text, u"  English  ");
  text = u"  ";
  EXPECT_TRUE(t->Traduce(u"x", text, false, u"", false));
  EXPECT_EQ(text, u"  English");
  EXPECT_FALSE(t->Traduce(u"X", text, false, u"", false));  // names are exact
}

TEST(EnglishMessages, CollectsTheImportsNames) {
  TXmlCheckNumeMesaje nume;
  std::u16string text;
  for (const char16_t* n : {u"rsImpXmlA", u"rsimpxmlB", u"RSARTICOLDUBLU", u"rsAltceva"})
    EXPECT_FALSE(nume.Colecteaza(n, text, false, u"", false));
  EXPECT_EQ(nume.Nume, (std::vector<std::u16string>{u"rsImpXmlA", u"RSARTICOLDUBLU"}));
}

}  // namespace
}  // namespace kavelo
