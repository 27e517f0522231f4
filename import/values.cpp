#include "import/values.h"

#include <cmath>

#include "format/lookups.h"
#include "platform/ascii.h"
#include "platform/code_pages.h"
#include "platform/iso_date.h"
#include "platform/numbers.h"
#include "platform/text_format.h"
#include "platform/utf.h"

namespace kavelo {

namespace {

bool Alb(std::u16string_view v) { return TaieXml(v).empty(); }

bool EsteMemoIngust(TTipCamp t) { return t == ftBlob || t == ftMemo || t == ftFmtMemo; }

// A string field with a size: its size; 0 otherwise.
int MarimeText(const TDefinitieCamp* f) { return f != nullptr && EsteTipText(f->Tip) ? f->Marime : 0; }

std::u16string TextLungime(size_t n) { return TextNumar(static_cast<long long>(n)); }

// Every line break (CR LF, a lone CR, a lone LF) made CR LF.
std::u16string RanduriCrLf(std::u16string_view text) {
  std::u16string out;
  out.reserve(text.size() + 8);
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == u'\r') {
      out += u"\r\n";
      if (i + 1 < text.size() && text[i + 1] == u'\n') ++i;
    } else if (text[i] == u'\n') {
      out += u"\r\n";
    } else {
      out += text[i];
    }
  }
  return out;
}

// Whether the single-byte code page of memo fields holds the character.
bool CodPaginaTine(char32_t c) {
  if (c <= 0x20AB) return true;
  if (c > 0xFFFF) return false;
  const CodPagina& p = Windows1250();
  for (int b = 0x80; b < 0x100; ++b)
    if (p.Caracter(static_cast<unsigned char>(b)) == static_cast<int>(c)) return true;
  return false;
}

// The first character of the value in the forbidden set, if any.
bool CaracterInterzis(TFerXmlCaractere set, std::u16string_view v, char16_t& gasit) {
  for (const char16_t c : v) {
    TFerXmlCaracter cls;
    if (c == u'\t') cls = fxcTab;
    else if (c == u'\n' || c == u'\r') cls = fxcRandNou;
    else if (c == u'\'') cls = fxcApostrof;
    else if (c == u',') cls = fxcVirgula;
    else continue;
    if (set & Caracter(cls)) {
      gasit = c;
      return true;
    }
  }
  if ((set & Caracter(fxcSteaLaFinal)) && !v.empty() && v.back() == u'*') {
    gasit = u'*';
    return true;
  }
  return false;
}

bool SpatiiLaCapete(std::u16string_view v) {
  const auto capat = [](char16_t c) { return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\u00A0'; };
  if (!v.empty() && (capat(v.front()) || capat(v.back()))) return true;
  return v.find_first_of(u"\t\n\r") != std::u16string_view::npos;
}

// Positive integers separated by commas with optional spaces around them.
bool ListaIntregiPozitive(std::u16string_view t) {
  size_t i = 0;
  for (;;) {
    if (i >= t.size() || t[i] < u'1' || t[i] > u'9') return false;
    while (i < t.size() && t[i] >= u'0' && t[i] <= u'9') ++i;
    while (i < t.size() && t[i] == u' ') ++i;
    if (i == t.size()) return true;
    if (t[i] != u',') return false;
    ++i;
    while (i < t.size() && t[i] == u' ') ++i;
  }
}

}  // namespace

std::int32_t TFerXmlValori::AdaugaEroare(const TFerXmlProblema& model, TFerXmlMesaj mesaj,
                                         std::u16string_view atribut, std::u16string_view valoare,
                                         std::vector<std::u16string> parametri, std::u16string_view sugestie) {
  return FProbleme.Adauga(model, fxvEroare, mesaj, atribut, valoare, std::move(parametri), sugestie);
}

std::int32_t TFerXmlValori::AdaugaAvertizare(const TFerXmlProblema& model, TFerXmlMesaj mesaj,
                                             std::u16string_view atribut, std::u16string_view valoare,
                                             std::vector<std::u16string> parametri, std::u16string_view sugestie) {
  return FProbleme.Adauga(model, fxvAvertizare, mesaj, atribut, valoare, std::move(parametri), sugestie);
}

