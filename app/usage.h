// The usage text printed for --help and for a run without arguments.
#pragma once

#include <string>

namespace kavelo {

// 45 lines, each ending in CR LF; the last line is empty.
std::u16string TextUtilizare();

}  // namespace kavelo
