#include "app/usage.h"

#include <iterator>

namespace kavelo {

namespace {

constexpr const char16_t* kLinii[] = {
    u"Checks a file written for a Kavelo XML import exactly as the Kavelo import does, and prints the",
    u"messages of the import. Nothing is imported; Kavelo is not needed.",
    u"",
    u"Usage:",
    u"  KaveloXmlCheck <type> <file.xml> [options]",
    u"",
    u"Types (the Kavelo import the file is for):",
    u"  hardware-sets        hardware sets, Content=\"HardwareSets\" (also: feronerie-seturi)",
    u"  hardware-articles    hardware articles, Content=\"HardwareArticles\" (also: feronerie-articole)",
    u"",
    u"Options:",
    u"  --articles <file.xml>  hardware-sets only: your articles file. It is checked first (its own report",
    u"                         comes first), then used as the article catalog: an article code of the rows,",
    u"                         cam locks or extensions that it does not have is a format error (exit code 1),",
    u"                         and the rows are checked against their articles. Without it these codes are not",
    u"                         checked.",
    u"  --lang en|ro           the language of the messages about the file (default en). The tool's own lines",
    u"                         (headings, counts, explanations, the note) stay in English.",
    u"  --report <file>        also write the complete report to this file (UTF-8; a text report starts with",
    u"                         a byte order mark, a JSON one does not). Not an .xml file, not the file checked.",
    u"                         Prefer it to a shell redirection, which may change the encoding.",
    u"  --format text|json     text for people (default) or JSON for programs",
    u"  --quiet                only the version line and one summary line per file (the --report file stays",
    u"                         complete; JSON: without the problems)",
    u"  --version              only the version line",
    u"  --help, -h, /?         this text",
    u"",
    u"Exit codes:",
    u"  0  nothing would be refused and no format error (warnings are allowed)",
    u"  1  at least one set or article would be refused, or a format error: a rule of a file written for",
    u"     format 2 that Kavelo tolerates for its older exports (FormatVersion or Content missing or old, a",
    u"     value outside an enumeration, a file without sets or articles, an article code that the",
    u"     --articles file does not have)",
    u"  2  a file cannot be imported at all (unreadable, not well-formed XML, a root other than Base, a newer",
    u"     or invalid FormatVersion, a Content of another import), a file is missing, the command line is",
    u"     wrong, the --report file cannot be written, or an internal error of the tool",
    u"",
    u"Examples:",
    u"  KaveloXmlCheck hardware-articles articles.xml",
    u"  KaveloXmlCheck hardware-sets sets.xml --articles articles.xml --report sets-report.txt",
    u"  KaveloXmlCheck hardware-sets sets.xml --format json --report sets-report.json --quiet",
    u"",
    u"The meaning of every attribute and code, the XSD files and the examples: the Kavelo help topics",
    u"\"Hardware import from XML - guide for manufacturers\", \"Hardware sets XML format\", \"Hardware articles XML format\".",
    u"",
};
static_assert(std::size(kLinii) == 45);

}  // namespace

std::u16string TextUtilizare() {
  std::u16string text;
  for (const char16_t* linie : kLinii) {
    text += linie;
    text += u"\r\n";
  }
  return text;
}

}  // namespace kavelo
