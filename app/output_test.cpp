#include "app/output.h"

#include <gtest/gtest.h>

namespace kavelo {
namespace {

TEST(Utf8Channel, WritesUtf8WithOptionalBomAndBuffers) {
  auto* stream = new MemoryOutputStream();
  {
    TXmlCheckIesireUtf8 canal(stream, true, false);
    EXPECT_EQ(stream->Data(), "\xEF\xBB\xBF");  // the mark is written at once
    canal.ScrieLinie(u"\u0219a");
    canal.ScrieLinie(u"");
    EXPECT_EQ(stream->Data().size(), 3u);  // still buffered
    canal.Goleste();
    EXPECT_EQ(stream->Data(), "\xEF\xBB\xBF\xC8\x99" "a\r\n\r\n");
    // More than 32767 characters waiting are written without a flush.
    canal.Scrie(std::u16string(32768, u'x'));
    EXPECT_EQ(stream->Data().size(), 3u + 7u + 32768u);
  }
  delete stream;
}

// A failing stream: the channel passes the failure on.
class StreamPlin : public OutputStream {
 public:
  void Write(std::string_view) override { throw std::runtime_error("No space left on device"); }
};

TEST(Utf8Channel, FlushFailureRaisesAndOwnedStreamIsFreed) {
  TXmlCheckIesireUtf8 canal(new StreamPlin(), false, true);
  canal.Scrie(u"x");
  EXPECT_THROW(canal.Goleste(), std::runtime_error);
}

class ConsolaDeTest : public TIesireConsola {
 public:
  ConsolaDeTest() : TIesireConsola(-1) {}
  std::vector<std::u16string> piese;
  size_t maxPeScriere = SIZE_MAX;

 protected:
  size_t ScriePiesa(std::u16string_view piesa) override {
    const size_t n = std::min(piesa.size(), maxPeScriere);
    piese.emplace_back(piesa.substr(0, n));
    return n;
  }
};

TEST(ConsoleChannel, NeverSplitsASurrogatePair) {
  ConsolaDeTest c;
  std::u16string text(16383, u'a');
  text += u"\U0001F600";  // the 16384th unit is a high surrogate
  c.Scrie(text);           // more than 16383 waiting: written at once
  ASSERT_EQ(c.piese.size(), 2u);
  EXPECT_EQ(c.piese[0].size(), 16383u);
  EXPECT_EQ(c.piese[1], u"\U0001F600");
}

TEST(ConsoleChannel, BuffersAndResumesAfterShortWrites) {
  ConsolaDeTest c;
  c.maxPeScriere = 3;
  c.Scrie(u"abcdefg");
  EXPECT_TRUE(c.piese.empty());
  c.Goleste();
  EXPECT_EQ(c.piese, (std::vector<std::u16string>{u"abc", u"def", u"g"}));
  c.Goleste();  // nothing waiting: nothing written
  EXPECT_EQ(c.piese.size(), 3u);
}

TEST(Tee, ForwardsInOrderAndSkipsAbsentChannels) {
  auto* a = new MemoryOutputStream();
  auto* b = new MemoryOutputStream();
  TXmlCheckIesireUtf8 ca(a, false, true), cb(b, true, true);
  TXmlCheckIesireMultipla tee({nullptr, &ca, nullptr, &cb});
  EXPECT_FALSE(tee.Goala());
  tee.ScrieLinie(u"line");
  tee.Goleste();
  EXPECT_EQ(a->Data(), "line\r\n");
  EXPECT_EQ(b->Data(), "\xEF\xBB\xBFline\r\n");
  EXPECT_TRUE(TXmlCheckIesireMultipla({nullptr, nullptr}).Goala());
  TIesireNula nula;
  nula.ScrieLinie(u"gone");
  nula.Goleste();
}

}  // namespace
}  // namespace kavelo
