#include "platform/text_format.h"

#include <stdexcept>

#include "platform/ascii.h"
#include "platform/exception.h"

namespace kavelo {

namespace {

constexpr std::int64_t kMaxLatime = 1 << 20;  // width or precision beyond this is a misfit

class Formatator {
 public:
  Formatator(std::u16string_view tipar, const std::vector<ArgumentFormat>& argumente)
      : tipar_(tipar), argumente_(argumente) {}

  bool Ruleaza(std::u16string& out) {
    size_t i = 0;
    while (i < tipar_.size()) {
      const size_t p = tipar_.find(u'%', i);
      if (p == std::u16string_view::npos) {
        out.append(tipar_.substr(i));
        break;
      }
      out.append(tipar_.substr(i, p - i));
      i = p + 1;
      if (!Placeholder(i, out)) return false;
    }
    return true;
  }

 private:
  // Reads digits or "*" at i. Returns false on a misfit.
  bool Numar(size_t& i, std::optional<std::int64_t>& valoare) {
    if (i < tipar_.size() && tipar_[i] == u'*') {
      ++i;
      std::int64_t v;
      if (!Intreg(v)) return false;
      valoare = v;
      return true;
    }
    std::int64_t v = 0;
    bool are = false;
    while (i < tipar_.size() && tipar_[i] >= u'0' && tipar_[i] <= u'9') {
      v = v * 10 + (tipar_[i] - u'0');
      if (v > kMaxLatime) return false;
      are = true;
      ++i;
    }
    if (are) valoare = v;
    return true;
  }

  bool Intreg(std::int64_t& v) {
    if (urmator_ >= argumente_.size()) return false;
    const auto* p = std::get_if<std::int64_t>(&argumente_[urmator_]);
    if (p == nullptr) return false;
    ++urmator_;
    v = *p;
    return true;
  }

  bool Placeholder(size_t& i, std::u16string& out) {
    if (i >= tipar_.size()) return false;
    if (tipar_[i] == u'%') {
      out.push_back(u'%');
      ++i;
      return true;
    }
    std::optional<std::int64_t> primul;
    if (!Numar(i, primul)) return false;
    if (i < tipar_.size() && tipar_[i] == u':') {
      if (!primul) return false;
      urmator_ = static_cast<size_t>(*primul);
      primul.reset();
      ++i;
    }
    bool stanga = false;
    if (i < tipar_.size() && tipar_[i] == u'-') {
      stanga = true;
      ++i;
    }
    std::optional<std::int64_t> latime = primul;
    if (!latime && !Numar(i, latime)) return false;
    std::optional<std::int64_t> precizie;
    if (i < tipar_.size() && tipar_[i] == u'.') {
      ++i;
      if (!Numar(i, precizie)) return false;
      if (!precizie) precizie = 0;
    }
    if (i >= tipar_.size()) return false;
    const char16_t tip = MinusculaAscii(tipar_[i]);
    ++i;
    std::u16string valoare;
    if (tip == u's') {
      if (urmator_ >= argumente_.size()) return false;
      const auto* s = std::get_if<std::u16string>(&argumente_[urmator_]);
      if (s == nullptr) return false;
      ++urmator_;
      valoare = *s;
      if (precizie && *precizie >= 0 && static_cast<size_t>(*precizie) < valoare.size())
        valoare.resize(static_cast<size_t>(*precizie));
    } else if (tip == u'd') {
      std::int64_t v;
      if (!Intreg(v)) return false;
      std::u16string cifre = TextNumar(v);
      const bool negativ = v < 0;
      if (negativ) cifre.erase(0, 1);
      if (precizie && *precizie > 0 && cifre.size() < static_cast<size_t>(*precizie))
        cifre.insert(0, static_cast<size_t>(*precizie) - cifre.size(), u'0');
      valoare = negativ ? u"-" + cifre : cifre;
    } else {
      return false;
    }
    if (latime && *latime > 0 && valoare.size() < static_cast<size_t>(*latime)) {
      const size_t pad = static_cast<size_t>(*latime) - valoare.size();
      if (stanga)
        valoare.append(pad, u' ');
      else
        valoare.insert(0, pad, u' ');
    }
    out.append(valoare);
    return true;
  }

  std::u16string_view tipar_;
  const std::vector<ArgumentFormat>& argumente_;
  size_t urmator_ = 0;
};

}  // namespace

std::optional<std::u16string> IncearcaFormat(std::u16string_view tipar,
                                             const std::vector<ArgumentFormat>& argumente) {
  std::u16string out;
  out.reserve(tipar.size() + 16);
  Formatator f(tipar, argumente);
  if (!f.Ruleaza(out)) return std::nullopt;
  return out;
}

std::u16string Format(std::u16string_view tipar, const std::vector<ArgumentFormat>& argumente) {
  auto rezultat = IncearcaFormat(tipar, argumente);
  if (!rezultat)
    throw Exceptie(u"Format \"" + std::u16string(tipar) + u"\" invalid or incompatible with argument");
  return *rezultat;
}

}  // namespace kavelo
