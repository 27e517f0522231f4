#include "import/xml_reader.h"

#include <expat.h>

#include <array>
#include <exception>
#include <unordered_map>

#include "platform/ascii.h"
#include "platform/code_pages.h"
#include "platform/exception.h"
#include "platform/utf.h"

namespace kavelo {

bool TFerXmlNod::Atribut(std::u16string_view nume, std::u16string& valoare) const {
  for (const auto& [n, v] : Atribute)
    if (n == nume) {
      valoare = v;
      return true;
    }
  valoare.clear();
  return false;
}

namespace {

constexpr char kSeparator = '\x01';  // between URI, local name and prefix; never in a document
constexpr std::string_view kXsi = "http://www.w3.org/2001/XMLSchema-instance";
constexpr size_t kBucata = 64 * 1024;
constexpr size_t kMaxNumeInCache = 4096;

bool EsteAlb(char16_t c) { return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r'; }

// The length of a valid UTF-8 sequence at p (at most n bytes), 0 when invalid.
size_t SecventaUtf8(const unsigned char* p, size_t n) {
  const unsigned char b = p[0];
  size_t lungime;
  if (b < 0x80) return 1;
  if (b >= 0xC2 && b <= 0xDF) lungime = 2;
  else if (b >= 0xE0 && b <= 0xEF) lungime = 3;
  else if (b >= 0xF0 && b <= 0xF4) lungime = 4;
  else return 0;
  if (n < lungime) return 0;
  for (size_t k = 1; k < lungime; ++k)
    if ((p[k] & 0xC0) != 0x80) return 0;
  if (b == 0xE0 && p[1] < 0xA0) return 0;  // overlong
  if (b == 0xED && p[1] >= 0xA0) return 0;  // surrogate
  if (b == 0xF0 && p[1] < 0x90) return 0;  // overlong
  if (b == 0xF4 && p[1] >= 0x90) return 0;  // beyond U+10FFFF
  return lungime;
}

struct HashText {
  using is_transparent = void;
  size_t operator()(std::string_view s) const { return std::hash<std::string_view>()(s); }
};

struct NumeCalificat {
  std::u16string Nume;
  bool swXsi = false;  // a prefixed name in the schema-instance namespace
};

// The state of one parse. Every expat callback enters through a static
// function that never lets an exception escape into the parser's C frames:
// the work runs under a guard, and a stop, an error or an exception stops
// the parser and is dealt with once XML_Parse has returned.
class TFerXmlSax {
 public:
  explicit TFerXmlSax(const TFerXmlProcUnitate& proc) : FProc(proc) {}
  TFerXmlSax(const TFerXmlSax&) = delete;
  TFerXmlSax& operator=(const TFerXmlSax&) = delete;
  ~TFerXmlSax() {
    if (FParser != nullptr) XML_ParserFree(FParser);
  }

  bool Ruleaza(InputStream& stream, TFerXmlProblema& problema);

 private:
  // expat entry points
  static void OnStart(void* d, const XML_Char* nume, const XML_Char** atribute);
  static void OnEnd(void* d, const XML_Char* nume);
  static void OnCharacters(void* d, const XML_Char* s, int n);
  static void OnCdataStart(void* d);
  static void OnCdataEnd(void* d);
  static void OnComment(void* d, const XML_Char*);
  static void OnProcessingInstruction(void* d, const XML_Char*, const XML_Char*);
  static void OnDoctype(void* d, const XML_Char*, const XML_Char*, const XML_Char*, int);
  static void OnXmlDecl(void* d, const XML_Char*, const XML_Char* encoding, int);
  static int OnUnknownEncoding(void* d, const XML_Char* nume, XML_Encoding* info);

  template <typename F>
  void Pazit(F&& lucru);
  bool Oprit() const { return swOprit || FExceptie || swEroare; }
  void Eroare(std::u16string mesaj, std::int32_t linie, std::int32_t coloana);
  void EroareExpat();
  std::u16string RafinareCaracterInvalid() const;

  void Start(const XML_Char* nume, const XML_Char** atribute);
  void End();
  void Caractere(const XML_Char* s, int n);
  void CdataStart();
  void CdataEnd();
  void TerminaText();
  std::u16string_view Text16(const XML_Char* s, int n);

  const NumeCalificat& Nume(const XML_Char* brut);
  std::int32_t LinieCurenta() const { return static_cast<std::int32_t>(XML_GetCurrentLineNumber(FParser)); }
  std::int32_t ColoanaCurenta() const {
    return Coloana(XML_GetCurrentLineNumber(FParser), XML_GetCurrentColumnNumber(FParser));
  }
  // Columns from 1. The parser counts a byte order mark as a character of
  // the first line; a reader of the file does not see it.
  std::int32_t Coloana(XML_Size linie, XML_Size coloana) const {
    return static_cast<std::int32_t>(coloana) + (linie == 1 && swBom ? 0 : 1);
  }
  TFerXmlNod* Varf() { return FStiva.back(); }

  const TFerXmlProcUnitate& FProc;
  XML_Parser FParser = nullptr;

  std::unique_ptr<TFerXmlNod> FUnitate;  // the open unit; owns every deeper open node
  std::vector<TFerXmlNod*> FStiva;       // open elements at depth 2 and deeper, innermost last
  std::int32_t FAdancime = 0;
  std::int32_t FOrdin = 0;
  std::u16string FNumeRadacina;

  bool swInCDATA = false;
  bool swUmpleCDATA = false;
  bool swTextRadacina = false;
  std::u16string FTextRadacina;
  std::int32_t FTextRadacinaLinie = 0;
  std::int32_t FTextRadacinaColoana = 0;

  // Character data is gathered between two other events, so that a text
  // the parser delivers in several pieces is seen as one.
  bool swTextDeschis = false;
  bool swTextNevid = false;
  std::u16string FTextBucata;  // its first kMaxText units
  std::int32_t FTextLinie = 0;
  std::int32_t FTextColoana = 0;  // of its first non-blank character, once seen

  bool swOprit = false;
  std::exception_ptr FExceptie;
  bool swEroare = false;
  std::int32_t FEroareLinie = 0;
  std::int32_t FEroareColoana = 0;
  std::u16string FEroareMesaj;

  std::u16string FCodificareDeclarata;  // from the XML declaration
  bool swUtf16 = false;                 // the document starts with a UTF-16 byte order mark
  bool swBom = false;                   // the document starts with a byte order mark
  const CodPagina* FCodPagina = nullptr;
  std::u16string FCodificareNecunoscuta;

  std::unordered_map<std::string, NumeCalificat, HashText, std::equal_to<>> FNume;
  NumeCalificat FNumeTemporar;
  std::u16string FScratch;
};

template <typename F>
void TFerXmlSax::Pazit(F&& lucru) {
  if (Oprit()) return;
  try {
    lucru();
  } catch (const EFerXmlOprire&) {
    swOprit = true;
  } catch (const EFerXmlAbandon&) {
  } catch (...) {
    if (!FExceptie) FExceptie = std::current_exception();
  }
  if (Oprit()) XML_StopParser(FParser, XML_FALSE);
}

void TFerXmlSax::Eroare(std::u16string mesaj, std::int32_t linie, std::int32_t coloana) {
  if (Oprit()) return;
  swEroare = true;
  FEroareMesaj = std::u16string(TaieBlancuri(mesaj));
  if (linie > 0 && coloana <= 0) coloana = 1;
  FEroareLinie = linie;
  FEroareColoana = coloana;
  XML_StopParser(FParser, XML_FALSE);
}

void TFerXmlSax::EroareExpat() {
  const XML_Error cod = XML_GetErrorCode(FParser);
  std::u16string mesaj = Utf16DinUtf8(XML_ErrorString(cod));
  if (cod == XML_ERROR_UNKNOWN_ENCODING && !FCodificareNecunoscuta.empty())
    mesaj = u"the encoding \"" + FCodificareNecunoscuta + u"\" is not supported";
  else if (cod == XML_ERROR_INVALID_TOKEN || cod == XML_ERROR_PARTIAL_CHAR)
    if (std::u16string rafinat = RafinareCaracterInvalid(); !rafinat.empty()) mesaj = std::move(rafinat);
  const auto linie = static_cast<std::int32_t>(XML_GetErrorLineNumber(FParser));
  const auto coloana = Coloana(XML_GetErrorLineNumber(FParser), XML_GetErrorColumnNumber(FParser));
  Eroare(std::move(mesaj), linie, coloana);
}

// When the parser stopped at bytes that are not valid in the document's
// encoding, says so and names the encoding and the byte: the usual cause is
// a file saved in a code page without an encoding declaration.
std::u16string TFerXmlSax::RafinareCaracterInvalid() const {
  if (swUtf16) return std::u16string();
  int offset = 0, marime = 0;
  const char* context = XML_GetInputContext(FParser, &offset, &marime);
  if (context == nullptr || offset < 0 || offset >= marime) return std::u16string();
  const auto* p = reinterpret_cast<const unsigned char*>(context) + offset;
  const size_t rest = static_cast<size_t>(marime - offset);
  bool invalid;
  std::u16string codificare;
  if (FCodPagina != nullptr) {
    invalid = FCodPagina->Caracter(*p) < 0;
    codificare = FCodPagina->Nume;
  } else if (FCodificareDeclarata.empty() || EgalFaraCaz(FCodificareDeclarata, u"UTF-8")) {
    invalid = SecventaUtf8(p, rest) == 0;
    codificare = u"UTF-8";
  } else if (EgalFaraCaz(FCodificareDeclarata, u"US-ASCII")) {
    invalid = *p >= 0x80;
    codificare = u"US-ASCII";
  } else {
    return std::u16string();
  }
  if (!invalid) return std::u16string();
  static constexpr char16_t kHex[] = u"0123456789ABCDEF";
  std::u16string octet = u"0x";
  octet += kHex[*p >> 4];
  octet += kHex[*p & 15];
  return u"invalid character for the encoding " + codificare + u" (byte " + octet + u")";
}

const NumeCalificat& TFerXmlSax::Nume(const XML_Char* brut) {
  const std::string_view s(brut);
  const auto it = FNume.find(s);
  if (it != FNume.end()) return it->second;
  NumeCalificat n;
  const size_t p1 = s.find(kSeparator);
  if (p1 == std::string_view::npos) {
    n.Nume = Utf16DinUtf8(s);
  } else {
    const std::string_view uri = s.substr(0, p1);
    const std::string_view rest = s.substr(p1 + 1);
    const size_t p2 = rest.find(kSeparator);
    const std::string_view local = rest.substr(0, p2);
    if (p2 != std::string_view::npos) {
      n.Nume = Utf16DinUtf8(rest.substr(p2 + 1));
      n.Nume += u':';
      n.swXsi = uri == kXsi;
    }
    n.Nume += Utf16DinUtf8(local);
  }
  if (FNume.size() >= kMaxNumeInCache) {
    FNumeTemporar = std::move(n);
    return FNumeTemporar;
  }
  return FNume.emplace(std::string(s), std::move(n)).first->second;
}

void TFerXmlSax::TerminaText() {
  if (!swTextDeschis) return;
  swTextDeschis = false;
  if (!swTextNevid) return;
  if (FAdancime == 1) {
    if (!swTextRadacina) {
      swTextRadacina = true;
      FTextRadacinaLinie = FTextLinie;
      FTextRadacinaColoana = FTextColoana;
    }
    if (FTextRadacina.empty()) FTextRadacina = FTextBucata;
  } else if (FAdancime >= 2) {
    TFerXmlNod* nod = Varf();
    nod->swText = true;
    if (nod->Text.empty()) nod->Text = FTextBucata;
  }
}

void TFerXmlSax::Start(const XML_Char* nume, const XML_Char** atribute) {
  TerminaText();
  ++FAdancime;
  const std::int32_t linie = LinieCurenta(), coloana = ColoanaCurenta();
  if (FAdancime > kAdancimeMaxima) {
    Eroare(u"the elements are nested deeper than 32 levels", linie, coloana);
    return;
  }
  auto nod = std::make_unique<TFerXmlNod>();
  nod->Nume = Nume(nume).Nume;
  nod->Linie = linie;
  nod->Coloana = coloana;
  size_t nrAtribute = 0;
  for (const XML_Char** a = atribute; *a != nullptr; a += 2) ++nrAtribute;
  nod->Atribute.reserve(nrAtribute);
  for (const XML_Char** a = atribute; *a != nullptr; a += 2) {
    const NumeCalificat& n = Nume(a[0]);
    if (n.swXsi) continue;
    nod->Atribute.emplace_back(n.Nume, Utf16DinUtf8(a[1]));
  }
  if (FAdancime == 1) {
    FNumeRadacina = nod->Nume;
    if (FProc) FProc(*nod, 0);
    return;
  }
  TFerXmlNod* brut = nod.get();
  if (FAdancime == 2) {
    ++FOrdin;
    FUnitate = std::move(nod);
  } else {
    Varf()->Copii.push_back(std::move(nod));
  }
  FStiva.push_back(brut);
}

void TFerXmlSax::End() {
  TerminaText();
  if (FAdancime >= 2) {
    FStiva.pop_back();
    if (FAdancime == 2) {
      std::unique_ptr<TFerXmlNod> unitate = std::move(FUnitate);
      --FAdancime;  // the unit is closed, whatever the callback does
      if (FProc) FProc(*unitate, FOrdin);
      return;
    }
  } else if (FAdancime == 1 && FProc) {
    TFerXmlNod sfarsit;
    sfarsit.Nume = FNumeRadacina;
    sfarsit.swText = swTextRadacina;
    sfarsit.Text = FTextRadacina;
    sfarsit.Linie = swTextRadacina ? FTextRadacinaLinie : LinieCurenta();
    sfarsit.Coloana = swTextRadacina ? FTextRadacinaColoana : ColoanaCurenta();
    --FAdancime;
    FProc(sfarsit, -1);
    return;
  }
  --FAdancime;
}

void TFerXmlSax::Caractere(const XML_Char* s, int n) {
  if (swInCDATA) {
    if (!swUmpleCDATA) return;
    std::u16string& tinta = FAdancime == 1 ? FTextRadacina : Varf()->Text;
    if (tinta.size() >= kMaxText) return;
    tinta.append(Text16(s, n).substr(0, kMaxText - tinta.size()));
    return;
  }
  if (!swTextDeschis) {
    swTextDeschis = true;
    swTextNevid = false;
    FTextBucata.clear();
    FTextLinie = LinieCurenta();
    FTextColoana = ColoanaCurenta();
  }
  if (swTextNevid && FTextBucata.size() >= kMaxText) return;  // nothing more is kept of this text
  const std::u16string_view text = Text16(s, n);
  for (size_t i = 0; i < text.size() && !swTextNevid; ++i) {
    const char16_t c = text[i];
    if (!EsteAlb(c)) {
      swTextNevid = true;
    } else if (c == u'\n') {
      ++FTextLinie;
      FTextColoana = 1;
    } else {
      ++FTextColoana;
    }
  }
  if (FTextBucata.size() < kMaxText) FTextBucata.append(text.substr(0, kMaxText - FTextBucata.size()));
}

// The UTF-16 form of a piece of character data, converted into FScratch.
std::u16string_view TFerXmlSax::Text16(const XML_Char* s, int n) {
  FScratch.clear();
  AdaugaUtf16DinUtf8(FScratch, std::string_view(s, static_cast<size_t>(n)));
  return FScratch;
}

void TFerXmlSax::CdataStart() {
  TerminaText();
  if (FAdancime == 1) {
    if (!swTextRadacina) {
      swTextRadacina = true;
      FTextRadacinaLinie = LinieCurenta();
      FTextRadacinaColoana = ColoanaCurenta();
    }
    swUmpleCDATA = FTextRadacina.empty();
  } else if (FAdancime >= 2) {
    Varf()->swText = true;
    swUmpleCDATA = Varf()->Text.empty();
  }
  swInCDATA = true;
}

void TFerXmlSax::CdataEnd() {
  swInCDATA = false;
  swUmpleCDATA = false;
}

void TFerXmlSax::OnStart(void* d, const XML_Char* nume, const XML_Char** atribute) {
  auto* h = static_cast<TFerXmlSax*>(d);
  h->Pazit([&] { h->Start(nume, atribute); });
}

void TFerXmlSax::OnEnd(void* d, const XML_Char*) {
  auto* h = static_cast<TFerXmlSax*>(d);
  h->Pazit([&] { h->End(); });
}

void TFerXmlSax::OnCharacters(void* d, const XML_Char* s, int n) {
  auto* h = static_cast<TFerXmlSax*>(d);
  h->Pazit([&] { h->Caractere(s, n); });
}

void TFerXmlSax::OnCdataStart(void* d) {
  auto* h = static_cast<TFerXmlSax*>(d);
  h->Pazit([&] { h->CdataStart(); });
}

void TFerXmlSax::OnCdataEnd(void* d) {
  auto* h = static_cast<TFerXmlSax*>(d);
  h->Pazit([&] { h->CdataEnd(); });
}

void TFerXmlSax::OnComment(void* d, const XML_Char*) {
  auto* h = static_cast<TFerXmlSax*>(d);
  h->Pazit([&] { h->TerminaText(); });
}

void TFerXmlSax::OnProcessingInstruction(void* d, const XML_Char*, const XML_Char*) {
  auto* h = static_cast<TFerXmlSax*>(d);
  h->Pazit([&] { h->TerminaText(); });
}

void TFerXmlSax::OnDoctype(void* d, const XML_Char*, const XML_Char*, const XML_Char*, int) {
  auto* h = static_cast<TFerXmlSax*>(d);
  h->Pazit([&] {
    h->Eroare(u"a document type declaration (DOCTYPE) is not allowed", h->LinieCurenta(), h->ColoanaCurenta());
  });
}

void TFerXmlSax::OnXmlDecl(void* d, const XML_Char*, const XML_Char* encoding, int) {
  auto* h = static_cast<TFerXmlSax*>(d);
  h->Pazit([&] {
    if (encoding != nullptr) h->FCodificareDeclarata = Utf16DinUtf8(encoding);
  });
}

int TFerXmlSax::OnUnknownEncoding(void* d, const XML_Char* nume, XML_Encoding* info) {
  auto* h = static_cast<TFerXmlSax*>(d);
  try {
    const std::u16string n = Utf16DinUtf8(nume);
    const CodPagina* pagina = CautaCodPagina(n);
    if (pagina == nullptr) {
      h->FCodificareNecunoscuta = n;
      return XML_STATUS_ERROR;
    }
    h->FCodPagina = pagina;
    for (int b = 0; b < 256; ++b) info->map[b] = pagina->Caracter(static_cast<unsigned char>(b));
    info->data = nullptr;
    info->convert = nullptr;
    info->release = nullptr;
    return XML_STATUS_OK;
  } catch (...) {
    if (!h->FExceptie) h->FExceptie = std::current_exception();
    return XML_STATUS_ERROR;
  }
}

bool TFerXmlSax::Ruleaza(InputStream& stream, TFerXmlProblema& problema) {
  problema = TFerXmlProblema();
  std::u16string mesajExceptie;
  try {
    stream.Rewind();
    FParser = XML_ParserCreateNS(nullptr, kSeparator);
    if (FParser == nullptr) throw Exceptie(u"the XML parser cannot be created");
    XML_SetReturnNSTriplet(FParser, 1);
    XML_SetUserData(FParser, this);
    XML_SetElementHandler(FParser, OnStart, OnEnd);
    XML_SetCharacterDataHandler(FParser, OnCharacters);
    XML_SetCdataSectionHandler(FParser, OnCdataStart, OnCdataEnd);
    XML_SetCommentHandler(FParser, OnComment);
    XML_SetProcessingInstructionHandler(FParser, OnProcessingInstruction);
    XML_SetStartDoctypeDeclHandler(FParser, OnDoctype);
    XML_SetXmlDeclHandler(FParser, OnXmlDecl);
    XML_SetUnknownEncodingHandler(FParser, OnUnknownEncoding, this);
    XML_SetParamEntityParsing(FParser, XML_PARAM_ENTITY_PARSING_NEVER);

    bool primul = true;
    for (;;) {
      void* buf = XML_GetBuffer(FParser, kBucata);
      if (buf == nullptr) throw std::bad_alloc();
      const size_t n = stream.Read(static_cast<char*>(buf), kBucata);
      if (primul && n >= 2) {
        const auto* b = static_cast<const unsigned char*>(buf);
        swUtf16 = (b[0] == 0xFF && b[1] == 0xFE) || (b[0] == 0xFE && b[1] == 0xFF);
        swBom = swUtf16 || (n >= 3 && b[0] == 0xEF && b[1] == 0xBB && b[2] == 0xBF);
      }
      primul = false;
      if (XML_ParseBuffer(FParser, static_cast<int>(n), n == 0) != XML_STATUS_OK) {
        if (!Oprit()) EroareExpat();
        break;
      }
      if (n == 0 || Oprit()) break;
    }
  } catch (const Exceptie& e) {
    mesajExceptie = e.Mesaj();
    if (mesajExceptie.empty()) mesajExceptie = u"the file cannot be read";
  }

  FStiva.clear();
  FUnitate.reset();
  if (FExceptie) std::rethrow_exception(std::exchange(FExceptie, nullptr));
  if (swOprit) return true;
  if (swEroare || !mesajExceptie.empty()) {
    problema.Severitate = fxvFatal;
    problema.Mesaj = fxmFisierIncompatibil;
    problema.Linie = swEroare ? FEroareLinie : 0;
    problema.Coloana = swEroare ? FEroareColoana : 0;
    problema.Parametri = {swEroare ? FEroareMesaj : mesajExceptie};
    return false;
  }
  return true;
}

}  // namespace

bool CitesteXml(InputStream& stream, const TFerXmlProcUnitate& proc, TFerXmlProblema& problema) {
  TFerXmlSax sax(proc);
  return sax.Ruleaza(stream, problema);
}

}  // namespace kavelo
