#include "check/english_messages.h"

#include <fstream>
#include <sstream>
#include <string_view>

#include "platform/ascii.h"
#include "platform/exception.h"
#include "platform/saved_table.h"
#include "platform/utf.h"

namespace kavelo {

extern const char kTabelEnglez[];

namespace {

constexpr const char16_t* kNumeImport[] = {
    u"rsFisierIncompatibil",         u"rsFisierulXNuExista",
    u"rsArticolFeronerieInexistent", u"rsDiagramaDeGreutateLaXNedefinita",
    u"rsCotaBlocatorXLaPiesaXNuEsteNumar", u"rsArticolDublu",
};

size_t CampObligatoriu(const TabelSalvat& tabel, const char16_t* nume) {
  const int i = tabel.IndexCamp(nume);
  if (i < 0) throw Exceptie(u"the English table has no field " + std::u16string(nume));
  return static_cast<size_t>(i);
}

}  // namespace

std::unique_ptr<std::istream> SursaEngleza() {
  return std::make_unique<std::istringstream>(std::string(kTabelEnglez));
}

std::unique_ptr<TFerXmlTraducatorVar> TFerXmlTraducatorVar::Create(const std::u16string& numeFisier) {
  std::ifstream in(NumeSistemDinUtf16(numeFisier), std::ios::binary);
  if (!in) throw Exceptie(u"cannot open the English table " + numeFisier);
  return CreateDinStream(in);
}

std::unique_ptr<TFerXmlTraducatorVar> TFerXmlTraducatorVar::CreateDinStream(std::istream& stream) {
  const TabelSalvat tabel = CitesteTabelSalvat(stream);
  const size_t nume = CampObligatoriu(tabel, u"VarName");
  const size_t text = CampObligatoriu(tabel, u"Text");
  std::unique_ptr<TFerXmlTraducatorVar> t(new TFerXmlTraducatorVar());
  t->FTabel.reserve(tabel.Randuri.size());
  for (const auto& rand : tabel.Randuri)
    if (rand[nume] && rand[text]) t->FTabel.emplace(*rand[nume], *rand[text]);
  return t;
}

const std::u16string* TFerXmlTraducatorVar::TextPentru(const std::u16string& nume) const {
  const auto it = FTabel.find(nume);
  return it == FTabel.end() ? nullptr : &it->second;
}

bool TFerXmlTraducatorVar::Traduce(const std::u16string& AVarName, std::u16string& Text, bool,
                                   const std::u16string&, bool) const {
  size_t inainte = 0;
  while (inainte < Text.size() && Text[inainte] <= u' ') ++inainte;
  size_t dupa = 0;
  if (inainte < Text.size())
    while (Text[Text.size() - 1 - dupa] <= u' ') ++dupa;
  const std::u16string* engleza = TextPentru(AVarName);
  if (engleza == nullptr || engleza->empty()) return false;
  std::u16string nou(inainte, u' ');
  nou += *engleza;
  nou.append(dupa, u' ');
  Text = std::move(nou);
  return true;
}

std::unique_ptr<TKVTrsStringsV2> StringuriEngleza(std::istream& stream) {
  const auto traducator = TFerXmlTraducatorVar::CreateDinStream(stream);
  auto stringuri = std::make_unique<TKVTrsStringsV2>();
  stringuri->Translate([&](const std::u16string& n, std::u16string& t, bool a, const std::u16string& o, bool r) {
    return traducator->Traduce(n, t, a, o, r);
  });
  return stringuri;
}

bool TXmlCheckNumeMesaje::Colecteaza(const std::u16string& AVarName, std::u16string&, bool,
                                     const std::u16string&, bool) {
  bool ia = AVarName.starts_with(u"rsImpXml");
  for (const char16_t* n : kNumeImport) ia = ia || EgalFaraCaz(AVarName, n);
  if (ia) Nume.push_back(AVarName);
  return false;
}

std::vector<std::u16string> AutoTest(std::istream& stream) {
  const auto traducator = TFerXmlTraducatorVar::CreateDinStream(stream);
  TXmlCheckNumeMesaje nume;
  TKVTrsStringsV2 stringuri;
  stringuri.Translate([&](const std::u16string& n, std::u16string& t, bool a, const std::u16string& o, bool r) {
    return nume.Colecteaza(n, t, a, o, r);
  });
  std::vector<std::u16string> lipsa;
  for (const auto& n : nume.Nume) {
    const std::u16string* text = traducator->TextPentru(n);
    if (text == nullptr || TaieBlancuri(*text).empty()) lipsa.push_back(n);
  }
  if (nume.Nume.empty()) lipsa.push_back(u"(no message name found)");
  return lipsa;
}

}  // namespace kavelo
