#include "format/lookups.h"

#include <gtest/gtest.h>

namespace kavelo {
namespace {

TEST(Lookups, KeysAndDistances) {
  EXPECT_EQ(CheieNume(u"Left-Right ș2"), u"LEFTRIGHT2");
  EXPECT_EQ(CheieNume(u"--"), u"");
  EXPECT_EQ(DistantaEditare(u"KITTEN", u"SITTING"), 3);
  EXPECT_EQ(DistantaEditare(u"", u"ABC"), 3);
  EXPECT_EQ(DistantaEditare(u"ABC", u"ABC"), 0);
}

TEST(Lookups, NameSuggestions) {
  struct Caz {
    TFerXmlContinut c;
    TFerXmlElement e;
    std::u16string nume, sugestie;
  };
  const Caz cazuri[] = {
      {fxcSeturi, fxeRandSet, u"Quantity", u"Qty"},        // alias table
      {fxcArticole, fxeArticol, u"colour", u"Colour"},     // same key
      {fxcArticole, fxeArticol, u"Color", u"Colour"},
      {fxcSeturi, fxeRandSet, u"hand", u"Left-Right"},
      {fxcSeturi, fxeRandSet, u"-/-", u""},                // no key
      {fxcSeturi, fxeRandSet, u"Descripton", u"Description"},  // distance 1
      {fxcSeturi, fxeRandSet, u"Opening", u"<Set>"},       // another element of the file
      {fxcSeturi, fxeRandSet, u"Cod_Mag", u"Code"},        // Romanian name
      {fxcSeturi, fxeRandSet, u"Xyzzy", u""},
      {fxcArticole, fxeBase, u"Formatversion", u"FormatVersion"},
      {fxcArticole, fxeBase, u"Cod", u""},                 // Base looks only at Base
      {fxcArticole, fxeDiagrama, u"X10", u""},             // X1 and X0 at the same distance... of one name each
  };
  for (const auto& c : cazuri) EXPECT_EQ(SugestieNume(c.c, c.e, c.nume), c.sugestie) << std::string(c.nume.begin(), c.nume.end());
}

TEST(Lookups, EnumResolution) {
  const TFerXmlColoana& opening = *ColoanaDupaXml(fxeSet, u"Opening");
  auto r = RezolvaValoareEnum(opening, u" ttx ");
  EXPECT_TRUE(r.swSucces);
  EXPECT_EQ(r.Valoare, u"OBX");
  EXPECT_TRUE(r.swCititCa);
  r = RezolvaValoareEnum(opening, u"OBX");
  EXPECT_EQ(r.Valoare, u"OBX");
  EXPECT_FALSE(r.swCititCa);
  EXPECT_FALSE(RezolvaValoareEnum(opening, u"OBD").swSucces);
  r = RezolvaValoareEnum(opening, u"  ");
  EXPECT_TRUE(r.swSucces);
  EXPECT_EQ(r.Valoare, u"");

  const TFerXmlColoana& side = *ColoanaDupaXml(fxeRandSet, u"Side");
  EXPECT_EQ(RezolvaValoareEnum(side, u"opposite handle").Valoare, u"OpusManer");
  const TFerXmlColoana& reference = *ColoanaDupaXml(fxeRandSet, u"Reference");
  r = RezolvaValoareEnum(reference, u" 1/2");
  EXPECT_TRUE(r.swSucces && r.swLiber);
  EXPECT_EQ(r.Valoare, u" 1/2");
  const TFerXmlColoana& hand = *ColoanaDupaXml(fxeRandSet, u"Left-Right");
  r = RezolvaValoareEnum(hand, u"Q");
  EXPECT_TRUE(r.swSucces && r.swLiber);
  EXPECT_FALSE(RezolvaValoareEnum(hand, u"QQ").swSucces);

  const TFerXmlColoana& use = *ColoanaDupaXml(fxeArticol, u"Use");
  EXPECT_EQ(RezolvaValoareEnum(use, u"Window").Valoare, u"Fereastra");
  r = RezolvaValoareEnum(use, u"window");
  EXPECT_TRUE(r.swSucces && r.swLiber);
  EXPECT_EQ(r.Valoare, u"window");

  const TFerXmlColoana& brut = *ColoanaDupaXml(fxeRandSet, u"UseCamLocksDimensions2");
  r = RezolvaValoareEnum(brut, u"01");
  EXPECT_TRUE(r.swSucces && r.swCititCa);
  EXPECT_EQ(r.Valoare, u"1");
  EXPECT_FALSE(RezolvaValoareEnum(brut, u"3").swSucces);
  r = RezolvaValoareEnum(brut, u"abc");
  EXPECT_EQ(r.Valoare, u"X");
  EXPECT_TRUE(r.swCititCa);
  r = RezolvaValoareEnum(brut, u"x");
  EXPECT_EQ(r.Valoare, u"x");
  EXPECT_FALSE(r.swCititCa);
  EXPECT_EQ(RezolvaValoareEnum(brut, u"1-2").Valoare, u"1-2");
}

TEST(Lookups, ValueSuggestionsAndStoredCodes) {
  const TFerXmlColoana& opening = *ColoanaDupaXml(fxeSet, u"Opening");
  EXPECT_EQ(SugestieValoareEnum(opening, u"OBD"), u"TTX");
  EXPECT_EQ(SugestieValoareEnum(opening, u"TTx1"), u"TTX");
  EXPECT_EQ(SugestieValoareEnum(opening, u"Q"), u"");
  EXPECT_EQ(SugestieValoareEnum(*ColoanaDupaXml(fxeRandSet, u"Left-Right"), u"left"), u"L");
  EXPECT_EQ(SugestieValoareEnum(*ColoanaDupaXml(fxeArticol, u"Use"), u"Grup"), u"!GROUP");
  EXPECT_EQ(SugestieValoareEnum(*ColoanaDupaXml(fxeArticol, u"Use"), u"door"), u"Door");
  EXPECT_EQ(SugestieValoareEnum(*ColoanaDupaXml(fxeRandSet, u"Reference"), u"echidistant"), u"DimensionPercent");
  EXPECT_EQ(SugestieValoareEnum(*ColoanaDupaXml(fxeRandSet, u"UseCamLocksDimensions2"), u"7"), u"");

  EXPECT_EQ(ValoriAcceptate(*ColoanaDupaXml(fxeSet, u"WD")), u"Window, Door");
  EXPECT_EQ(CodXmlCamp(u"Deschidere", u"OBX"), u"TTX");
  EXPECT_EQ(CodXmlCamp(u"Denumire", u"x"), u"x");
  EXPECT_EQ(CodXmlCamp(u"Nothing", u"v"), u"v");
  EXPECT_EQ(CodXmlStocat(opening, u"ttx"), u"TTX");
  EXPECT_EQ(CodXmlStocat(opening, u"zzz"), u"zzz");
  EXPECT_EQ(CodXmlStocat(*ColoanaDupaXml(fxeArticol, u"Use"), u"window"), u"window");
}

}  // namespace
}  // namespace kavelo
