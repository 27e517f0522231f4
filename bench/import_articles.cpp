// Runs the articles import on a file against an empty articles table and
// reports the outcome, the time taken and the peak memory of the process.
//
// Usage: import_articles <file.xml>
#include <sys/resource.h>

#include <chrono>
#include <cstdio>

#include "check/articles_table.h"
#include "import/articles_import.h"
#include "platform/utf.h"

int main(int argc, char** argv) {
  using namespace kavelo;
  if (argc != 2) {
    std::fprintf(stderr, "usage: import_articles <file.xml>\n");
    return 2;
  }
  const auto inceput = std::chrono::steady_clock::now();
  FileInputStream in(Utf16DinNumeSistem(argv[1]));
  auto tabel = TabelArticole();
  TFerXmlContext ctx;
  ctx.Articole = tabel.get();
  const auto plan = ImportaArticole(in, ctx, nullptr);
  const double secunde = std::chrono::duration<double>(std::chrono::steady_clock::now() - inceput).count();
  rusage r{};
  getrusage(RUSAGE_SELF, &r);
  std::printf("%d new, %d refused, %d problems, %.2f s, peak RSS %ld KiB\n", plan->Nr(fxaNou), plan->Nr(fxaRefuzat),
              plan->Probleme.Count(), secunde, r.ru_maxrss);
  return 0;
}
