// The system's message templates: a template text with placeholders filled
// from a list of arguments, over UTF-16 strings.
//
// A placeholder is "%" [index ":"] ["-"] [width] ["." precision] type, where
// index, width and precision are decimal digits or "*" (taken from the next
// argument, which must be an integer). Types: "s" (a string; the precision
// cuts it), "d" (an integer; the precision is the least number of digits,
// zero-padded). "%%" is a percent sign. Arguments beyond the last placeholder
// are ignored.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace kavelo {

using ArgumentFormat = std::variant<std::u16string, std::int64_t>;

// The filled template, or nothing when the placeholders do not fit the
// arguments (too few, a wrong type, an unknown placeholder).
std::optional<std::u16string> IncearcaFormat(std::u16string_view tipar,
                                             const std::vector<ArgumentFormat>& argumente);

// Like IncearcaFormat for templates written in the code, whose placeholders
// are known to fit: a misfit is a programming error and throws.
std::u16string Format(std::u16string_view tipar, const std::vector<ArgumentFormat>& argumente);

}  // namespace kavelo
