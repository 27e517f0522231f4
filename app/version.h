// The tool's version: the numbers of the import it carries, the version
// texts and the version line every report starts with.
#pragma once

#include <string>

namespace kavelo {

struct TNumarVersiune {
  int Parti[4] = {0, 0, 0, 0};
};

inline constexpr int kVersiuneFormat = 2;
inline constexpr char16_t kVersiuneMinimaKavelo[] = u"2026.0.81";
inline constexpr char16_t kNumeUnealta[] = u"KaveloXmlCheck";

// The build identifier: "dev" until the entry sets it.
extern std::u16string IdBuild;

// Throws Exceptie when a piece is not an integer.
TNumarVersiune CitesteVersiune(const std::u16string& text);
bool MaiVecheDecat(const TNumarVersiune& a, const TNumarVersiune& b);
std::u16string TextVersiune(const TNumarVersiune& v);

std::u16string UltimaLansare();
bool EsteLansare();
std::u16string VersiuneUnealta();
std::u16string LinieVersiune();

}  // namespace kavelo
