#include "app/command_line.h"

#include <gtest/gtest.h>

#include "platform/utf.h"

namespace kavelo {
namespace {

struct Rezultat {
  bool ok;
  TXmlCheckOptiuni o;
  std::u16string mesaj;
};

Rezultat Parseaza(std::vector<std::u16string> args) {
  Rezultat r;
  r.ok = CitesteOptiuni(args, static_cast<int>(args.size()) - 1, r.o, r.mesaj);
  return r;
}

TEST(CommandLine, Failures) {
  struct Caz {
    std::vector<std::u16string> args;
    std::u16string mesaj;
  };
  const Caz cazuri[] = {
      {{}, u"no arguments"},
      {{u"hardware-sets", u"a.xml", u"--report=a.XML"},
       u"--report \"a.XML\" is a file being checked: give another file for the report"},
      {{u"hardware-sets", u"a.xml", u"--report=r.Xml"},
       u"--report \"r.Xml\" is an .xml file: give the report another name (.txt, .json)"},
      {{u"hardware-sets", u"dir/a.xml", u"--report", u"./dir/x/../A.xml"},
       u"--report \"./dir/x/../A.xml\" is a file being checked: give another file for the report"},
      {{u"hardware-sets", u"a.xml", u"--articles", u"b.xml", u"--report=B.XML"},
       u"--report \"B.XML\" is a file being checked: give another file for the report"},
      {{u"a.xml", u"hardware-sets"}, u"the type comes first: KaveloXmlCheck hardware-sets \"a.xml\""},
      {{u"a.xml"},
       u"the type is missing before the file: KaveloXmlCheck hardware-sets \"a.xml\" or KaveloXmlCheck "
       u"hardware-articles \"a.xml\""},
      {{u"a.txt"}, u"unknown type \"a.txt\": use hardware-sets or hardware-articles"},
      {{u"--quiet", u"--QUIET"}, u"option --quiet is given twice"},
      {{u"hardware-sets", u"a.xml", u"--lang"}, u"option --lang needs a value"},
      {{u"hardware-sets", u"a.xml", u"--lang="}, u"option --lang needs a value"},
      {{u"hardware-sets", u"a.xml", u"--report", u""}, u"option --report needs a value"},
      {{u"--Quiet=yes"}, u"option --quiet takes no value"},
      {{u"--version", u"x", u"y", u"z"}, u"unexpected argument \"z\": give one file to check"},
      {{u"-x"}, u"unknown option -x"},
      {{u"--"}, u"unknown option --"},
      {{u"--help=x", u"a"}, u"unknown option --help=x"},
      {{u"--Verbose=1"}, u"unknown option --Verbose=1"},
      {{u"hardware-sets", u"a.xml", u"--lang", u"de"}, u"unknown language \"de\" for --lang: use en or ro"},
      {{u"hardware-sets", u"a.xml", u"--format=xml"}, u"unknown format \"xml\" for --format: use text or json"},
      {{u"hardware-articles", u"a.xml", u"--articles", u"b.xml"},
       u"--articles is only for hardware-sets: the articles file the sets refer to"},
      {{u"--quiet"}, u"the type is missing: hardware-sets or hardware-articles"},
      {{u"hardware-sets"}, u"the file to check is missing"},
      {{u"-"}, u"unknown type \"-\": use hardware-sets or hardware-articles"},
  };
  for (const auto& c : cazuri) {
    const Rezultat r = Parseaza(c.args);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(Utf8DinUtf16(r.mesaj), Utf8DinUtf16(c.mesaj));
  }
}

TEST(CommandLine, AcceptedForms) {
  Rezultat r = Parseaza({u"HARDWARE-SETS", u"a.xml", u"--Lang=RO", u"--format", u"JSON", u"--articles=b.xml",
                         u"--report", u"--quiet"});
  ASSERT_TRUE(r.ok) << Utf8DinUtf16(r.mesaj);
  EXPECT_EQ(r.o.Tip, xctSeturiFeronerie);
  EXPECT_EQ(r.o.Fisier, u"a.xml");
  EXPECT_EQ(r.o.FisierArticole, u"b.xml");
  EXPECT_EQ(r.o.Limba, xclRomana);
  EXPECT_EQ(r.o.Format, xcfJson);
  EXPECT_EQ(r.o.FisierRaport, u"--quiet");  // an option's value is taken whatever it looks like
  EXPECT_FALSE(r.o.swLiniste);

  r = Parseaza({u"feronerie-articole", u"-"});
  ASSERT_TRUE(r.ok);
  EXPECT_EQ(r.o.Tip, xctArticoleFeronerie);
  EXPECT_EQ(r.o.Fisier, u"-");

  r = Parseaza({u"--version"});
  EXPECT_TRUE(r.ok && r.o.swVersiune);
  r = Parseaza({u"--self-test"});
  EXPECT_TRUE(r.ok && r.o.swAutoTest);
}

TEST(CommandLine, HelpWinsOverEverything) {
  for (const auto& args : std::vector<std::vector<std::u16string>>{
           {u"hardware-sets", u"x.xml", u"-h"},
           {u"--bogus", u"/?"},
           {u"hardware-sets", u"a.xml", u"--report", u"--HELP"},
           {u"a", u"b", u"c", u"--help"}}) {
    const Rezultat r = Parseaza(args);
    EXPECT_TRUE(r.ok);
    EXPECT_TRUE(r.o.swAjutor);
    EXPECT_EQ(r.o.Tip, xctNiciunul);
  }
}

}  // namespace
}  // namespace kavelo
