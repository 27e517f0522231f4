#include "platform/saved_table.h"

#include <gtest/gtest.h>

#include <sstream>

#include "platform/exception.h"

namespace kavelo {
namespace {

TEST(SavedTable, RoundTripsValuesWithEscapesAndNulls) {
  TabelSalvat t;
  t.Campuri = {{u"VarName", u"WideString", 64}, {u"Text", u"WideMemo", 0}};
  t.Randuri = {{u"a", u"tab\there\nback\\slash \u0219"}, {u"b", std::nullopt}};
  std::istringstream in(ScrieTabelSalvat(t));
  const TabelSalvat r = CitesteTabelSalvat(in);
  ASSERT_EQ(r.Campuri.size(), 2u);
  EXPECT_EQ(r.Campuri[0].Marime, 64);
  EXPECT_EQ(r.IndexCamp(u"TEXT"), 1);
  EXPECT_EQ(r.IndexCamp(u"Other"), -1);
  ASSERT_EQ(r.Randuri.size(), 2u);
  EXPECT_EQ(r.Randuri[0][1], t.Randuri[0][1]);
  EXPECT_FALSE(r.Randuri[1][1].has_value());
}

TEST(SavedTable, DamagedTablesThrow) {
  const char* damaged[] = {
      "",
      "not a table\n",
      "KVTABLE 1\nFIELD\tA\tWideString\t10\nROW\tx\n",                 // no end
      "KVTABLE 1\nFIELD\tA\tWideString\t10\nROW\tx\ty\nEND\t1\n",      // too many values
      "KVTABLE 1\nFIELD\tA\tWideString\t10\nROW\tx\nEND\t2\n",         // wrong count
      "KVTABLE 1\nFIELD\tA\tWideString\t10\nROW\tx\\q\nEND\t1\n",      // bad escape
      "KVTABLE 1\nFIELD\tA\tWideString\tten\nEND\t0\n",                // bad size
      "KVTABLE 1\nEND\t0\nROW\n",                                       // after the end
  };
  for (const char* text : damaged) {
    std::istringstream in(text);
    EXPECT_THROW(CitesteTabelSalvat(in), Exceptie) << text;
  }
}

}  // namespace
}  // namespace kavelo
