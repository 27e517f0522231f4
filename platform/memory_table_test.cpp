#include "platform/memory_table.h"

#include <gtest/gtest.h>

#include <sstream>

namespace kavelo {
namespace {

class MemoryTable : public ::testing::Test {
 protected:
  void SetUp() override {
    t.AdaugaCamp(u"COD_MAG", ftWideString, 20);
    t.AdaugaCamp(u"Pret", ftFloat);
    t.AdaugaCamp(u"Gramaj", ftSmallint);
    t.AdaugaCamp(u"Variabil", ftString, 1);
    t.AdaugaCamp(u"DiagramaGreutate", ftBlob);
  }
  void Adauga(const std::u16string& cod, double pret) {
    t.Append();
    t.SeteazaValoare(u"cod_mag", cod);
    t.SeteazaValoare(u"Pret", pret);
    t.Post();
  }
  TTabelMemorie t;
};

TEST_F(MemoryTable, AppendEditPostCancelAndEvents) {
  int postari = 0;
  t.DupaPost = [&](TTabelMemorie&) { ++postari; };
  EXPECT_TRUE(EsteNul(t.Valoare(0)));  // no current record
  t.Append();
  EXPECT_FALSE(t.Modificat());
  t.SeteazaValoare(0, u"A ");  // stored exactly, trailing space included
  t.SeteazaValoare(2, std::int64_t{7});
  EXPECT_TRUE(t.Modificat());
  t.Post();
  EXPECT_EQ(postari, 1);
  EXPECT_EQ(std::get<std::u16string>(t.Valoare(0)), u"A ");
  EXPECT_TRUE(EsteNul(t.Valoare(u"Pret")));

  t.Edit();
  t.SeteazaValoare(1, std::int64_t{3});  // an integer into a float field is a double
  t.Cancel();
  EXPECT_TRUE(EsteNul(t.Valoare(1)));
  t.Edit();
  t.SeteazaValoare(1, std::int64_t{3});
  t.Post();
  EXPECT_EQ(std::get<double>(t.Valoare(1)), 3.0);
  EXPECT_EQ(postari, 2);

  t.Append();
  EXPECT_THROW(t.SeteazaValoare(2, std::int64_t{40000}), Exceptie);  // beyond a small integer
  EXPECT_THROW(t.SeteazaValoare(0, std::int64_t{1}), Exceptie);      // not text
  EXPECT_THROW(t.SeteazaValoare(u"Nope", u"x"), Exceptie);
  t.Cancel();
  EXPECT_EQ(t.NrInregistrari(), 1);
  t.Goleste();
  EXPECT_TRUE(t.Gol());
  EXPECT_EQ(t.NrCampuri(), 5);
}

TEST_F(MemoryTable, UniqueIndexRefusesASecondKey) {
  t.IndexPrimarUnic(u"IndexPrimar", u"Cod_Mag");
  Adauga(u"A", 1);
  t.Append();
  t.SeteazaValoare(0, u"A");
  EXPECT_THROW(t.Post(), EKeyViolation);
  EXPECT_EQ(t.Stare(), TTabelMemorie::dsInsert);
  t.SeteazaValoare(0, u"a");  // keys are compared exactly
  t.Post();
  // Editing a record may keep its own key, but not take another's.
  t.Edit();
  t.SeteazaValoare(0, u"a");
  t.Post();
  t.Edit();
  t.SeteazaValoare(0, u"A");
  EXPECT_THROW(t.Post(), EKeyViolation);
  t.Cancel();
  EXPECT_EQ(t.NrInregistrari(), 2);
  t.Delete();
  Adauga(u"a", 2);  // the deleted key is free again
  EXPECT_EQ(t.NumeIndexPrimar(), u"IndexPrimar");
}

TEST_F(MemoryTable, OrderingSearchesBookmarksAndSecondCursor) {
  Adauga(u"C", 3);
  Adauga(u"A", 1);
  const auto semnA = t.Semn();
  Adauga(u"B", 2);
  Adauga(u"B", 0.5);
  t.OrdoneazaDupa(u"COD_MAG;Pret");
  std::u16string ordine;
  for (t.First(); !t.Eof(); t.Next()) ordine += std::get<std::u16string>(t.Valoare(0));
  EXPECT_EQ(ordine, u"ABBC");

  ASSERT_TRUE(t.CautaExact({std::u16string(u"B")}));
  EXPECT_EQ(std::get<double>(t.Valoare(1)), 0.5);
  EXPECT_FALSE(t.CautaExact({std::u16string(u"BB")}));
  t.CautaAproape({std::u16string(u"BB")});
  EXPECT_EQ(std::get<std::u16string>(t.Valoare(0)), u"C");
  t.CautaAproape({std::u16string(u"Z")});
  EXPECT_TRUE(t.Eof());

  ASSERT_TRUE(t.MergiLaSemn(semnA));
  EXPECT_EQ(std::get<std::u16string>(t.Valoare(0)), u"A");
  Adauga(u"AA", 9);  // appended in order
  t.Next();
  EXPECT_EQ(std::get<std::u16string>(t.Valoare(0)), u"B");

  TTabelMemorie::TCursor c(t);
  c.OrdoneazaDupa(u"Pret");
  c.First();
  EXPECT_EQ(std::get<double>(c.Valoare(1)), 0.5);
  ASSERT_TRUE(c.CautaExact({9.0}));
  EXPECT_EQ(std::get<std::u16string>(c.Valoare(0)), u"AA");
  Adauga(u"D", 0.1);  // the cursor sees records appended after it was made
  c.First();
  EXPECT_EQ(std::get<std::u16string>(c.Valoare(0)), u"D");
  EXPECT_EQ(std::get<std::u16string>(t.Valoare(0)), u"D");  // the table's own position is its own
}

TEST_F(MemoryTable, NestedTableRoundTripsThroughABlob) {
  TTabelMemorie diagrama;
  diagrama.AdaugaCamp(u"KgPerMP", ftInteger);
  diagrama.AdaugaCamp(u"X0", ftInteger);
  diagrama.AdaugaCamp(u"Nota", ftWideMemo);
  diagrama.AdaugaCamp(u"Cand", ftDateTime);
  diagrama.AdaugaCamp(u"Activ", ftBoolean);
  for (int kg : {30, 20}) {
    diagrama.Append();
    diagrama.SeteazaValoare(0, std::int64_t{kg});
    diagrama.SeteazaValoare(1, std::int64_t{-400});
    diagrama.SeteazaValoare(2, u"line\r\n\ttab \\ ș");
    diagrama.SeteazaValoare(3, TDataOra{46000.25});
    diagrama.SeteazaValoare(4, kg == 30);
    diagrama.Post();
  }
  t.Append();
  t.SeteazaValoare(u"COD_MAG", u"A");
  t.SeteazaValoare(u"DiagramaGreutate", diagrama.Salveaza());
  t.Post();

  TTabelMemorie inapoi;
  inapoi.Incarca(std::get<std::string>(t.Valoare(u"DiagramaGreutate")));
  ASSERT_EQ(inapoi.NrCampuri(), 5);
  EXPECT_EQ(inapoi.Camp(2).Tip, ftWideMemo);
  inapoi.OrdoneazaDupa(u"KgPerMP");
  inapoi.First();
  EXPECT_EQ(std::get<std::int64_t>(inapoi.Valoare(0)), 20);
  EXPECT_EQ(std::get<std::int64_t>(inapoi.Valoare(1)), -400);
  EXPECT_EQ(std::get<std::u16string>(inapoi.Valoare(2)), u"line\r\n\ttab \\ ș");
  EXPECT_EQ(std::get<TDataOra>(inapoi.Valoare(3)).Zile, 46000.25);
  EXPECT_FALSE(std::get<bool>(inapoi.Valoare(4)));
  EXPECT_EQ(inapoi.Salveaza().size(), diagrama.Salveaza().size());

  // A whole table, blob bytes included, survives a stream too.
  std::istringstream in(t.Salveaza());
  TTabelMemorie copie;
  copie.Incarca(in);
  EXPECT_EQ(std::get<std::string>(copie.Valoare(4)), diagrama.Salveaza());
  EXPECT_THROW(copie.Incarca("KVTABLE 1\nFIELD\tA\tNoSuchType\t0\nEND\t0\n"), Exceptie);
  EXPECT_EQ(NumeTipCamp(ftBlob), u"Blob");
}

}  // namespace
}  // namespace kavelo
