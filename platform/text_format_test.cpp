#include "platform/text_format.h"

#include <gtest/gtest.h>

namespace kavelo {
namespace {

using A = std::vector<ArgumentFormat>;

TEST(TextFormat, FillsPlaceholders) {
  struct Caz {
    std::u16string tipar;
    A args;
    std::u16string asteptat;
  };
  const Caz cazuri[] = {
      {u"%s=\"%s\"", {u"Code", u"A-1"}, u"Code=\"A-1\""},
      {u"Record %.*d (%d:%d)", {std::int64_t{3}, std::int64_t{7}, std::int64_t{15}, std::int64_t{3}},
       u"Record 007 (15:3)"},
      {u"%.*d", {std::int64_t{1}, std::int64_t{42}}, u"42"},
      {u"%.3d", {std::int64_t{-7}}, u"-007"},
      {u"100%% %s", {u"sure"}, u"100% sure"},
      {u"%1:s %0:s", {u"a", u"b"}, u"b a"},
      {u"[%5s|%-5s]", {u"ab", u"cd"}, u"[   ab|cd   ]"},
      {u"%.2s", {u"abcdef"}, u"ab"},
      {u"extra ignored %s", {u"x", u"y"}, u"extra ignored x"},
      {u"", {}, u""},
  };
  for (const auto& c : cazuri) {
    auto r = IncearcaFormat(c.tipar, c.args);
    ASSERT_TRUE(r.has_value()) << std::string(c.tipar.begin(), c.tipar.end());
    EXPECT_EQ(*r, c.asteptat);
  }
}

TEST(TextFormat, MisfitsGiveNothing) {
  const std::pair<std::u16string, A> misfits[] = {
      {u"%s and %s", {u"one"}},           // too few
      {u"%d", {u"text"}},                 // wrong type
      {u"%s", {std::int64_t{1}}},         // wrong type
      {u"%x", {std::int64_t{1}}},         // unknown placeholder
      {u"ends with %", {}},               // incomplete
      {u"%.*d", {u"3", std::int64_t{1}}}, // precision must be an integer
  };
  for (const auto& [tipar, args] : misfits) EXPECT_FALSE(IncearcaFormat(tipar, args).has_value());
  EXPECT_THROW(Format(u"%s", {}), std::exception);
}

}  // namespace
}  // namespace kavelo
