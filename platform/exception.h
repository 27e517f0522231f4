// The general exception of the system: a UTF-16 message. Findings about files
// are never exceptions; these are for stops and failures of the program.
#pragma once

#include <exception>
#include <string>

namespace kavelo {

class Exceptie : public std::exception {
 public:
  explicit Exceptie(std::u16string mesaj);
  const std::u16string& Mesaj() const { return mesaj_; }
  const char* what() const noexcept override { return utf8_.c_str(); }

 private:
  std::u16string mesaj_;
  std::string utf8_;
};

// The message of any exception, for "internal error: " lines.
std::u16string MesajExceptie(const std::exception& e);

// An exception with the system's message for errno value err, prefixed by what.
Exceptie ExceptieSistem(int err);

}  // namespace kavelo
