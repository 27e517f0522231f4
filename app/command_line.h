// The command line: the options record and its parser.
#pragma once

#include <string>
#include <vector>

namespace kavelo {

enum TXmlCheckTip { xctNiciunul, xctSeturiFeronerie, xctArticoleFeronerie };
enum TXmlCheckLimba { xclEngleza, xclRomana };
enum TXmlCheckFormat { xcfText, xcfJson };

struct TXmlCheckOptiuni {
  TXmlCheckTip Tip = xctNiciunul;
  std::u16string Fisier;
  std::u16string FisierArticole;
  TXmlCheckLimba Limba = xclEngleza;
  TXmlCheckFormat Format = xcfText;
  std::u16string FisierRaport;
  bool swLiniste = false;
  bool swVersiune = false;
  bool swAjutor = false;
  bool swAutoTest = false;
};

// The first name of a type ("hardware-sets", "hardware-articles").
std::u16string NumeTip(TXmlCheckTip tip);

// True and the type when the name is a type's name or alias, ignoring ASCII case.
bool TipDupaNume(const std::u16string& nume, TXmlCheckTip& tip);

// The full path of a file name; the name itself when it cannot be expanded.
std::u16string CaleCompleta(const std::u16string& nume);

// Parses the arguments args[0..maxIndex]. True when the command line is usable
// (mesaj empty); False with the message of the first failure.
bool CitesteOptiuni(const std::vector<std::u16string>& args, int maxIndex, TXmlCheckOptiuni& optiuni,
                    std::u16string& mesaj);

}  // namespace kavelo
