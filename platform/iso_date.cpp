#include "platform/iso_date.h"

namespace kavelo {

namespace {

class Cititor {
 public:
  explicit Cititor(std::u16string_view t) : t_(t) {}
  bool Cifre(size_t n, int& v) {
    if (i_ + n > t_.size()) return false;
    v = 0;
    for (size_t k = 0; k < n; ++k) {
      const char16_t c = t_[i_ + k];
      if (c < u'0' || c > u'9') return false;
      v = v * 10 + (c - u'0');
    }
    i_ += n;
    return true;
  }
  bool Caracter(char16_t c) {
    if (i_ < t_.size() && t_[i_] == c) {
      ++i_;
      return true;
    }
    return false;
  }
  bool Sfarsit() const { return i_ == t_.size(); }
  char16_t Urmator() const { return i_ < t_.size() ? t_[i_] : u'\0'; }
  void Avanseaza() { ++i_; }

 private:
  std::u16string_view t_;
  size_t i_ = 0;
};

bool Bisect(int an) { return (an % 4 == 0 && an % 100 != 0) || an % 400 == 0; }

// Days from 1899-12-30 to the date.
double Zile(int an, int luna, int zi) {
  static constexpr int kInainte[] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
  const long long y = an - 1;
  long long zile = y * 365 + y / 4 - y / 100 + y / 400 + kInainte[luna - 1] + zi;
  if (luna > 2 && Bisect(an)) ++zile;
  return static_cast<double>(zile - 693594);  // 693594: the same count for 1899-12-30
}

}  // namespace

bool CitesteIso8601(std::u16string_view text, TDataOra& data) {
  Cititor c(text);
  int an, luna, zi;
  if (!c.Cifre(4, an) || !c.Caracter(u'-') || !c.Cifre(2, luna) || !c.Caracter(u'-') || !c.Cifre(2, zi)) return false;
  static constexpr int kZile[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (an < 1 || luna < 1 || luna > 12 || zi < 1 || zi > kZile[luna - 1] || (luna == 2 && zi == 29 && !Bisect(an)))
    return false;
  double timp = 0;
  if (c.Caracter(u'T')) {
    int ora, minut, secunda = 0;
    if (!c.Cifre(2, ora) || !c.Caracter(u':') || !c.Cifre(2, minut)) return false;
    double fractiune = 0;
    if (c.Caracter(u':')) {
      if (!c.Cifre(2, secunda)) return false;
      if (c.Caracter(u'.') || c.Caracter(u',')) {
        double pas = 0.1;
        int cifra;
        bool vreuna = false;
        while (c.Cifre(1, cifra)) {
          fractiune += cifra * pas;
          pas /= 10;
          vreuna = true;
        }
        if (!vreuna) return false;
      }
    }
    if (ora > 24 || minut > 59 || secunda > 59 || (ora == 24 && (minut != 0 || secunda != 0 || fractiune != 0)))
      return false;
    timp = (ora * 3600 + minut * 60 + secunda + fractiune) / 86400.0;
    if (c.Caracter(u'Z')) {
    } else if (c.Urmator() == u'+' || c.Urmator() == u'-') {
      c.Avanseaza();
      int ore, minute = 0;
      if (!c.Cifre(2, ore)) return false;
      if (c.Caracter(u':')) {
        if (!c.Cifre(2, minute)) return false;
      } else if (!c.Sfarsit() && !c.Cifre(2, minute)) {
        return false;
      }
      if (ore > 14 || minute > 59) return false;
    }
  }
  if (!c.Sfarsit()) return false;
  data = CompuneDataOra(an, luna, zi, timp * 86400.0);
  return true;
}

TDataOra CompuneDataOra(int an, int luna, int zi, double secunde) {
  const double zile = Zile(an, luna, zi);
  const double timp = secunde / 86400.0;
  // Before 1899-12-30 the fraction counts away from zero, as the tables keep it.
  return TDataOra{zile < 0 ? zile - timp : zile + timp};
}

}  // namespace kavelo
