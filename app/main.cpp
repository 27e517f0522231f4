// The program's entry: collects the arguments, makes the standard channels,
// runs the tool, flushes, and ends with the run's exit code.
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

#include "app/run.h"
#include "app/version.h"
#include "format/vocabulary.h"
#include "platform/exception.h"
#include "platform/output_stream.h"
#include "platform/utf.h"

namespace {

// The last-resort writer: straight to the standard error handle, bypassing
// every channel, and ignoring the outcome.
void ScrieEroareBruta(const std::u16string& text) {
  if (::fcntl(STDERR_FILENO, F_GETFD) == -1) return;
  const std::string bytes = kavelo::Utf8DinUtf16(text);
  [[maybe_unused]] const ssize_t n = ::write(STDERR_FILENO, bytes.data(), bytes.size());
}

// When standard output fails at the final flush, what standard error holds
// (an error about the report file, say) is still worth delivering.
void GolesteEroarea(kavelo::TXmlCheckIesire* eroare) {
  if (eroare == nullptr) return;
  try {
    eroare->Goleste();
  } catch (...) {
  }
}

}  // namespace

int main(int argc, char** argv) {
  using namespace kavelo;
  // A closed pipe is a failed write, reported like any other, not a silent death.
  std::signal(SIGPIPE, SIG_IGN);
  int cod = 2;
  std::unique_ptr<TXmlCheckIesire> iesire, eroare;
  try {
    IdBuild = u"dev+4849bb2a";
    ConstruiesteTabelFormat();
    std::vector<std::u16string> args;
    for (int i = 1; i < argc; ++i) args.push_back(Utf16DinNumeSistem(argv[i]));
    iesire = IesireStandard(CanalStandard::Iesire);
    eroare = IesireStandard(CanalStandard::Eroare);
    cod = Ruleaza(args, static_cast<int>(args.size()) - 1, SursaEngleza, iesire.get(), eroare.get());
    iesire->Goleste();
    eroare->Goleste();
  } catch (const std::exception& e) {
    cod = 2;
    GolesteEroarea(eroare.get());
    ScrieEroareBruta(u"internal error: " + MesajExceptie(e) + u"\r\n");
  } catch (...) {
    cod = 2;
    GolesteEroarea(eroare.get());
    ScrieEroareBruta(u"internal error: unknown exception\r\n");
  }
  eroare.reset();
  iesire.reset();
  return cod;
}
