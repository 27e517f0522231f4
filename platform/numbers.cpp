#include "platform/numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "platform/ascii.h"

namespace kavelo {

namespace {

bool Cifra(char16_t c) { return c >= u'0' && c <= u'9'; }

}  // namespace

RezultatNumar CitesteIntreg64(std::u16string_view t, std::int64_t& v) {
  size_t i = 0;
  bool negativ = false;
  if (i < t.size() && (t[i] == u'+' || t[i] == u'-')) negativ = t[i++] == u'-';
  if (i == t.size()) return RezultatNumar::Invalid;
  for (size_t k = i; k < t.size(); ++k)
    if (!Cifra(t[k])) return RezultatNumar::Invalid;
  unsigned long long n = 0;
  const unsigned long long limita = negativ ? 9223372036854775808ULL : 9223372036854775807ULL;
  for (; i < t.size(); ++i) {
    const unsigned cifra = t[i] - u'0';
    if (n > (limita - cifra) / 10) return RezultatNumar::Depasit;
    n = n * 10 + cifra;
  }
  v = negativ ? static_cast<std::int64_t>(0ULL - n) : static_cast<std::int64_t>(n);
  return RezultatNumar::Citit;
}

RezultatNumar CitesteReal(std::u16string_view t, double& v) {
  std::string ascii;
  size_t i = 0;
  if (i < t.size() && (t[i] == u'+' || t[i] == u'-')) {
    if (t[i] == u'-') ascii += '-';
    ++i;
  }
  size_t cifre = 0;
  while (i < t.size() && Cifra(t[i])) ascii += static_cast<char>(t[i++]), ++cifre;
  if (i < t.size() && t[i] == u'.') {
    ascii += '.';
    ++i;
    while (i < t.size() && Cifra(t[i])) ascii += static_cast<char>(t[i++]), ++cifre;
  }
  if (cifre == 0) return RezultatNumar::Invalid;
  if (i < t.size() && (t[i] == u'e' || t[i] == u'E')) {
    ascii += 'e';
    ++i;
    if (i < t.size() && (t[i] == u'+' || t[i] == u'-')) ascii += static_cast<char>(t[i++]);
    size_t exp = 0;
    while (i < t.size() && Cifra(t[i])) ascii += static_cast<char>(t[i++]), ++exp;
    if (exp == 0) return RezultatNumar::Invalid;
  }
  if (i != t.size()) return RezultatNumar::Invalid;
  // "5." and ".5" are numbers here; the library wants a digit on each side.
  if (ascii.find('.') != std::string::npos) {
    const size_t p = ascii.find('.');
    if (p == 0 || !std::isdigit(static_cast<unsigned char>(ascii[p - 1]))) ascii.insert(p, "0");
    const size_t q = ascii.find('.');
    if (q + 1 == ascii.size() || !std::isdigit(static_cast<unsigned char>(ascii[q + 1]))) ascii.insert(q + 1, "0");
  }
  double d = 0;
  const auto [p, ec] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), d);
  if (ec == std::errc::result_out_of_range) {
    // Too large or too small: tell them apart by the decimal exponent of
    // the first significant digit.
    const size_t e = ascii.find('e');
    std::string mantisa = ascii.substr(0, e);
    const bool negativ = mantisa[0] == '-';
    if (negativ) mantisa.erase(0, 1);
    size_t punct = mantisa.find('.');
    if (punct == std::string::npos) punct = mantisa.size();
    const size_t prima = mantisa.find_first_of("123456789");
    if (prima == std::string::npos) {
      v = 0;
      return RezultatNumar::Citit;
    }
    long long exponent = 0;
    if (e != std::string::npos) {
      size_t k = e + 1;
      const bool minus = ascii[k] == '-';
      if (ascii[k] == '-' || ascii[k] == '+') ++k;
      for (; k < ascii.size(); ++k) exponent = std::min(exponent * 10 + (ascii[k] - '0'), 1000000000LL);
      if (minus) exponent = -exponent;
    }
    exponent += prima < punct ? static_cast<long long>(punct - prima - 1) : -static_cast<long long>(prima - punct);
    if (exponent > 0) return RezultatNumar::Depasit;
    v = negativ ? -0.0 : 0.0;
    return RezultatNumar::Citit;
  }
  if (ec != std::errc() || p != ascii.data() + ascii.size() || !std::isfinite(d)) return RezultatNumar::Invalid;
  v = d;
  return RezultatNumar::Citit;
}

std::u16string TextReal(double v) {
  if (std::isnan(v)) return u"NAN";
  if (std::isinf(v)) return v > 0 ? u"INF" : u"-INF";
  if (v == 0) return u"0";
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.14e", v);  // d.dddddddddddddde+XX: 15 significant digits
  std::string s(buf);
  const size_t e = s.find('e');
  const int exponent = std::atoi(s.c_str() + e + 1);
  const bool negativ = s[0] == '-';
  std::string cifre;
  for (size_t i = negativ ? 1 : 0; i < e; ++i)
    if (s[i] != '.') cifre += s[i];
  while (cifre.size() > 1 && cifre.back() == '0') cifre.pop_back();
  std::string out = negativ ? "-" : "";
  if (exponent >= -5 && exponent < 15) {
    if (exponent < 0) {
      out += "0." + std::string(static_cast<size_t>(-exponent - 1), '0') + cifre;
    } else if (cifre.size() <= static_cast<size_t>(exponent) + 1) {
      out += cifre + std::string(static_cast<size_t>(exponent) + 1 - cifre.size(), '0');
    } else {
      out += cifre.substr(0, static_cast<size_t>(exponent) + 1) + "." + cifre.substr(static_cast<size_t>(exponent) + 1);
    }
  } else {
    out += cifre.substr(0, 1);
    if (cifre.size() > 1) out += "." + cifre.substr(1);
    out += "E" + std::to_string(exponent);
  }
  return std::u16string(out.begin(), out.end());
}

}  // namespace kavelo
