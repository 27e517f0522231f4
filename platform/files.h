// The file system as the program sees it: UTF-16 names, POSIX underneath.
#pragma once

#include <optional>
#include <string>

namespace kavelo {

// True when the name is an existing file (links followed; a folder is not a file).
bool FisierExista(const std::u16string& nume);

// The absolute form of a name relative to the current directory, with "."
// and ".." segments and repeated slashes resolved by the text alone (links
// are not followed). Nothing when the current directory cannot be read.
std::optional<std::u16string> CaleAbsoluta(const std::u16string& nume);

// The name without its folder part.
std::u16string NumeFaraFolder(const std::u16string& nume);

}  // namespace kavelo