std::int32_t TFerXmlValori::AdaugaFaraEfect(const TFerXmlProblema& model, std::u16string_view atribut,
                                            std::u16string subiect, std::u16string detaliu,
                                            std::u16string_view valoare) {
  return AdaugaAvertizare(model, fxmFaraEfect, atribut, valoare, {std::move(subiect), std::move(detaliu)});
}

void TFerXmlValori::SeteazaDetalii(std::int32_t index, std::vector<std::u16string> detalii) {
  FProbleme.Detalii(index) = std::move(detalii);
}

bool TFerXmlValori::Converteste(const TFerXmlColoana& c, const TDefinitieCamp* f, TValoareCamp& v,
                                const TFerXmlProblema& model, std::u16string_view valoare,
                                std::u16string_view nume) {
  v = TValoareCamp();
  switch (c.Tip) {
    case fxtCheie:
    case fxtIdentitate: return ConvertesteText(c, f, v, model, valoare, nume);
    case fxtDescriere: return ConvertesteDescriere(c, f, v, model, valoare, nume);
    case fxtMemo:
    case fxtListaCoduri:
    case fxtListaNumere: return ConvertesteMemo(c, f, v, model, valoare, nume);
    case fxtListaIntregi: return ConvertesteListaIntregi(c, f, v, model, valoare, nume);
    case fxtIntreg: return ConvertesteIntreg(c, f, v, model, valoare, nume);
    case fxtReal: return ConvertesteReal(c, f, v, model, valoare, nume);
    case fxtBifa: return ConvertesteBifa(c, v, model, valoare, nume);
    case fxtEnum: return ConvertesteEnum(c, f, v, model, valoare, nume);
    case fxtImbricat:
    case fxtIgnorat: return true;
  }
  return true;
}

bool TFerXmlValori::Lungime(const TDefinitieCamp* f, std::u16string_view text, const TFerXmlProblema& model,
                            std::u16string_view valoare, std::u16string_view nume) {
  const int marime = MarimeText(f);
  if (marime < 1 || text.size() <= static_cast<size_t>(marime)) return true;
  AdaugaEroare(model, fxmMotivLungime, nume, valoare, {TextLungime(text.size()), TextNumar(marime)});
  return false;
}

std::u16string TFerXmlValori::Scurteaza(const TDefinitieCamp* f, std::u16string text, const TFerXmlProblema& model,
                                        std::u16string_view valoare, std::u16string_view nume) {
  const int marime = MarimeText(f);
  if (marime < 1 || text.size() <= static_cast<size_t>(marime)) return text;
  std::u16string scurt = CopieFaraSurogat(text, marime);
  AdaugaAvertizare(model, fxmScurtat, nume, valoare,
                   {std::u16string(nume), TextLungime(text.size()), TextLungime(scurt.size())});
  return scurt;
}

bool TFerXmlValori::ConvertesteText(const TFerXmlColoana& c, const TDefinitieCamp* f, TValoareCamp& v,
                                    const TFerXmlProblema& model, std::u16string_view valoare,
                                    std::u16string_view nume) {
  v = TValoareCamp();
  if (valoare.empty()) {
    if (c.Tip == fxtCheie) v = std::u16string();
    return true;
  }
  if (c.Element == fxeRandSet && c.NumeXML == u"Colour" && Alb(valoare)) return true;
  bool ok = Lungime(f, valoare, model, valoare, nume);
  char16_t interzis;
  if (CaracterInterzis(c.Interzise, valoare, interzis)) {
    AdaugaEroare(model, fxmNepermisAici, nume, valoare, {CaracterAfisat(interzis)});
    ok = false;
  }
  if (!ok) return false;
  if (SpatiiLaCapete(valoare))
    AdaugaAvertizare(model, fxmSpatiiLaCapete, nume, valoare, {std::u16string(nume), ValoareAfisata(valoare)});
  v = std::u16string(valoare);
  return true;
}

bool TFerXmlValori::ConvertesteDescriere(const TFerXmlColoana&, const TDefinitieCamp* f, TValoareCamp& v,
                                         const TFerXmlProblema& model, std::u16string_view valoare,
                                         std::u16string_view nume) {
  v = TValoareCamp();
  if (Alb(valoare)) return true;
  v = Scurteaza(f, std::u16string(valoare), model, valoare, nume);
  return true;
}

