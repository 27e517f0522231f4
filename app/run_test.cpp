#include "app/run.h"

#include <gtest/gtest.h>

#include <sstream>

#include "app/version.h"
#include "platform/saved_table.h"
#include "platform/utf.h"

namespace kavelo {
namespace {

struct Iesire {
  Iesire() : stream(new MemoryOutputStream()), canal(stream, false, true) {}
  std::string Text() {
    canal.Goleste();
    return stream->Data();
  }
  MemoryOutputStream* stream;
  TXmlCheckIesireUtf8 canal;
};

struct Rulare {
  int cod;
  std::string out, err;
};

Rulare Ruleaza(std::vector<std::u16string> args, const TSursaEngleza& sursa) {
  Iesire out, err;
  Rulare r;
  r.cod = kavelo::Ruleaza(args, static_cast<int>(args.size()) - 1, sursa, &out.canal, &err.canal);
  r.out = out.Text();
  r.err = err.Text();
  return r;
}

// A provider of the embedded table with rows changed by f.
TSursaEngleza SursaModificata(std::function<void(TabelSalvat&)> f) {
  return [f]() -> std::unique_ptr<std::istream> {
    auto stream = SursaEngleza();
    TabelSalvat t = CitesteTabelSalvat(*stream);
    f(t);
    return std::make_unique<std::istringstream>(ScrieTabelSalvat(t));
  };
}

const std::string kV = Utf8DinUtf16(LinieVersiune());

TEST(Run, SelfTestFailsOnADamagedTable) {
  const auto sursa = SursaModificata([](TabelSalvat& t) {
    std::erase_if(t.Randuri, [](const auto& r) { return r[0] == u"rsImpXmlLipseste"; });
    for (auto& r : t.Randuri)
      if (r[0] == u"rsArticolDublu") r[1] = u" \t";
  });
  const Rulare r = Ruleaza({u"--self-test"}, sursa);
  EXPECT_EQ(r.cod, 1);
  EXPECT_EQ(r.out, kV + "\r\nself-test: FAILED, messages without an English text:\r\n- rsArticolDublu\r\n"
                        "- rsImpXmlLipseste\r\n");
  EXPECT_EQ(r.err, "");
}

TEST(Run, MissingOrUnreadableEnglishTableIsAnInternalError) {
  for (const TSursaEngleza& sursa : {TSursaEngleza(), TSursaEngleza([] { return std::unique_ptr<std::istream>(); })}) {
    for (const auto& args : {std::vector<std::u16string>{u"--self-test"},
                             std::vector<std::u16string>{u"hardware-articles", u"a.xml"}}) {
      const Rulare r = Ruleaza(args, sursa);
      EXPECT_EQ(r.cod, 2);
      EXPECT_EQ(r.err, kV + "\r\ninternal error: the English messages are not available\r\n");
    }
  }
  const Rulare r = Ruleaza({u"--self-test"},
                           [] { return std::make_unique<std::istringstream>("KVTABLE 1\nROW\n"); });
  EXPECT_EQ(r.cod, 2);
  EXPECT_EQ(r.out, kV + "\r\n");
  EXPECT_EQ(r.err, kV + "\r\ninternal error: the saved table is damaged: line 2: the end is missing\r\n");
}

TEST(Run, RomanianCheckNeverOpensTheEnglishTable) {
  int apeluri = 0;
  const TSursaEngleza sursa = [&apeluri] {
    ++apeluri;
    return SursaEngleza();
  };
  Ruleaza({u"--lang", u"ro", u"hardware-sets", u"x.xml"}, sursa);
  EXPECT_EQ(apeluri, 0);
  Ruleaza({u"hardware-sets", u"x.xml"}, sursa);
  EXPECT_EQ(apeluri, 1);
}

}  // namespace
}  // namespace kavelo
