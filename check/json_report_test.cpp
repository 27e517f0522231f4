#include "check/json_report.h"

#include <gtest/gtest.h>

namespace kavelo {
namespace {

TEST(JsonReport, PositionsFromPathsLabelsAndProblems) {
  struct Caz {
    std::u16string eticheta, cale;
    std::int32_t linie, coloana;
    bool gasit;
    std::int32_t asteptatLinie, asteptatColoana;
  };
  const Caz cazuri[] = {
      {u"Set 1 (2:3) [a|b|c|d]", u"<SetRecord> (15:7)", 9, 9, true, 15, 7},
      {u"Record 01 (4:3) [Code=\"A\"]", u"WeightChart (17:5) / WeightChartRecord 1 (18:7) KgPerMP=20", 0, 0, true, 18, 7},
      {u"Record 01 (4:3) [Code=\"A\"]", u"", 0, 0, true, 4, 3},
      {u"Record 01 (4:3) [Code=\"A\"]", u"no position here", 0, 0, true, 4, 3},
      {u"", u"<Basis> (1:1)", 0, 0, true, 1, 1},
      {u"", u"", 12, 5, true, 12, 5},
      {u"", u"", 0, 0, false, 0, 0},
      {u"Set 99999999999 (99999999999:2)", u"", 0, 0, true, 0, 2},
      {u"Set (1:2", u"<unclosed (3:4)", 0, 0, false, 0, 0},
  };
  for (const auto& c : cazuri) {
    TFerXmlProblema p = ModelProblema(1, c.eticheta, c.cale);
    p.Linie = c.linie;
    p.Coloana = c.coloana;
    std::int32_t l = 0, col = 0;
    EXPECT_EQ(PozitieProblema(p, l, col), c.gasit);
    if (c.gasit) {
      EXPECT_EQ(l, c.asteptatLinie);
      EXPECT_EQ(col, c.asteptatColoana);
    }
  }
  EXPECT_EQ(std::u16string(CodProblema(fxmArticolDublu)), u"duplicateArticle");
  EXPECT_EQ(std::u16string(CodProblema(fxmMotivNumar)), u"notANumber");
}

}  // namespace
}  // namespace kavelo