bool TFerXmlValori::Memo(const TDefinitieCamp* f, TValoareCamp& v, const TFerXmlProblema& model,
                         std::u16string_view valoare, std::u16string_view nume) {
  v = TValoareCamp();
  if (valoare.empty()) return true;
  std::u16string text = RanduriCrLf(valoare);
  if (f != nullptr && EsteMemoIngust(f->Tip))
    for (size_t i = 0; i < text.size(); ++i) {
      char32_t c = text[i];
      if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF)
        c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
      else if (c >= 0xD800 && c <= 0xDFFF)
        c = 0x110000;  // a lone surrogate: held by no code page
      if (!CodPaginaTine(c)) {
        AdaugaEroare(model, fxmNepermisAici, nume, valoare,
                     {u"#" + TextNumar(c == 0x110000 ? text[i] : static_cast<long long>(c))});
        return false;
      }
      if (c > 0xFFFF) ++i;
    }
  v = Scurteaza(f, std::move(text), model, valoare, nume);
  return true;
}

bool TFerXmlValori::ConvertesteMemo(const TFerXmlColoana&, const TDefinitieCamp* f, TValoareCamp& v,
                                    const TFerXmlProblema& model, std::u16string_view valoare,
                                    std::u16string_view nume) {
  return Memo(f, v, model, valoare, nume);
}

bool TFerXmlValori::ConvertesteListaIntregi(const TFerXmlColoana&, const TDefinitieCamp* f, TValoareCamp& v,
                                            const TFerXmlProblema& model, std::u16string_view valoare,
                                            std::u16string_view nume) {
  v = TValoareCamp();
  if (Alb(valoare)) return true;
  if (!ListaIntregiPozitive(TaieXml(valoare))) {
    AdaugaEroare(model, fxmMotivValori, nume, valoare, {u"1,2,..."});
    return false;
  }
  if (!Lungime(f, valoare, model, valoare, nume)) return false;
  v = std::u16string(valoare);
  return true;
}

bool TFerXmlValori::Intreg(std::int64_t minim, std::int64_t maxim, const TDefinitieCamp* f, TValoareCamp& v,
                           const TFerXmlProblema& model, std::u16string_view valoare, std::u16string_view nume) {
  v = TValoareCamp();
  if (Alb(valoare)) return true;
  if (f != nullptr && EsteTipIntreg(f->Tip)) {
    std::int64_t fmin, fmax;
    DomeniuIntreg(f->Tip, fmin, fmax);
    minim = std::max(minim, fmin);
    maxim = std::min(maxim, fmax);
  }
  std::int64_t n = 0;
  const RezultatNumar r = CitesteIntreg64(TaieXml(valoare), n);
  if (r == RezultatNumar::Citit && n >= minim && n <= maxim) {
    if (f != nullptr && EsteTipReal(f->Tip)) v = static_cast<double>(n); else v = n;
    return true;
  }
  if (r == RezultatNumar::Invalid)
    AdaugaEroare(model, fxmMotivNumar, nume, valoare, {u"12, -3"});
  else
    AdaugaEroare(model, fxmMotivInterval, nume, valoare, {TextNumar(minim), TextNumar(maxim)});
  return false;
}

bool TFerXmlValori::ConvertesteIntreg(const TFerXmlColoana& c, const TDefinitieCamp* f, TValoareCamp& v,
                                      const TFerXmlProblema& model, std::u16string_view valoare,
                                      std::u16string_view nume) {
  return Intreg(c.MinInt, c.MaxInt, f, v, model, valoare, nume);
}

bool TFerXmlValori::Real(bool nenegativ, const TDefinitieCamp* f, TValoareCamp& v, const TFerXmlProblema& model,
                         std::u16string_view valoare, std::u16string_view nume) {
  v = TValoareCamp();
  if (Alb(valoare)) return true;
  double d = 0;
  const RezultatNumar r = CitesteReal(TaieXml(valoare), d);
  if (r == RezultatNumar::Invalid) {
    AdaugaEroare(model, fxmMotivNumar, nume, valoare, {u"12.5, -0.75, 1.5E3"});
    return false;
  }
  if (r == RezultatNumar::Depasit) {
    AdaugaEroare(model, fxmMotivInterval, nume, valoare, {nenegativ ? u"0" : u"-1.7E308", u"1.7E308"});
    return false;
  }
  if (nenegativ && d < 0) {
    AdaugaEroare(model, fxmMotivInterval, nume, valoare, {u"0", u"1.7E308"});
    return false;
  }
  if (f != nullptr && EsteTipIntreg(f->Tip)) {
    std::int64_t minim, maxim;
    DomeniuIntreg(f->Tip, minim, maxim);
    const double rotunjit = std::round(d);  // half away from zero
    if (!(rotunjit >= static_cast<double>(minim) && rotunjit < static_cast<double>(maxim) + 1.0)) {
      AdaugaEroare(model, fxmMotivInterval, nume, valoare, {TextNumar(minim), TextNumar(maxim)});
      return false;
    }
    const auto n = static_cast<std::int64_t>(rotunjit);
    if (rotunjit != d)
      AdaugaAvertizare(model, fxmCititCa, nume, valoare, {AtributAfisat(nume, valoare), AtributAfisat(nume, TextNumar(n))});
    v = n;
    return true;
  }
  v = d;
  return true;
}

