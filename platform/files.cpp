#include "platform/files.h"

#include <climits>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "platform/utf.h"

namespace kavelo {

bool FisierExista(const std::u16string& nume) {
  if (nume.empty()) return false;
  struct stat st;
  if (::stat(NumeSistemDinUtf16(nume).c_str(), &st) != 0) return false;
  return !S_ISDIR(st.st_mode);
}

std::optional<std::u16string> CaleAbsoluta(const std::u16string& nume) {
  std::u16string cale;
  if (!nume.empty() && nume[0] == u'/') {
    cale = nume;
  } else {
    std::vector<char> buf(PATH_MAX + 1);
    if (::getcwd(buf.data(), buf.size()) == nullptr) return std::nullopt;
    cale = Utf16DinNumeSistem(buf.data());
    cale += u'/';
    cale += nume;
  }
  std::vector<std::u16string> segmente;
  size_t i = 0;
  while (i <= cale.size()) {
    size_t j = cale.find(u'/', i);
    if (j == std::u16string::npos) j = cale.size();
    const std::u16string s = cale.substr(i, j - i);
    if (s == u"..") {
      if (!segmente.empty()) segmente.pop_back();
    } else if (!s.empty() && s != u".") {
      segmente.push_back(s);
    }
    i = j + 1;
  }
  if (segmente.empty()) return std::u16string(1, u'/');
  std::u16string rezultat;
  for (const auto& s : segmente) {
    rezultat += u'/';
    rezultat += s;
  }
  return rezultat;
}

std::u16string NumeFaraFolder(const std::u16string& nume) {
  const size_t p = nume.rfind(u'/');
  return p == std::u16string::npos ? nume : nume.substr(p + 1);
}

}  // namespace kavelo
