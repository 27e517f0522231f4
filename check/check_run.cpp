#include "check/check_run.h"

#include "platform/exception.h"

namespace kavelo {

int Verifica(const TXmlCheckOptiuni&, TKVTrsStringsV2&, TXmlCheckIesire*, TXmlCheckIesire*) {
  // The import engine is not part of this build yet: say so rather than
  // pretend that a file was checked.
  throw Exceptie(u"this build cannot check files yet");
}

}  // namespace kavelo
