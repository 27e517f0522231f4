#include "platform/ascii.h"

namespace kavelo {

std::u16string MinusculeAscii(std::u16string_view text) {
  std::u16string out(text);
  for (auto& c : out) c = MinusculaAscii(c);
  return out;
}

bool EgalFaraCaz(std::u16string_view a, std::u16string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (MinusculaAscii(a[i]) != MinusculaAscii(b[i])) return false;
  return true;
}

bool IncepeCuFaraCaz(std::u16string_view text, std::u16string_view prefix) {
  return text.size() >= prefix.size() && EgalFaraCaz(text.substr(0, prefix.size()), prefix);
}

bool SeTerminaCuFaraCaz(std::u16string_view text, std::u16string_view suffix) {
  return text.size() >= suffix.size() &&
         EgalFaraCaz(text.substr(text.size() - suffix.size()), suffix);
}

std::u16string_view TaieBlancuriDreapta(std::u16string_view text) {
  size_t n = text.size();
  while (n > 0 && text[n - 1] <= u' ') --n;
  return text.substr(0, n);
}

std::u16string_view TaieBlancuri(std::u16string_view text) {
  size_t i = 0;
  while (i < text.size() && text[i] <= u' ') ++i;
  return TaieBlancuriDreapta(text.substr(i));
}

std::vector<std::u16string_view> ImparteLinii(std::u16string_view text) {
  std::vector<std::u16string_view> linii;
  size_t i = 0;
  while (i <= text.size()) {
    const size_t j = text.find_first_of(u"\r\n", i);
    if (j == std::u16string_view::npos) {
      linii.push_back(text.substr(i));
      break;
    }
    linii.push_back(text.substr(i, j - i));
    i = j + (text[j] == u'\r' && j + 1 < text.size() && text[j + 1] == u'\n' ? 2 : 1);
  }
  return linii;
}

std::u16string TextNumar(long long value) {
  std::u16string out;
  unsigned long long v = value < 0 ? 0ULL - static_cast<unsigned long long>(value)
                                   : static_cast<unsigned long long>(value);
  do {
    out.insert(out.begin(), static_cast<char16_t>(u'0' + v % 10));
    v /= 10;
  } while (v != 0);
  if (value < 0) out.insert(out.begin(), u'-');
  return out;
}

}  // namespace kavelo
