#include "app/version.h"

#include <gtest/gtest.h>

#include "platform/exception.h"

namespace kavelo {
namespace {

TEST(Version, ReadsAndShowsReleaseYears) {
  const TNumarVersiune v = CitesteVersiune(u" 2026.0.81 ");
  EXPECT_EQ(v.Parti[0], 17);
  EXPECT_EQ(v.Parti[1], 1);
  EXPECT_EQ(v.Parti[2], 81);
  EXPECT_EQ(TextVersiune(v), u"2026.0.81");
  EXPECT_EQ(TextVersiune(CitesteVersiune(u"17.27.3.9")), u"2027.0.3");
  EXPECT_EQ(TextVersiune(CitesteVersiune(u"16..2")), u"16.2.0");
  EXPECT_THROW(CitesteVersiune(u"2026.x.1"), Exceptie);
}

TEST(Version, ComparesThreePartsThenBuildNumbers) {
  const auto v = [](int a, int b, int c, int d) { return TNumarVersiune{{a, b, c, d}}; };
  EXPECT_TRUE(MaiVecheDecat(v(17, 1, 80, 0), v(17, 1, 81, 0)));
  EXPECT_FALSE(MaiVecheDecat(v(17, 1, 81, 0), v(17, 1, 80, 9)));
  EXPECT_TRUE(MaiVecheDecat(v(17, 1, 80, 1), v(17, 1, 80, 2)));
  EXPECT_FALSE(MaiVecheDecat(v(17, 1, 80, 0), v(17, 1, 80, 2)));
}

TEST(Version, LineOfThisBuild) {
  const std::u16string salvat = IdBuild;
  IdBuild = u"dev+4849bb2a";
  EXPECT_FALSE(EsteLansare());
  EXPECT_EQ(LinieVersiune(),
            u"KaveloXmlCheck 2026.0.81-dev+4849bb2a (a development build of the Kavelo import after release "
            u"2026.0.80, not a release) - checks Kavelo hardware XML format 2, which Kavelo 2026.0.81 and newer "
            u"import");
  IdBuild = u"";
  EXPECT_FALSE(EsteLansare());  // the carried import is older than the first release that reads format 2
  EXPECT_EQ(VersiuneUnealta(), u"2026.0.81-dev");
  IdBuild = salvat;
}

}  // namespace
}  // namespace kavelo
