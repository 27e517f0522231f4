#include "platform/memory_table.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <sstream>

#include "platform/ascii.h"
#include "platform/saved_table.h"
#include "platform/utf.h"

namespace kavelo {

namespace {

constexpr const char16_t* kNumeTipuri[] = {
    u"String",   u"FixedChar", u"WideString", u"FixedWideChar", u"Memo",     u"FmtMemo",  u"WideMemo",
    u"Blob",     u"Smallint",  u"Shortint",   u"Byte",          u"Word",     u"Integer",  u"LongWord",
    u"Largeint", u"AutoInc",   u"Float",      u"Single",        u"Extended", u"Currency", u"BCD",
    u"FMTBcd",   u"Boolean",   u"Date",       u"Time",          u"DateTime", u"TimeStamp",
};
static_assert(std::size(kNumeTipuri) == ftTimeStamp + 1);

const TValoareCamp kNul;

[[noreturn]] void Eroare(std::u16string mesaj) { throw Exceptie(std::move(mesaj)); }

std::string TextReal(double v) {
  char buf[64];
  auto [p, ec] = std::to_chars(buf, buf + sizeof buf, v);
  return std::string(buf, p);
}

bool CitesteReal(std::string_view text, double& v) {
  auto [p, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
  return ec == std::errc() && p == text.data() + text.size();
}

bool CitesteIntreg(std::string_view text, std::int64_t& v) {
  auto [p, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
  return ec == std::errc() && p == text.data() + text.size() && !text.empty();
}

}  // namespace

std::u16string NumeTipCamp(TTipCamp tip) { return kNumeTipuri[tip]; }

bool TipCampDupaNume(std::u16string_view nume, TTipCamp& tip) {
  for (size_t i = 0; i < std::size(kNumeTipuri); ++i)
    if (nume == kNumeTipuri[i]) {
      tip = static_cast<TTipCamp>(i);
      return true;
    }
  return false;
}

bool EsteTipIntreg(TTipCamp t) {
  return t == ftSmallint || t == ftShortint || t == ftByte || t == ftWord || t == ftInteger || t == ftLongWord ||
         t == ftLargeint || t == ftAutoInc;
}
bool EsteTipReal(TTipCamp t) {
  return t == ftFloat || t == ftSingle || t == ftExtended || t == ftCurrency || t == ftBCD || t == ftFMTBcd;
}
bool EsteTipDataOra(TTipCamp t) { return t == ftDate || t == ftTime || t == ftDateTime || t == ftTimeStamp; }
bool EsteTipText(TTipCamp t) {
  return t == ftString || t == ftFixedChar || t == ftWideString || t == ftFixedWideChar;
}
bool EsteTipMemo(TTipCamp t) { return t == ftBlob || t == ftMemo || t == ftFmtMemo || t == ftWideMemo; }

void DomeniuIntreg(TTipCamp tip, std::int64_t& minim, std::int64_t& maxim) {
  switch (tip) {
    case ftSmallint: minim = -32768; maxim = 32767; return;
    case ftShortint: minim = -128; maxim = 127; return;
    case ftByte: minim = 0; maxim = 255; return;
    case ftWord: minim = 0; maxim = 65535; return;
    case ftLongWord: minim = 0; maxim = 4294967295LL; return;
    case ftLargeint: minim = INT64_MIN; maxim = INT64_MAX; return;
    default: minim = INT32_MIN; maxim = INT32_MAX; return;
  }
}

TTabelMemorie::TTabelMemorie() = default;
TTabelMemorie::~TTabelMemorie() = default;

int TTabelMemorie::AdaugaCamp(std::u16string nume, TTipCamp tip, int marime) {
  if (!FInregistrari.empty()) Eroare(u"Cannot add a field to a table that has records");
  if (IndexCamp(nume) >= 0) Eroare(u"Duplicate field name '" + nume + u"'");
  FCampuri.push_back({std::move(nume), tip, marime});
  ++FVersiune;
  return NrCampuri() - 1;
}

int TTabelMemorie::IndexCamp(std::u16string_view nume) const {
  for (size_t i = 0; i < FCampuri.size(); ++i)
    if (EgalFaraCaz(FCampuri[i].Nume, nume)) return static_cast<int>(i);
  return -1;
}

int TTabelMemorie::CampDupaNume(std::u16string_view nume) const {
  const int i = IndexCamp(nume);
  if (i < 0) Eroare(u"Field '" + std::u16string(nume) + u"' not found");
  return i;
}

void TTabelMemorie::VerificaModRasfoire() {
  if (FStare == dsBrowse) return;
  if (swModificat)
    Post();
  else
    Cancel();
}

void TTabelMemorie::Append() {
  VerificaModRasfoire();
  FTampon.Semn = 0;
  FTampon.Valori.assign(FCampuri.size(), TValoareCamp());
  FStare = dsInsert;
  swModificat = false;
}

void TTabelMemorie::Edit() {
  if (FStare != dsBrowse) return;
  if (FPozitie < 0) Eroare(u"Cannot edit: the table has no current record");
  FTampon = *FOrdine[static_cast<size_t>(FPozitie)];
  FStare = dsEdit;
  swModificat = false;
}

std::u16string TTabelMemorie::CheieIndex(const TValoareCamp& v) const {
  if (const auto* s = std::get_if<std::u16string>(&v)) return *s;
  if (const auto* i = std::get_if<std::int64_t>(&v)) return TextNumar(*i);
  if (const auto* d = std::get_if<double>(&v)) return Utf16DinUtf8(TextReal(*d));
  if (const auto* b = std::get_if<bool>(&v)) return *b ? u"True" : u"False";
  if (const auto* t = std::get_if<TDataOra>(&v)) return Utf16DinUtf8(TextReal(t->Zile));
  if (const auto* o = std::get_if<std::string>(&v)) return Utf16DinNumeSistem(*o);
  return std::u16string();
}

void TTabelMemorie::Post() {
  if (FStare == dsBrowse) return;
  TInregistrare* curent = FStare == dsEdit ? FOrdine[static_cast<size_t>(FPozitie)] : nullptr;
  std::u16string cheie;
  const bool indexat = FCampIndex >= 0 && !EsteNul(FTampon.Valori[static_cast<size_t>(FCampIndex)]);
  if (indexat) {
    cheie = CheieIndex(FTampon.Valori[static_cast<size_t>(FCampIndex)]);
    const auto it = FIndex.find(cheie);
    if (it != FIndex.end() && it->second != curent) throw EKeyViolation();
  }
  if (FCampIndex >= 0 && curent != nullptr && !EsteNul(curent->Valori[static_cast<size_t>(FCampIndex)]))
    FIndex.erase(CheieIndex(curent->Valori[static_cast<size_t>(FCampIndex)]));
  TInregistrare* inregistrare = curent;
  if (curent == nullptr) {
    FInregistrari.push_back(std::make_unique<TInregistrare>());
    inregistrare = FInregistrari.back().get();
    inregistrare->Semn = FUrmatorulSemn++;
  }
  inregistrare->Valori = std::move(FTampon.Valori);
  if (indexat) FIndex.emplace(std::move(cheie), inregistrare);
  FStare = dsBrowse;
  swModificat = false;
  ++FVersiune;
  if (curent == nullptr && swOrdineValida) {
    // A new record goes after its equals, which keeps the order valid.
    const auto loc = std::upper_bound(FOrdine.begin(), FOrdine.end(), inregistrare,
                                      [this](const TInregistrare* a, const TInregistrare* b) {
                                        return MaiMic(FCampuriOrdine, a, b);
                                      });
    const auto inserat = FOrdine.insert(loc, inregistrare);
    Pozitioneaza(static_cast<int>(inserat - FOrdine.begin()));
  } else {
    swOrdineValida = false;
    ReconstruiesteOrdine();
    Pozitioneaza(static_cast<int>(std::find(FOrdine.begin(), FOrdine.end(), inregistrare) - FOrdine.begin()));
  }
  if (DupaPost) DupaPost(*this);
}

void TTabelMemorie::Cancel() {
  FStare = dsBrowse;
  swModificat = false;
  FTampon.Valori.clear();
}

void TTabelMemorie::Delete() {
  if (FStare == dsInsert) {
    Cancel();
    return;
  }
  Cancel();
  if (FPozitie < 0) Eroare(u"Cannot delete: the table has no current record");
  TInregistrare* r = FOrdine[static_cast<size_t>(FPozitie)];
  if (FCampIndex >= 0 && !EsteNul(r->Valori[static_cast<size_t>(FCampIndex)]))
    FIndex.erase(CheieIndex(r->Valori[static_cast<size_t>(FCampIndex)]));
  FOrdine.erase(FOrdine.begin() + FPozitie);
  std::erase_if(FInregistrari, [r](const auto& p) { return p.get() == r; });
  ++FVersiune;
  Pozitioneaza(std::min(FPozitie, static_cast<int>(FOrdine.size()) - 1));
}

void TTabelMemorie::Goleste() {
  Cancel();
  FInregistrari.clear();
  FOrdine.clear();
  FIndex.clear();
  swOrdineValida = true;
  ++FVersiune;
  Pozitioneaza(-1);
}

const TValoareCamp& TTabelMemorie::Valoare(int camp) const {
  if (camp < 0 || camp >= NrCampuri()) Eroare(u"Field index out of range");
  if (FStare != dsBrowse) return FTampon.Valori[static_cast<size_t>(camp)];
  if (FPozitie < 0) return kNul;
  return FOrdine[static_cast<size_t>(FPozitie)]->Valori[static_cast<size_t>(camp)];
}

void TTabelMemorie::SeteazaValoare(int camp, TValoareCamp v) {
  if (FStare == dsBrowse) Eroare(u"The table is not in edit or insert mode");
  if (camp < 0 || camp >= NrCampuri()) Eroare(u"Field index out of range");
  const TDefinitieCamp& c = FCampuri[static_cast<size_t>(camp)];
  const TTipCamp t = c.Tip;
  bool potrivit = EsteNul(v);
  if (!potrivit) {
    if (EsteTipIntreg(t)) {
      if (const auto* i = std::get_if<std::int64_t>(&v)) {
        std::int64_t minim, maxim;
        DomeniuIntreg(t, minim, maxim);
        if (*i < minim || *i > maxim)
          Eroare(TextNumar(*i) + u" is not a valid value for field '" + c.Nume + u"'");
        potrivit = true;
      }
    } else if (EsteTipReal(t)) {
      if (const auto* i = std::get_if<std::int64_t>(&v)) v = static_cast<double>(*i);
      potrivit = std::holds_alternative<double>(v);
    } else if (t == ftBoolean) {
      potrivit = std::holds_alternative<bool>(v);
    } else if (EsteTipDataOra(t)) {
      if (const auto* d = std::get_if<double>(&v)) v = TDataOra{*d};
      potrivit = std::holds_alternative<TDataOra>(v);
    } else if (t == ftBlob) {
      if (const auto* s = std::get_if<std::u16string>(&v)) v = Utf8DinUtf16(*s);
      potrivit = std::holds_alternative<std::string>(v);
    } else {
      potrivit = std::holds_alternative<std::u16string>(v);
    }
  }
  if (!potrivit) Eroare(u"Field '" + c.Nume + u"' cannot hold this kind of value");
  FTampon.Valori[static_cast<size_t>(camp)] = std::move(v);
  swModificat = true;
}

int TTabelMemorie::Compara(const TValoareCamp& a, const TValoareCamp& b) {
  if (EsteNul(a) || EsteNul(b)) return EsteNul(a) == EsteNul(b) ? 0 : (EsteNul(a) ? -1 : 1);
  const auto numar = [](const TValoareCamp& v, double& d) {
    if (const auto* i = std::get_if<std::int64_t>(&v)) d = static_cast<double>(*i);
    else if (const auto* r = std::get_if<double>(&v)) d = *r;
    else if (const auto* t = std::get_if<TDataOra>(&v)) d = t->Zile;
    else if (const auto* b = std::get_if<bool>(&v)) d = *b ? 1 : 0;
    else return false;
    return true;
  };
  if (const auto* ia = std::get_if<std::int64_t>(&a))
    if (const auto* ib = std::get_if<std::int64_t>(&b)) return *ia < *ib ? -1 : (*ia > *ib ? 1 : 0);
  double da, db;
  if (numar(a, da) && numar(b, db)) return da < db ? -1 : (da > db ? 1 : 0);
  if (const auto* sa = std::get_if<std::u16string>(&a))
    if (const auto* sb = std::get_if<std::u16string>(&b)) return sa->compare(*sb) < 0 ? -1 : (*sa == *sb ? 0 : 1);
  if (const auto* oa = std::get_if<std::string>(&a))
    if (const auto* ob = std::get_if<std::string>(&b)) return oa->compare(*ob) < 0 ? -1 : (*oa == *ob ? 0 : 1);
  return a.index() < b.index() ? -1 : (a.index() > b.index() ? 1 : 0);
}

bool TTabelMemorie::MaiMic(const std::vector<int>& campuri, const TInregistrare* a, const TInregistrare* b) {
  for (const int c : campuri) {
    const int r = Compara(a->Valori[static_cast<size_t>(c)], b->Valori[static_cast<size_t>(c)]);
    if (r != 0) return r < 0;
  }
  return false;
}

void TTabelMemorie::ReconstruiesteOrdine() {
  if (swOrdineValida) return;
  FOrdine.clear();
  FOrdine.reserve(FInregistrari.size());
  for (const auto& r : FInregistrari) FOrdine.push_back(r.get());
  if (!FCampuriOrdine.empty())
    std::stable_sort(FOrdine.begin(), FOrdine.end(),
                     [this](const TInregistrare* a, const TInregistrare* b) { return MaiMic(FCampuriOrdine, a, b); });
  swOrdineValida = true;
}

void TTabelMemorie::Pozitioneaza(int pozitie) {
  FPozitie = FOrdine.empty() ? -1 : std::clamp(pozitie, 0, static_cast<int>(FOrdine.size()) - 1);
  swEof = FOrdine.empty();
  swBof = FOrdine.empty();
}

void TTabelMemorie::First() {
  Cancel();
  ReconstruiesteOrdine();
  Pozitioneaza(0);
  swBof = true;
}

void TTabelMemorie::Last() {
  Cancel();
  ReconstruiesteOrdine();
  Pozitioneaza(static_cast<int>(FOrdine.size()) - 1);
  swEof = true;
}

void TTabelMemorie::Next() {
  VerificaModRasfoire();
  ReconstruiesteOrdine();
  swBof = false;
  if (FPozitie + 1 >= static_cast<int>(FOrdine.size())) {
    swEof = true;
    return;
  }
  ++FPozitie;
  swEof = false;
}

void TTabelMemorie::Prior() {
  VerificaModRasfoire();
  ReconstruiesteOrdine();
  swEof = false;
  if (FPozitie <= 0) {
    swBof = true;
    return;
  }
  --FPozitie;
  swBof = false;
}

TTabelMemorie::TSemn TTabelMemorie::Semn() const {
  return FPozitie < 0 ? 0 : FOrdine[static_cast<size_t>(FPozitie)]->Semn;
}

bool TTabelMemorie::SemnValid(TSemn semn) const {
  return semn != 0 && std::any_of(FInregistrari.begin(), FInregistrari.end(),
                                  [semn](const auto& r) { return r->Semn == semn; });
}

bool TTabelMemorie::MergiLaSemn(TSemn semn) {
  Cancel();
  ReconstruiesteOrdine();
  for (size_t i = 0; i < FOrdine.size(); ++i)
    if (FOrdine[i]->Semn == semn) {
      Pozitioneaza(static_cast<int>(i));
      return true;
    }
  return false;
}

void TTabelMemorie::IndexPrimarUnic(std::u16string numeIndex, std::u16string_view camp) {
  const int c = CampDupaNume(camp);
  std::unordered_map<std::u16string, TInregistrare*> index;
  for (const auto& r : FInregistrari) {
    const TValoareCamp& v = r->Valori[static_cast<size_t>(c)];
    if (!EsteNul(v) && !index.emplace(CheieIndex(v), r.get()).second) throw EKeyViolation();
  }
  FNumeIndexPrimar = std::move(numeIndex);
  FCampIndex = c;
  FIndex = std::move(index);
}

namespace {

std::vector<int> CampuriDinLista(const TTabelMemorie& t, std::u16string_view lista) {
  std::vector<int> campuri;
  size_t i = 0;
  while (i < lista.size()) {
    size_t j = lista.find(u';', i);
    if (j == std::u16string_view::npos) j = lista.size();
    if (j > i) campuri.push_back(t.CampDupaNume(lista.substr(i, j - i)));
    i = j + 1;
  }
  return campuri;
}

}  // namespace

void TTabelMemorie::OrdoneazaDupa(std::u16string_view campuri) {
  Cancel();
  const TSemn semn = Semn();
  FCampuriOrdine = CampuriDinLista(*this, campuri);
  swOrdineValida = false;
  ReconstruiesteOrdine();
  if (!MergiLaSemn(semn)) Pozitioneaza(0);
}

template <typename Ptr>
int TTabelMemorie::CautaPozitie(const std::vector<Ptr>& ordine, const std::vector<int>& campuri,
                                const std::vector<TValoareCamp>& chei, bool exact) {
  if (campuri.empty()) Eroare(u"No index is active for a search");
  const size_t n = std::min(chei.size(), campuri.size());
  const auto compara = [&](const TInregistrare* r) {
    for (size_t k = 0; k < n; ++k) {
      const int c = Compara(r->Valori[static_cast<size_t>(campuri[k])], chei[k]);
      if (c != 0) return c;
    }
    return 0;
  };
  const auto it = std::partition_point(ordine.begin(), ordine.end(), [&](const TInregistrare* r) { return compara(r) < 0; });
  if (exact && (it == ordine.end() || compara(*it) != 0)) return -1;
  return static_cast<int>(it - ordine.begin());
}

bool TTabelMemorie::CautaExact(const std::vector<TValoareCamp>& chei) {
  Cancel();
  ReconstruiesteOrdine();
  const int p = CautaPozitie(FOrdine, FCampuriOrdine, chei, true);
  if (p < 0) return false;
  Pozitioneaza(p);
  return true;
}

void TTabelMemorie::CautaAproape(const std::vector<TValoareCamp>& chei) {
  Cancel();
  ReconstruiesteOrdine();
  const int p = CautaPozitie(FOrdine, FCampuriOrdine, chei, false);
  if (p >= static_cast<int>(FOrdine.size())) {
    Pozitioneaza(p);
    swEof = true;
  } else {
    Pozitioneaza(p);
  }
}

std::string TTabelMemorie::Salveaza() const {
  TabelSalvat s;
  for (const auto& c : FCampuri) s.Campuri.push_back({c.Nume, NumeTipCamp(c.Tip), c.Marime});
  for (const auto& r : FInregistrari) {
    auto& rand = s.Randuri.emplace_back();
    for (const auto& v : r->Valori) {
      if (EsteNul(v)) {
        rand.emplace_back(std::nullopt);
      } else if (const auto* o = std::get_if<std::string>(&v)) {
        static constexpr char kHex[] = "0123456789abcdef";
        std::u16string hex;
        for (const unsigned char b : *o) {
          hex += static_cast<char16_t>(kHex[b >> 4]);
          hex += static_cast<char16_t>(kHex[b & 15]);
        }
        rand.emplace_back(std::move(hex));
      } else {
        rand.emplace_back(CheieIndex(v));
      }
    }
  }
  return ScrieTabelSalvat(s);
}

void TTabelMemorie::Incarca(std::string_view salvat) {
  std::istringstream in{std::string(salvat)};
  Incarca(in);
}

void TTabelMemorie::Incarca(std::istream& in) {
  const TabelSalvat s = CitesteTabelSalvat(in);
  std::vector<TDefinitieCamp> campuri;
  for (const auto& c : s.Campuri) {
    TTipCamp tip;
    if (!TipCampDupaNume(c.Tip, tip)) Eroare(u"the saved table is damaged: unknown data type " + c.Tip);
    campuri.push_back({c.Nume, tip, c.Marime});
  }
  std::vector<std::unique_ptr<TInregistrare>> inregistrari;
  for (const auto& rand : s.Randuri) {
    auto r = std::make_unique<TInregistrare>();
    r->Semn = FUrmatorulSemn++;
    for (size_t k = 0; k < rand.size(); ++k) {
      if (!rand[k]) {
        r->Valori.emplace_back();
        continue;
      }
      const std::u16string& text = *rand[k];
      const std::string ascii = Utf8DinUtf16(text);
      const TTipCamp t = campuri[k].Tip;
      bool bun = true;
      if (EsteTipIntreg(t)) {
        std::int64_t i = 0;
        bun = CitesteIntreg(ascii, i);
        r->Valori.emplace_back(i);
      } else if (EsteTipReal(t) || EsteTipDataOra(t)) {
        double d = 0;
        bun = CitesteReal(ascii, d);
        if (EsteTipReal(t)) r->Valori.emplace_back(d); else r->Valori.emplace_back(TDataOra{d});
      } else if (t == ftBoolean) {
        bun = text == u"True" || text == u"False";
        r->Valori.emplace_back(text == u"True");
      } else if (t == ftBlob) {
        std::string octeti;
        bun = ascii.size() % 2 == 0;
        for (size_t i = 0; bun && i < ascii.size(); i += 2) {
          unsigned v = 0;
          auto [p, ec] = std::from_chars(ascii.data() + i, ascii.data() + i + 2, v, 16);
          bun = ec == std::errc() && p == ascii.data() + i + 2;
          octeti.push_back(static_cast<char>(v));
        }
        r->Valori.emplace_back(std::move(octeti));
      } else {
        r->Valori.emplace_back(text);
      }
      if (!bun) Eroare(u"the saved table is damaged: bad value for field " + campuri[k].Nume);
    }
    inregistrari.push_back(std::move(r));
  }
  Cancel();
  FCampuri = std::move(campuri);
  FInregistrari = std::move(inregistrari);
  FCampuriOrdine.clear();
  FNumeIndexPrimar.clear();
  FCampIndex = -1;
  FIndex.clear();
  swOrdineValida = false;
  ++FVersiune;
  ReconstruiesteOrdine();
  Pozitioneaza(0);
}

void TTabelMemorie::TCursor::Actualizeaza() const {
  if (FVersiune == FTabel.FVersiune) return;
  FOrdine.clear();
  for (const auto& r : FTabel.FInregistrari) FOrdine.push_back(r.get());
  if (!FCampuriOrdine.empty())
    std::stable_sort(FOrdine.begin(), FOrdine.end(), [this](const TInregistrare* a, const TInregistrare* b) {
      return MaiMic(FCampuriOrdine, a, b);
    });
  FVersiune = FTabel.FVersiune;
}

void TTabelMemorie::TCursor::OrdoneazaDupa(std::u16string_view campuri) {
  FCampuriOrdine = CampuriDinLista(FTabel, campuri);
  FVersiune = ~0ULL;
  FPozitie = 0;
}

void TTabelMemorie::TCursor::First() {
  Actualizeaza();
  FPozitie = 0;
}

void TTabelMemorie::TCursor::Next() {
  Actualizeaza();
  if (FPozitie < static_cast<int>(FOrdine.size())) ++FPozitie;
}

bool TTabelMemorie::TCursor::Eof() const {
  Actualizeaza();
  return FPozitie >= static_cast<int>(FOrdine.size());
}

bool TTabelMemorie::TCursor::CautaExact(const std::vector<TValoareCamp>& chei) {
  Actualizeaza();
  const int p = CautaPozitie(FOrdine, FCampuriOrdine, chei, true);
  if (p < 0) return false;
  FPozitie = p;
  return true;
}

const TValoareCamp& TTabelMemorie::TCursor::Valoare(int camp) const {
  if (Eof()) return kNul;
  return FOrdine[static_cast<size_t>(FPozitie)]->Valori.at(static_cast<size_t>(camp));
}

TTabelMemorie::TSemn TTabelMemorie::TCursor::Semn() const {
  if (Eof()) return 0;
  return FOrdine[static_cast<size_t>(FPozitie)]->Semn;
}

}  // namespace kavelo
