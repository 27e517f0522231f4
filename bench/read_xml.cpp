// Reads a file with the XML node reader and reports the units read, the time
// taken and the peak memory of the process.
//
// Usage: read_xml <file.xml>
#include <sys/resource.h>

#include <chrono>
#include <cstdio>

#include "import/xml_reader.h"
#include "platform/utf.h"

int main(int argc, char** argv) {
  using namespace kavelo;
  if (argc != 2) {
    std::fprintf(stderr, "usage: read_xml <file.xml>\n");
    return 2;
  }
  const auto inceput = std::chrono::steady_clock::now();
  FileInputStream in(Utf16DinNumeSistem(argv[1]));
  long long unitati = 0, atribute = 0;
  TFerXmlProblema p;
  const bool ok = CitesteXml(
      in,
      [&](TFerXmlNod& nod, std::int32_t ordin) {
        if (ordin > 0) ++unitati;
        atribute += static_cast<long long>(nod.Atribute.size());
      },
      p);
  const double secunde = std::chrono::duration<double>(std::chrono::steady_clock::now() - inceput).count();
  rusage r{};
  getrusage(RUSAGE_SELF, &r);
  std::printf("%s: %lld units, %lld attributes, %.2f s, peak RSS %ld KiB\n", ok ? "read" : "XML error", unitati,
              atribute, secunde, r.ru_maxrss);
  return ok ? 0 : 1;
}
