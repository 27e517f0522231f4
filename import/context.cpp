#include "import/context.h"

#include "import/values.h"
#include "platform/ascii.h"

namespace kavelo {

std::u16string FormaToleranta(std::u16string_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (const char16_t c : text)
    if (c != u'\r') out += c == u'\t' ? u' ' : c;
  return out;
}

std::u16string FormaPliata(std::u16string_view text) {
  std::u16string out(TaieBlancuri(text));
  for (auto& c : out) c = MajusculaAscii(c);
  return out;
}

namespace {

// Adds key -> position, or marks the key ambiguous (-1) when another code has it.
void AdaugaAmbiguu(std::unordered_map<std::u16string, std::int32_t>& index, std::u16string cheie, std::int32_t p,
                   const std::vector<TFerXmlArticolCatalog>& articole) {
  const auto [it, nou] = index.emplace(std::move(cheie), p);
  if (!nou && it->second >= 0 && articole[static_cast<size_t>(it->second)].Cod != articole[static_cast<size_t>(p)].Cod)
    it->second = -1;
}

}  // namespace

TFerXmlCatalog::TFerXmlCatalog(TTabelMemorie* t) {
  if (t == nullptr) return;
  const int cod = t->IndexCamp(u"Cod_Mag");
  if (cod < 0) return;
  const int denumire = t->IndexCamp(u"Denumire"), culoare = t->IndexCamp(u"Culoare"),
            tip = t->IndexCamp(u"TipArticol"), latura = t->IndexCamp(u"Latura"),
            referinta = t->IndexCamp(u"Referinta"), lungime = t->IndexCamp(u"Lungime"),
            cote1 = t->IndexCamp(u"Cote1Blocatori"), cote2 = t->IndexCamp(u"Cote2Blocatori"),
            diagrama = t->IndexCamp(u"DiagramaGreutate");
  TTabelMemorie::TCursor c(*t);  // the host's table stays on its record
  const auto text = [&](int camp) { return camp < 0 ? std::u16string() : TextCamp(c.Valoare(camp)); };
  for (c.First(); !c.Eof(); c.Next()) {
    TFerXmlArticolCatalog a;
    a.Cod = text(cod);
    a.Denumire = text(denumire);
    a.Culoare = text(culoare);
    a.TipArticol = text(tip);
    a.Latura = text(latura);
    a.Referinta = text(referinta);
    a.Cote1 = text(cote1);
    a.Cote2 = text(cote2);
    if (lungime >= 0) {
      const TValoareCamp& v = c.Valoare(lungime);
      if (const auto* d = std::get_if<double>(&v)) a.Lungime = *d;
      else if (const auto* i = std::get_if<std::int64_t>(&v)) a.Lungime = static_cast<double>(*i);
    }
    if (diagrama >= 0 && t->Camp(diagrama).Tip == ftBlob) {
      const auto* octeti = std::get_if<std::string>(&c.Valoare(diagrama));
      a.swDiagrama = octeti != nullptr && !octeti->empty();
    }
    const auto p = static_cast<std::int32_t>(FArticole.size());
    FArticole.push_back(std::move(a));
    const std::u16string& k = FArticole.back().Cod;
    FExact.emplace(k, p);
    AdaugaAmbiguu(FTolerant, FormaToleranta(k), p, FArticole);
    AdaugaAmbiguu(FPliat, FormaPliata(k), p, FArticole);
  }
}

bool TFerXmlCatalog::Cauta(std::u16string_view codCautat, TFerXmlArticolCatalog& articol,
                           bool& swPrinToleranta) const {
  swPrinToleranta = false;
  if (const auto it = FExact.find(std::u16string(codCautat)); it != FExact.end()) {
    articol = FArticole[static_cast<size_t>(it->second)];
    return true;
  }
  if (const auto it = FTolerant.find(FormaToleranta(codCautat)); it != FTolerant.end() && it->second >= 0) {
    articol = FArticole[static_cast<size_t>(it->second)];
    swPrinToleranta = true;
    return true;
  }
  articol = TFerXmlArticolCatalog();
  return false;
}

std::u16string TFerXmlCatalog::Sugestie(std::u16string_view codCautat) const {
  if (TaieBlancuri(codCautat).empty()) return std::u16string();
  const auto it = FPliat.find(FormaPliata(codCautat));
  if (it == FPliat.end() || it->second < 0) return std::u16string();
  const std::u16string& cod = FArticole[static_cast<size_t>(it->second)].Cod;
  return cod != codCautat ? cod : std::u16string();
}

TFerXmlFurnizori::TFerXmlFurnizori(TTabelMemorie* t) {
  if (t == nullptr) return;
  const int marca = t->IndexCamp(u"Marca");
  if (marca < 0) return;
  const int vizibil = t->IndexCamp(u"Vizibil");
  TTabelMemorie::TCursor c(*t);
  for (c.First(); !c.Eof(); c.Next()) {
    const std::u16string m = TextCamp(c.Valoare(marca));
    FVizibil.emplace(m, vizibil < 0 || !TextCamp(c.Valoare(vizibil)).empty());
    FPliat.emplace(FormaPliata(m), m);
  }
}

bool TFerXmlFurnizori::Exista(std::u16string_view marca, bool& swEsteVizibil) const {
  const auto it = FVizibil.find(std::u16string(marca));
  swEsteVizibil = it != FVizibil.end() && it->second;
  return it != FVizibil.end();
}

std::u16string TFerXmlFurnizori::Varianta(std::u16string_view marca) const {
  const auto it = FPliat.find(FormaPliata(marca));
  return it != FPliat.end() && it->second != marca ? it->second : std::u16string();
}

}  // namespace kavelo
