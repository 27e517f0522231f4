#include "platform/numbers.h"

#include <gtest/gtest.h>

#include "platform/iso_date.h"

namespace kavelo {
namespace {

TEST(Numbers, Integers) {
  std::int64_t v = 0;
  EXPECT_EQ(CitesteIntreg64(u"+7", v), RezultatNumar::Citit);
  EXPECT_EQ(v, 7);
  EXPECT_EQ(CitesteIntreg64(u"-9223372036854775808", v), RezultatNumar::Citit);
  EXPECT_EQ(v, INT64_MIN);
  EXPECT_EQ(CitesteIntreg64(u"9223372036854775808", v), RezultatNumar::Depasit);
  for (const char16_t* t : {u"", u"+", u"7.0", u" 7", u"1e3", u"0x10"})
    EXPECT_EQ(CitesteIntreg64(t, v), RezultatNumar::Invalid);
}

TEST(Numbers, Reals) {
  struct Caz {
    std::u16string text;
    RezultatNumar r;
    double v;
  };
  const Caz cazuri[] = {
      {u"2.5", RezultatNumar::Citit, 2.5},     {u".5", RezultatNumar::Citit, 0.5},
      {u"5.", RezultatNumar::Citit, 5},        {u"-0.75", RezultatNumar::Citit, -0.75},
      {u"+1.5E3", RezultatNumar::Citit, 1500}, {u"1e-400", RezultatNumar::Citit, 0},
      {u"1E400", RezultatNumar::Depasit, 0},   {u"-12345678901234567890e300", RezultatNumar::Depasit, 0},
      {u"0.000001e-400", RezultatNumar::Citit, 0},
      {u"1,5", RezultatNumar::Invalid, 0},     {u".", RezultatNumar::Invalid, 0},
      {u"1e", RezultatNumar::Invalid, 0},      {u"inf", RezultatNumar::Invalid, 0},
      {u"1 000", RezultatNumar::Invalid, 0},
  };
  for (const auto& c : cazuri) {
    double v = -1;
    EXPECT_EQ(CitesteReal(c.text, v), c.r) << std::string(c.text.begin(), c.text.end());
    if (c.r == RezultatNumar::Citit) {
      EXPECT_EQ(v, c.v);
    }
  }
}

TEST(Numbers, DecimalForm) {
  const std::pair<double, std::u16string> cazuri[] = {
      {0, u"0"},          {2.5, u"2.5"},           {-3, u"-3"},
      {0.1 + 0.2, u"0.3"}, {123456789012345.0, u"123456789012345"},
      {1e15, u"1E15"},    {0.00001, u"0.00001"},   {0.000001, u"1E-6"},
      {1.5e-7, u"1.5E-7"}, {1.7e308, u"1.7E308"},  {100, u"100"},
      {1234.5678, u"1234.5678"},
  };
  for (const auto& [v, text] : cazuri) EXPECT_EQ(TextReal(v), text);
}

TEST(Numbers, IsoDates) {
  TDataOra d;
  ASSERT_TRUE(CitesteIso8601(u"1899-12-30", d));
  EXPECT_EQ(d.Zile, 0);
  ASSERT_TRUE(CitesteIso8601(u"2026-12-11T06:00", d));
  EXPECT_EQ(d.Zile, 46367.25);
  ASSERT_TRUE(CitesteIso8601(u"2026-12-11T18:00:00.5+02:00", d));
  EXPECT_DOUBLE_EQ(d.Zile, 46367.75 + 0.5 / 86400);
  ASSERT_TRUE(CitesteIso8601(u"2024-02-29T00:00:00Z", d));
  for (const char16_t* t : {u"2023-02-29", u"2026-13-01", u"2026-1-1", u"11.12.2026", u"2026-12-11T25:00",
                            u"2026-12-11T10", u"2026-12-11 10:00", u"2026-12-11T10:00+2"})
    EXPECT_FALSE(CitesteIso8601(t, d)) << std::string(std::u16string_view(t).begin(), std::u16string_view(t).end());
}

}  // namespace
}  // namespace kavelo