bool TFerXmlValori::ConvertesteReal(const TFerXmlColoana& c, const TDefinitieCamp* f, TValoareCamp& v,
                                    const TFerXmlProblema& model, std::u16string_view valoare,
                                    std::u16string_view nume) {
  return Real(c.swRealNenegativ, f, v, model, valoare, nume);
}

bool TFerXmlValori::ConvertesteBifa(const TFerXmlColoana& c, TValoareCamp& v, const TFerXmlProblema& model,
                                    std::u16string_view valoare, std::u16string_view nume) {
  v = TValoareCamp();
  if (valoare.empty()) return true;
  const std::u16string_view t = TaieXml(valoare);
  if (t.size() != 1) {
    AdaugaEroare(model, fxmMotivBifa, nume, valoare, {});
    return false;
  }
  bool tolerat = false;
  for (const auto& tol : c.ValoriTolerate) tolerat = tolerat || t == tol;
  if (tolerat) {
    AdaugaAvertizare(model, fxmMotivBifa, nume, valoare, {});
  } else {
    const char16_t ch = t[0];
    if (ch < 33 || ch > 126 || std::u16string_view(u"-0?FNfn").find(ch) != std::u16string_view::npos) {
      AdaugaEroare(model, fxmMotivBifa, nume, valoare, {});
      return false;
    }
    if (c.swAvertizareLitera && ch != u'X' && ch != u'x') AdaugaAvertizare(model, fxmMotivBifa, nume, valoare, {});
  }
  v = std::u16string(t);
  return true;
}

bool TFerXmlValori::ConvertesteEnum(const TFerXmlColoana& c, const TDefinitieCamp* f, TValoareCamp& v,
                                    const TFerXmlProblema& model, std::u16string_view valoare,
                                    std::u16string_view nume) {
  v = TValoareCamp();
  const TRezolvareEnum r = RezolvaValoareEnum(c, valoare);
  if (!r.swSucces) {
    const std::u16string sugestie = SugestieValoareEnum(c, valoare);
    const std::u16string_view t = TaieXml(valoare);
    if (EgalFaraCaz(c.NumeRO, u"Referinta") && EgalFaraCaz(t, u"Echidistant"))
      AdaugaEroare(model, fxmNepermisAici, nume, valoare, {std::u16string(t)}, sugestie);
    else
      AdaugaEroare(model, fxmMotivValori, nume, valoare, {ValoriAcceptate(c)}, sugestie);
    return false;
  }
  if (r.Valoare.empty()) return true;
  if (!Lungime(f, r.Valoare, model, valoare, nume)) return false;
  v = r.Valoare;
  if (r.swCititCa) {
    const std::u16string cod = c.RegulaEnum == fxreBrut ? r.Valoare : CodXmlStocat(c, r.Valoare);
    AdaugaAvertizare(model, fxmCititCa, nume, valoare, {AtributAfisat(nume, valoare), AtributAfisat(nume, cod)});
  }
  if (r.swLiber) {
    if (c.swValoriLibere)
      AdaugaAvertizare(model, fxmNuExistaIn, nume, valoare,
                       {std::u16string(nume), ValoareAfisata(valoare), ValoriAcceptate(c)},
                       SugestieValoareEnum(c, valoare));
    else
      AdaugaFaraEfect(model, nume, std::u16string(nume), std::u16string(nume) + u"=" + ValoareAfisata(valoare), valoare);
  }
  return true;
}

