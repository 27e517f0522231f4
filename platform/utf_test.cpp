#include "platform/utf.h"

#include <gtest/gtest.h>

namespace kavelo {
namespace {

TEST(Utf, RoundTripsEveryPlane) {
  const std::u16string text = u"a\u00e4\u0219\u20ac\U0001F600z";
  EXPECT_EQ(Utf8DinUtf16(text), "a\xC3\xA4\xC8\x99\xE2\x82\xAC\xF0\x9F\x98\x80z");
  EXPECT_EQ(Utf16DinUtf8(Utf8DinUtf16(text)), text);
}

TEST(Utf, LoneSurrogatesAndInvalidBytesBecomeReplacement) {
  EXPECT_EQ(Utf8DinUtf16(std::u16string(1, char16_t(0xD800)) + u"x"), "\xEF\xBF\xBDx");
  EXPECT_EQ(Utf16DinUtf8("a\xFF" "b\xC3"), u"a\uFFFDb\uFFFD");
  // Overlong forms and encoded surrogates are invalid too.
  EXPECT_EQ(Utf16DinUtf8("\xC0\xAF"), u"\uFFFD\uFFFD");
  EXPECT_EQ(Utf16DinUtf8("\xED\xA0\x80"), u"\uFFFD\uFFFD\uFFFD");
}

TEST(Utf, SystemNamesKeepEveryByte) {
  const std::string nume = "r\xE9sum\xE9-\xC8\x99.xml";  // Latin-1 bytes beside UTF-8
  const std::u16string wide = Utf16DinNumeSistem(nume);
  EXPECT_EQ(wide.substr(0, 2), std::u16string(u"r") + char16_t(0xDCE9));
  EXPECT_EQ(NumeSistemDinUtf16(wide), nume);
}

}  // namespace
}  // namespace kavelo
