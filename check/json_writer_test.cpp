#include "check/json_writer.h"

#include <gtest/gtest.h>

#include "app/version.h"

namespace kavelo {
namespace {

std::string Scrie(const std::function<void(TXmlCheckJson&)>& f) {
  auto* stream = new MemoryOutputStream();
  TXmlCheckIesireUtf8 canal(stream, false, true);
  TXmlCheckJson json(&canal);
  f(json);
  canal.Goleste();
  return stream->Data();
}

TEST(JsonWriter, LayoutAndEscapes) {
  const std::string text = Scrie([](TXmlCheckJson& j) {
    j.IncepeObiect(u"");
    j.Text(u"value", u"a\tb\"c\\\u00e4\u0001\b\f\r\n");
    j.NumarSauNul(u"line", 15, true);
    j.NumarSauNul(u"column", 0, false);
    j.Logic(u"ok", false);
    j.IncepeLista(u"problems");
    j.TerminaLista();
    j.IncepeLista(u"details");
    j.Text(u"", u"x");
    j.IncepeObiect(u"");
    j.TerminaObiect();
    j.TerminaLista();
    j.TerminaObiect();
    j.Termina();
  });
  EXPECT_EQ(text,
            "{\r\n"
            "  \"value\": \"a\\tb\\\"c\\\\\xC3\xA4\\u0001\\b\\f\\r\\n\",\r\n"
            "  \"line\": 15,\r\n"
            "  \"column\": null,\r\n"
            "  \"ok\": false,\r\n"
            "  \"problems\": [],\r\n"
            "  \"details\": [\r\n"
            "    \"x\",\r\n"
            "    {}\r\n"
            "  ]\r\n"
            "}\r\n");
}

TEST(JsonWriter, VersionObject) {
  const std::u16string salvat = IdBuild;
  IdBuild = u"dev+4849bb2a";
  auto* stream = new MemoryOutputStream();
  TXmlCheckIesireUtf8 canal(stream, false, true);
  ScrieVersiuneJson(&canal);
  canal.Goleste();
  IdBuild = salvat;
  EXPECT_EQ(stream->Data(),
            "{\r\n"
            "  \"tool\": \"KaveloXmlCheck\",\r\n"
            "  \"version\": \"2026.0.81-dev+4849bb2a\",\r\n"
            "  \"releaseBuild\": false,\r\n"
            "  \"lastRelease\": \"2026.0.80\",\r\n"
            "  \"formatVersion\": 2,\r\n"
            "  \"minimumKaveloVersion\": \"2026.0.81\",\r\n"
            "  \"versionLine\": \"KaveloXmlCheck 2026.0.81-dev+4849bb2a (a development build of the Kavelo "
            "import after release 2026.0.80, not a release) - checks Kavelo hardware XML format 2, which Kavelo "
            "2026.0.81 and newer import\"\r\n"
            "}\r\n");
}

}  // namespace
}  // namespace kavelo