bool TFerXmlValori::ConvertesteClient(const TDefinitieCamp& f, std::u16string_view nume, TValoareCamp& v,
                                      const TFerXmlProblema& model, std::u16string_view valoare) {
  v = TValoareCamp();
  if (EsteTipIntreg(f.Tip)) {
    std::int64_t minim, maxim;
    DomeniuIntreg(f.Tip, minim, maxim);
    return Intreg(minim, maxim, &f, v, model, valoare, nume);
  }
  if (EsteTipReal(f.Tip)) return Real(false, &f, v, model, valoare, nume);
  if (f.Tip == ftBoolean) {
    const std::u16string_view t = TaieXml(valoare);
    if (t.empty()) return true;
    if (EgalFaraCaz(t, u"True") || t == u"1") {
      v = true;
    } else if (EgalFaraCaz(t, u"False") || t == u"0") {
      v = false;
    } else {
      AdaugaEroare(model, fxmMotivValori, nume, valoare, {u"True, False"});
      return false;
    }
    return true;
  }
  if (EsteTipDataOra(f.Tip)) {
    const std::u16string_view t = TaieXml(valoare);
    if (t.empty()) return true;
    TDataOra d;
    if (!CitesteIso8601(t, d)) {
      AdaugaEroare(model, fxmMotivValori, nume, valoare, {u"yyyy-mm-ddThh:nn:ss"});
      return false;
    }
    v = d;
    return true;
  }
  if (EsteTipMemo(f.Tip)) return Memo(&f, v, model, valoare, nume);
  if (EsteTipText(f.Tip)) {
    if (valoare.empty()) return true;
    if (!Lungime(&f, valoare, model, valoare, nume)) return false;
    v = std::u16string(valoare);
    return true;
  }
  return true;
}

void TFerXmlValori::ClientNeschimbabil(const TDefinitieCamp& f, std::u16string_view nume,
                                       const TFerXmlProblema& model, std::u16string_view valoare) {
  AdaugaFaraEfect(model, nume, std::u16string(nume), Format(u"%s: %s", {f.Nume, NumeTipCamp(f.Tip)}), valoare);
}

std::u16string TextCamp(const TValoareCamp& v) {
  if (const auto* s = std::get_if<std::u16string>(&v)) return *s;
  if (const auto* i = std::get_if<std::int64_t>(&v)) return TextNumar(*i);
  if (const auto* d = std::get_if<double>(&v)) return TextReal(*d);
  if (const auto* b = std::get_if<bool>(&v)) return *b ? u"True" : u"False";
  if (const auto* t = std::get_if<TDataOra>(&v)) return TextReal(t->Zile);
  if (const auto* o = std::get_if<std::string>(&v)) return Utf16DinUtf8(*o);
  return std::u16string();
}

double NumarCamp(const TValoareCamp& v) {
  if (const auto* d = std::get_if<double>(&v)) return *d;
  if (const auto* i = std::get_if<std::int64_t>(&v)) return static_cast<double>(*i);
  return 0;
}

bool CampScriibil(const TDefinitieCamp& f) {
  return EsteTipIntreg(f.Tip) || EsteTipReal(f.Tip) || f.Tip == ftBoolean || EsteTipDataOra(f.Tip) ||
         EsteTipText(f.Tip) || f.Tip == ftMemo || f.Tip == ftFmtMemo || f.Tip == ftWideMemo;
}

std::u16string CaracterAfisat(char32_t c) {
  if (c < 32 || c > 126) return u"#" + TextNumar(static_cast<long long>(c));
  return std::u16string(u"\"") + static_cast<char16_t>(c) + u"\"";
}

std::u16string ValoareStocataAfisata(const TValoareCamp& v, const TFerXmlColoana* c) {
  if (EsteNul(v)) return std::u16string();
  std::u16string text = TextCamp(v);
  if (c != nullptr && c->Tip == fxtEnum && std::holds_alternative<std::u16string>(v)) text = CodXmlStocat(*c, text);
  return ValoareAfisata(text);
}

TValoareCamp CitesteCamp(const TTabelMemorie& tabel, int camp) {
  const TValoareCamp& v = tabel.Valoare(camp);
  if (const auto* o = std::get_if<std::string>(&v)) return Utf16DinUtf8(*o);
  return v;
}

