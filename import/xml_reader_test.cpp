#include "import/xml_reader.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/exception.h"
#include "platform/utf.h"

namespace kavelo {
namespace {

// What the callback saw: one line per call, with positions, attributes,
// text presence and sample, and the children's names.
struct Citire {
  bool ok = false;
  TFerXmlProblema problema;
  std::vector<std::string> apeluri;
  std::string Mesaj() const { return problema.Parametri.empty() ? "" : Utf8DinUtf16(problema.Parametri[0]); }
};

std::string Descrie(const TFerXmlNod& n) {
  std::string s = Utf8DinUtf16(n.Nume) + " " + std::to_string(n.Linie) + ":" + std::to_string(n.Coloana);
  for (const auto& [a, v] : n.Atribute) s += " " + Utf8DinUtf16(a) + "=" + Utf8DinUtf16(v);
  if (n.swText) s += " text[" + Utf8DinUtf16(n.Text) + "]";
  for (const auto& c : n.Copii) s += " {" + Descrie(*c) + "}";
  return s;
}

Citire Citeste(std::string xml, std::function<void(TFerXmlNod&, std::int32_t)> extra = nullptr) {
  MemoryInputStream in(std::move(xml));
  Citire c;
  c.ok = CitesteXml(
      in,
      [&](TFerXmlNod& nod, std::int32_t ordin) {
        c.apeluri.push_back(std::to_string(ordin) + " " + Descrie(nod));
        if (extra) extra(nod, ordin);
      },
      c.problema);
  return c;
}

TEST(XmlReader, CallsForRootUnitsAndEnd) {
  const Citire c = Citeste(
      "<?xml version=\"1.0\"?>\n"
      "<Base xmlns=\"urn:x\" xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
      "xsi:noNamespaceSchemaLocation=\"a.xsd\" xmlns:a=\"urn:a\" a:b=\"1\" FormatVersion=\"2\">\n"
      "  <Set Mark=\"M &amp; N\"><SetRecord Code=\"C1\"><CamLocks/></SetRecord></Set>\n"
      "\t<Foo/>\n"
      "  <Set/>\n"
      "</Base>\n");
  ASSERT_TRUE(c.ok) << c.Mesaj();
  EXPECT_EQ(c.apeluri, (std::vector<std::string>{
                           "0 Base 2:1 a:b=1 FormatVersion=2",
                           "1 Set 3:3 Mark=M & N {SetRecord 3:25 Code=C1 {CamLocks 3:46}}",
                           "2 Foo 4:2",
                           "3 Set 5:3",
                           "-1 Base 6:1",
                       }));
  EXPECT_EQ(c.problema.Parametri.size(), 0u);
}

TEST(XmlReader, TextSamples) {
  const std::string lung(500, 'a');
  const std::string cdata(150, 'c');
  const Citire c = Citeste("<Base>\n    root text &amp; more\n<A>   </A><B>x</B><C><![CDATA[]]></C><D>" + lung +
                           "</D><E><![CDATA[" + cdata + "]]><![CDATA[" + cdata + "]]></E>"
                           "<F>one<!-- split -->two</F><G>\xC8\x99\xF0\x9F\x98\x80</G></Base>");
  ASSERT_TRUE(c.ok) << c.Mesaj();
  ASSERT_EQ(c.apeluri.size(), 9u);
  EXPECT_EQ(c.apeluri[1], "1 A 3:1");
  EXPECT_EQ(c.apeluri[2], "2 B 3:11 text[x]");
  EXPECT_EQ(c.apeluri[3], "3 C 3:19 text[]");
  EXPECT_EQ(c.apeluri[4], "4 D 3:38 text[" + lung.substr(0, 200) + "]");
  // A second CDATA section adds nothing once the first has given a sample.
  EXPECT_EQ(c.apeluri[5], "5 E 3:545 text[" + cdata + "]");
  EXPECT_EQ(c.apeluri[6], "6 F 3:876 text[one]");
  EXPECT_EQ(c.apeluri[7], "7 G 3:903 text[\xC8\x99\xF0\x9F\x98\x80]");
  // The root's text: positioned at its first non-blank character, sampled whole.
  EXPECT_EQ(c.apeluri[8], "-1 Base 2:5 text[\n    root text & more\n]");
}

TEST(XmlReader, NestingLimitAndDoctype) {
  std::string adanc;
  for (int i = 0; i < 32; ++i) adanc += "<e>";
  for (int i = 0; i < 32; ++i) adanc += "</e>";
  EXPECT_TRUE(Citeste(adanc).ok);
  const Citire prea = Citeste("<e>" + adanc + "</e>");
  EXPECT_FALSE(prea.ok);
  EXPECT_EQ(prea.Mesaj(), "the elements are nested deeper than 32 levels");
  EXPECT_EQ(prea.problema.Coloana, 97);
  EXPECT_EQ(prea.apeluri.size(), 1u);  // the root only: the unit never closed

  const Citire dtd = Citeste("<?xml version=\"1.0\"?>\n<!DOCTYPE Base [<!ENTITY x \"y\">]><Base>&x;</Base>");
  EXPECT_FALSE(dtd.ok);
  EXPECT_TRUE(dtd.apeluri.empty());
  EXPECT_EQ(dtd.problema.Severitate, fxvFatal);
  EXPECT_EQ(dtd.problema.Mesaj, fxmFisierIncompatibil);
  EXPECT_EQ(dtd.problema.Linie, 2);
  EXPECT_EQ(dtd.problema.Coloana, 16);  // where the parser has read the declaration's name
}

TEST(XmlReader, XmlErrorsAreFatalProblems) {
  struct Caz {
    std::string xml;
    std::string mesaj;
    int linie, coloana;
  };
  const Caz cazuri[] = {
      {"", "no element found", 1, 1},
      {"  \n\t ", "no element found", 2, 3},
      {"<Base><Set></Base>", "mismatched tag", 1, 14},
      {"<Base><Set a=\"1\"", "unclosed token", 1, 7},
      {std::string("<Base>\n<Set/>\0</Base>", 21), "not well-formed (invalid token)", 2, 7},
      {"<Base></Base><Base/>", "junk after document element", 1, 14},
      {"<Base>\n  <Set Mark=\"Fl\xE2r\"/></Base>", "invalid character for the encoding UTF-8 (byte 0xE2)", 2, 16},
      {"<?xml version=\"1.0\" encoding=\"KOI8-R\"?><Base/>", "the encoding \"KOI8-R\" is not supported", 1, 31},
      {"<?xml version=\"1.0\" encoding=\"windows-1252\"?><Base a=\"\x81\"/>",
       "invalid character for the encoding windows-1252 (byte 0x81)", 1, 55},
      {"<Base><p:Set/></Base>", "unbound prefix", 1, 7},
  };
  for (const auto& c : cazuri) {
    const Citire r = Citeste(c.xml);
    EXPECT_FALSE(r.ok) << c.xml;
    EXPECT_EQ(r.Mesaj(), c.mesaj) << c.xml;
    EXPECT_EQ(r.problema.Linie, c.linie) << c.xml;
    EXPECT_EQ(r.problema.Coloana, c.coloana) << c.xml;
  }
}

TEST(XmlReader, Encodings) {
  const std::string utf16le("\xFF\xFE<\0B\0 \0a\0=\0\"\0\x19\x02\"\0/\0>\0", 22);
  EXPECT_EQ(Citeste(utf16le).apeluri[0], "0 B 1:1 a=\xC8\x99");
  EXPECT_EQ(Citeste("\xEF\xBB\xBF<B a=\"\xC8\x99\"/>").apeluri[0], "0 B 1:1 a=\xC8\x99");
  EXPECT_EQ(Citeste("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><B a=\"\xE9\"/>").apeluri[0], "0 B 1:44 a=\xC3\xA9");
  EXPECT_EQ(Citeste("<?xml version=\"1.0\" encoding=\"Windows-1250\"?><B a=\"\xBA\x9A\"/>").apeluri[0],
            "0 B 1:46 a=\xC5\x9F\xC5\xA1");
  EXPECT_EQ(Citeste("<?xml version=\"1.0\" encoding=\"iso-8859-2\"?><B a=\"\xBA\"/>").apeluri[0],
            "0 B 1:44 a=\xC5\x9F");
  // Columns count characters, not bytes: a supplementary character is one.
  EXPECT_EQ(Citeste("<R><A a=\"\xC8\x99\xF0\x9F\x98\x80\"/><B/></R>").apeluri[2], "2 B 1:15");
}

TEST(XmlReader, StopsAndExceptionsFromCallbacks) {
  const std::string xml = "<Base><Set/><Set/></Base>";
  Citire c = Citeste(xml, [](TFerXmlNod&, std::int32_t ordin) {
    if (ordin == 0) throw EFerXmlOprire();
  });
  EXPECT_TRUE(c.ok);
  EXPECT_EQ(c.apeluri.size(), 1u);

  c = Citeste(xml, [](TFerXmlNod&, std::int32_t ordin) {
    if (ordin == 1) throw EFerXmlOprire();
  });
  EXPECT_TRUE(c.ok);
  EXPECT_EQ(c.apeluri.size(), 2u);

  // A stop wins over a later XML error: the parse ends before it.
  c = Citeste("<Base><Set/><Set></Base>", [](TFerXmlNod&, std::int32_t ordin) {
    if (ordin == 1) throw EFerXmlOprire();
  });
  EXPECT_TRUE(c.ok);

  int apeluri = 0;
  MemoryInputStream in(xml);
  TFerXmlProblema p;
  EXPECT_THROW(CitesteXml(
                   in,
                   [&](TFerXmlNod&, std::int32_t ordin) {
                     ++apeluri;
                     if (ordin == 1) throw std::runtime_error("boom");
                   },
                   p),
               std::runtime_error);
  EXPECT_EQ(apeluri, 2);
}

class StreamDefect : public InputStream {
 public:
  size_t Read(char*, size_t) override { throw Exceptie(u"Input/output error"); }
  void Rewind() override {}
  std::uint64_t Pozitie() const override { return 0; }
  std::uint64_t Marime() const override { return 0; }
};

TEST(XmlReader, ReadFailureIsAFatalProblemWithoutPosition) {
  StreamDefect in;
  TFerXmlProblema p;
  EXPECT_FALSE(CitesteXml(in, nullptr, p));
  EXPECT_EQ(p.Parametri, std::vector<std::u16string>{u"Input/output error"});
  EXPECT_EQ(p.Linie, 0);
}

TEST(XmlReader, ReadsTheStreamFromItsStart) {
  MemoryInputStream in("<Base/>");
  char b[3];
  in.Read(b, 3);
  TFerXmlProblema p;
  int apeluri = 0;
  EXPECT_TRUE(CitesteXml(in, [&](TFerXmlNod&, std::int32_t) { ++apeluri; }, p));
  EXPECT_EQ(apeluri, 2);
}

}  // namespace
}  // namespace kavelo
