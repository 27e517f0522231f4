#include "platform/saved_table.h"

#include <charconv>

#include "platform/ascii.h"
#include "platform/exception.h"
#include "platform/utf.h"

namespace kavelo {

namespace {

[[noreturn]] void Deteriorat(size_t linie, const char16_t* ce) {
  throw Exceptie(u"the saved table is damaged: line " + TextNumar(static_cast<long long>(linie)) +
                 u": " + ce);
}

std::vector<std::string_view> Imparte(std::string_view linie) {
  std::vector<std::string_view> piese;
  size_t i = 0;
  for (;;) {
    const size_t j = linie.find('\t', i);
    if (j == std::string_view::npos) {
      piese.push_back(linie.substr(i));
      return piese;
    }
    piese.push_back(linie.substr(i, j - i));
    i = j + 1;
  }
}

std::optional<std::u16string> Valoare(std::string_view text, size_t nrLinie) {
  if (text == "\\N") return std::nullopt;
  std::string bytes;
  bytes.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\') {
      bytes.push_back(text[i]);
      continue;
    }
    if (++i >= text.size()) Deteriorat(nrLinie, u"a value ends with a backslash");
    switch (text[i]) {
      case '\\': bytes.push_back('\\'); break;
      case 't': bytes.push_back('\t'); break;
      case 'n': bytes.push_back('\n'); break;
      case 'r': bytes.push_back('\r'); break;
      default: Deteriorat(nrLinie, u"unknown escape in a value");
    }
  }
  return Utf16DinUtf8(bytes);
}

bool Intreg(std::string_view text, int& v) {
  auto [p, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
  return ec == std::errc() && p == text.data() + text.size();
}

}  // namespace

int TabelSalvat::IndexCamp(std::u16string_view nume) const {
  for (size_t i = 0; i < Campuri.size(); ++i)
    if (EgalFaraCaz(Campuri[i].Nume, nume)) return static_cast<int>(i);
  return -1;
}

TabelSalvat CitesteTabelSalvat(std::istream& in) {
  TabelSalvat tabel;
  std::string linie;
  size_t nr = 0;
  bool sfarsit = false;
  while (std::getline(in, linie)) {
    ++nr;
    if (!linie.empty() && linie.back() == '\r') linie.pop_back();
    if (sfarsit) Deteriorat(nr, u"text after the end");
    if (nr == 1) {
      if (linie != "KVTABLE 1") Deteriorat(nr, u"not a saved table");
      continue;
    }
    const auto piese = Imparte(linie);
    if (piese[0] == "FIELD") {
      if (!tabel.Randuri.empty()) Deteriorat(nr, u"a field after the rows");
      CampSalvat camp;
      if (piese.size() != 4 || piese[1].empty() || piese[2].empty() || !Intreg(piese[3], camp.Marime))
        Deteriorat(nr, u"a field needs a name, a type and a size");
      camp.Nume = Utf16DinUtf8(piese[1]);
      camp.Tip = Utf16DinUtf8(piese[2]);
      tabel.Campuri.push_back(std::move(camp));
    } else if (piese[0] == "ROW") {
      if (piese.size() != tabel.Campuri.size() + 1) Deteriorat(nr, u"a row has the wrong number of values");
      auto& rand = tabel.Randuri.emplace_back();
      rand.reserve(tabel.Campuri.size());
      for (size_t k = 1; k < piese.size(); ++k) rand.push_back(Valoare(piese[k], nr));
    } else if (piese[0] == "END") {
      int n = -1;
      if (piese.size() != 2 || !Intreg(piese[1], n) || n < 0 ||
          static_cast<size_t>(n) != tabel.Randuri.size())
        Deteriorat(nr, u"the number of rows does not match");
      sfarsit = true;
    } else {
      Deteriorat(nr, u"unknown line");
    }
  }
  if (in.bad()) throw Exceptie(u"the saved table cannot be read");
  if (nr == 0) Deteriorat(1, u"the table is empty");
  if (!sfarsit) Deteriorat(nr, u"the end is missing");
  return tabel;
}

std::string ScrieTabelSalvat(const TabelSalvat& tabel) {
  std::string out = "KVTABLE 1\n";
  for (const auto& c : tabel.Campuri)
    out += "FIELD\t" + Utf8DinUtf16(c.Nume) + "\t" + Utf8DinUtf16(c.Tip) + "\t" + std::to_string(c.Marime) + "\n";
  for (const auto& rand : tabel.Randuri) {
    out += "ROW";
    for (const auto& v : rand) {
      out += '\t';
      if (!v) {
        out += "\\N";
        continue;
      }
      for (char b : Utf8DinUtf16(*v)) {
        switch (b) {
          case '\\': out += "\\\\"; break;
          case '\t': out += "\\t"; break;
          case '\n': out += "\\n"; break;
          case '\r': out += "\\r"; break;
          default: out += b;
        }
      }
    }
    out += '\n';
  }
  out += "END\t" + std::to_string(tabel.Randuri.size()) + "\n";
  return out;
}

}  // namespace kavelo
