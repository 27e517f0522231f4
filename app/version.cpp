#include "app/version.h"

#include <charconv>

#include "platform/ascii.h"
#include "platform/exception.h"
#include "platform/text_format.h"
#include "platform/utf.h"

namespace kavelo {

std::u16string IdBuild = u"dev";

namespace {

struct Renumerotare {
  int An, Major, Minor;
};
constexpr Renumerotare kRenumerotari[] = {{2026, 17, 1}, {2027, 17, 27}};

constexpr TNumarVersiune kImportPurtat{{17, 1, 80, 0}};
constexpr TNumarVersiune kUrmatoareaLansare{{17, 1, 81, 0}};

}  // namespace

TNumarVersiune CitesteVersiune(const std::u16string& text) {
  TNumarVersiune v;
  const std::u16string_view t = TaieBlancuri(text);
  int k = 0;
  size_t i = 0;
  while (i <= t.size() && k < 4) {
    size_t j = t.find(u'.', i);
    if (j == std::u16string_view::npos) j = t.size();
    const std::u16string_view piesa = t.substr(i, j - i);
    i = j + 1;
    if (piesa.empty()) continue;
    const std::string ascii = Utf8DinUtf16(piesa);
    int n = 0;
    const char* inceput = ascii.data();
    if (!ascii.empty() && ascii[0] == '+') ++inceput;
    auto [p, ec] = std::from_chars(inceput, ascii.data() + ascii.size(), n);
    if (ec != std::errc() || p != ascii.data() + ascii.size() || inceput == p)
      throw Exceptie(u"'" + std::u16string(piesa) + u"' is not a valid integer value");
    v.Parti[k++] = n;
  }
  if (v.Parti[1] == 0)
    for (const auto& r : kRenumerotari)
      if (v.Parti[0] == r.An) {
        v.Parti[0] = r.Major;
        v.Parti[1] = r.Minor;
        break;
      }
  return v;
}

bool MaiVecheDecat(const TNumarVersiune& a, const TNumarVersiune& b) {
  for (int k = 0; k < 3; ++k)
    if (a.Parti[k] != b.Parti[k]) return a.Parti[k] < b.Parti[k];
  return a.Parti[3] > 0 && b.Parti[3] > 0 && a.Parti[3] < b.Parti[3];
}

std::u16string TextVersiune(const TNumarVersiune& v) {
  int p0 = v.Parti[0], p1 = v.Parti[1];
  for (const auto& r : kRenumerotari)
    if (p0 == r.Major && p1 == r.Minor) {
      p0 = r.An;
      p1 = 0;
      break;
    }
  return TextNumar(p0) + u"." + TextNumar(p1) + u"." + TextNumar(v.Parti[2]);
}

std::u16string UltimaLansare() { return TextVersiune(kImportPurtat); }

bool EsteLansare() {
  if (!IdBuild.empty()) return false;
  return !MaiVecheDecat(kImportPurtat, CitesteVersiune(kVersiuneMinimaKavelo));
}

std::u16string VersiuneUnealta() {
  if (EsteLansare()) return UltimaLansare();
  return TextVersiune(kUrmatoareaLansare) + u"-" + (IdBuild.empty() ? u"dev" : IdBuild);
}

std::u16string LinieVersiune() {
  const std::u16string descriere =
      EsteLansare() ? Format(u"the import of Kavelo %s", {UltimaLansare()})
                    : Format(u"a development build of the Kavelo import after release %s, not a release",
                             {UltimaLansare()});
  return Format(u"%s %s (%s) - checks Kavelo hardware XML format %d, which Kavelo %s and newer import",
                {std::u16string(kNumeUnealta), VersiuneUnealta(), descriere,
                 std::int64_t{kVersiuneFormat}, std::u16string(kVersiuneMinimaKavelo)});
}

}  // namespace kavelo