void ScrieCamp(TTabelMemorie& tabel, int camp, const TValoareCamp& v) {
  if (EsteNul(v)) {
    tabel.SeteazaValoare(camp, TValoareCamp());
    return;
  }
  const TTipCamp t = tabel.Camp(camp).Tip;
  if (EsteTipIntreg(t)) {
    std::int64_t n = 0;
    if (const auto* i = std::get_if<std::int64_t>(&v)) n = *i;
    else if (const auto* d = std::get_if<double>(&v)) n = static_cast<std::int64_t>(std::llround(*d));
    else if (const auto* b = std::get_if<bool>(&v)) n = *b ? 1 : 0;
    else if (CitesteIntreg64(TaieXml(TextCamp(v)), n) != RezultatNumar::Citit)
      throw Exceptie(u"'" + TextCamp(v) + u"' is not a valid integer value");
    tabel.SeteazaValoare(camp, n);
  } else if (t == ftBoolean) {
    if (const auto* b = std::get_if<bool>(&v)) tabel.SeteazaValoare(camp, *b);
    else if (const auto* i = std::get_if<std::int64_t>(&v)) tabel.SeteazaValoare(camp, *i != 0);
    else tabel.SeteazaValoare(camp, EgalFaraCaz(TextCamp(v), u"True"));
  } else if (EsteTipReal(t) || EsteTipDataOra(t)) {
    double d = 0;
    if (const auto* r = std::get_if<double>(&v)) d = *r;
    else if (const auto* i = std::get_if<std::int64_t>(&v)) d = static_cast<double>(*i);
    else if (const auto* o = std::get_if<TDataOra>(&v)) d = o->Zile;
    else if (CitesteReal(TaieXml(TextCamp(v)), d) != RezultatNumar::Citit)
      throw Exceptie(u"'" + TextCamp(v) + u"' is not a valid floating point value");
    if (EsteTipReal(t)) tabel.SeteazaValoare(camp, d); else tabel.SeteazaValoare(camp, TDataOra{d});
  } else if (t == ftBlob && std::holds_alternative<std::string>(v)) {
    tabel.SeteazaValoare(camp, v);
  } else {
    tabel.SeteazaValoare(camp, TextCamp(v));
  }
}

std::u16string TextComparabil(std::u16string_view text, std::int32_t n) {
  std::u16string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    if (c == u'\r') {
      out += u'\n';
      if (i + 1 < text.size() && text[i + 1] == u'\n') ++i;
    } else {
      out += c == u'\t' ? u' ' : c;
    }
  }
  if (n > 0 && out.size() > static_cast<size_t>(n)) out.resize(static_cast<size_t>(n));
  return out;
}

std::u16string TextCanonic(const TDefinitieCamp& f, const TFerXmlColoana* c, bool swBifa, const TValoareCamp& v) {
  if (EsteNul(v)) return std::u16string();
  if (swBifa && c != nullptr && c->Tip == fxtBifa && c->swAvertizareLitera)
    return TextCamp(v).empty() ? std::u16string() : u"X";
  if (EsteTipIntreg(f.Tip) || EsteTipReal(f.Tip) || f.Tip == ftBoolean || EsteTipDataOra(f.Tip)) return TextCamp(v);
  if (EsteTipText(f.Tip)) return TextComparabil(TextCamp(v), f.Marime);
  return TextComparabil(TextCamp(v), 0);
}

std::u16string CopieFaraSurogat(std::u16string_view text, std::int32_t n) {
  if (n <= 0) return std::u16string();
  if (text.size() <= static_cast<size_t>(n)) return std::u16string(text);
  size_t k = static_cast<size_t>(n);
  if (text[k - 1] >= 0xD800 && text[k - 1] <= 0xDBFF) --k;  // more characters follow: the pair stays whole
  return std::u16string(text.substr(0, k));
}

std::vector<std::int32_t> ListaIntregi(std::u16string_view text) {
  std::vector<std::int32_t> lista;
  size_t i = 0;
  while (i <= text.size()) {
    size_t j = text.find(u',', i);
    if (j == std::u16string_view::npos) j = text.size();
    std::int64_t v;
    if (CitesteIntreg64(TaieBlancuri(text.substr(i, j - i)), v) == RezultatNumar::Citit && v >= INT32_MIN &&
        v <= INT32_MAX)
      lista.push_back(static_cast<std::int32_t>(v));
    i = j + 1;
  }
  return lista;
}

}  // namespace kavelo
