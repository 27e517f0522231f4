// What a set, its rows and its cam locks mean together: size ranges, limits,
// hands, sides and references, article codes and their dimension lists,
// parents, functions and extensions. Every rule only warns.
#include <algorithm>
#include <set>

#include "format/lookups.h"
#include "import/sets_import.h"
#include "platform/ascii.h"
#include "platform/numbers.h"
#include "platform/text_format.h"

namespace kavelo {

namespace {

bool Alb(std::u16string_view t) { return TaieXml(t).empty(); }

bool ManaSauPicior(std::u16string_view stdr) { return stdr == u"S" || stdr == u"D"; }


// The lines of a dimension list, as a list of lines counts them: none for an
// empty text, and a final line break ends the last line.
std::vector<std::u16string_view> LiniiLista(std::u16string_view text) {
  std::vector<std::u16string_view> linii = ImparteLinii(text);
  if (!linii.empty() && linii.back().empty()) linii.pop_back();
  return linii;
}

// The XML code of a stored value of a SetRecord column (the value itself when it has none).
std::u16string CodXmlRand(std::u16string_view numeXml, std::u16string_view valoare) {
  const TFerXmlColoana* c = ColoanaDupaXml(fxeRandSet, numeXml);
  return c != nullptr ? CodXmlStocat(*c, valoare) : std::u16string(valoare);
}

}  // namespace

void TFerXmlImportSeturi::MinMax(const TFerXmlProblema& model, std::u16string_view min, std::u16string_view max,
                                 double vMin, double vMax, const std::u16string& afMin, const std::u16string& afMax) {
  if ((vMin > 0 && vMax == 0) || (vMax > 0 && vMin > vMax))
    AdaugaFaraEfect(model, min, std::u16string(min),
                    Format(u"%s=%s; %s=%s", {std::u16string(min), afMin, std::u16string(max), afMax}), afMin);
}

void TFerXmlImportSeturi::ReguliBlocator(const TFerXmlRandSetPlan& rand, const TFerXmlBlocatorPlan& b,
                                         const std::u16string& deschidere) {
  if (TextBlocator(b, u"Code").empty() || (rand.Tip != fxrsArticol && rand.Tip != fxrsXY)) return;
  const TFerXmlProblema& m = b.Model;
  const TValoareCamp& cota = ValoareBlocator(b, u"Dimension");
  const TValoareCamp& index = ValoareBlocator(b, u"DimensionIndex");
  if (!EsteNul(cota) && (EsteNul(index) || NumarBlocator(b, u"DimensionIndex") != -1))
    AdaugaFaraEfect(m, u"Dimension", u"Dimension",
                    Format(u"Dimension=%s; DimensionIndex=%s",
                           {AfisareBlocator(b, u"Dimension"), AfisareBlocator(b, u"DimensionIndex")}),
                    AfisareBlocator(b, u"Dimension"));
  if (!EsteNul(index) && NumarBlocator(b, u"DimensionIndex") == -1 && EsteNul(cota))
    AdaugaAvertizare(m, fxmCititCa, u"Dimension", u"", {u"Dimension=\"\"", u"Dimension=\"0\""});
  MinMax(m, u"MinX", u"MaxX", NumarBlocator(b, u"MinX"), NumarBlocator(b, u"MaxX"), AfisareBlocator(b, u"MinX"),
         AfisareBlocator(b, u"MaxX"));
  MinMax(m, u"MinY", u"MaxY", NumarBlocator(b, u"MinY"), NumarBlocator(b, u"MaxY"), AfisareBlocator(b, u"MinY"),
         AfisareBlocator(b, u"MaxY"));
  if (!deschidere.empty() && !DeschidereCuMana(deschidere) && ManaSauPicior(TextBlocator(b, u"Left-Right")))
    AdaugaFaraEfect(m, u"Left-Right", u"Left-Right",
                    Format(u"Left-Right=%s; Opening=%s",
                           {AfisareBlocator(b, u"Left-Right"), CodXmlCamp(u"Deschidere", deschidere)}),
                    TextBlocator(b, u"Left-Right"));
  if (!TextBlocator(b, u"ForExtensions").empty() && Alb(TextRandCamp(rand, u"EspagnoleteExtensions")))
    AdaugaFaraEfect(m, u"ForExtensions", u"ForExtensions",
                    Format(u"ForExtensions=%s; EspagnoleteExtensions=", {AfisareBlocator(b, u"ForExtensions")}),
                    AfisareBlocator(b, u"ForExtensions"));
}

void TFerXmlImportSeturi::ReguliRand(const TFerXmlRandSetPlan& rand, const std::u16string& deschidere) {
  const TFerXmlProblema& m = rand.Model;
  if (rand.Tip == fxrsArticol) {
    MinMax(m, u"MinX", u"MaxX", NumarRand(rand, u"MinX"), NumarRand(rand, u"MaxX"), AfisareRand(rand, u"MinX"),
           AfisareRand(rand, u"MaxX"));
    MinMax(m, u"MinY", u"MaxY", NumarRand(rand, u"MinY"), NumarRand(rand, u"MaxY"), AfisareRand(rand, u"MinY"),
           AfisareRand(rand, u"MaxY"));
  } else if (rand.Tip == fxrsXY) {
    if (TextRandCamp(rand, u"Side").empty() && !TextRandCamp(rand, u"Description").starts_with(u"HANDLE")) {
      const double minX = NumarRand(rand, u"MinX"), maxX = NumarRand(rand, u"MaxX"), minY = NumarRand(rand, u"MinY"),
                   maxY = NumarRand(rand, u"MaxY");
      if (!(maxX != 0 && maxY != 0 && minX <= maxX && minY <= maxY))
        AdaugaFaraEfect(m, u"XY", u"Code=\"XY\"",
                        Format(u"MinX=%s; MaxX=%s; MinY=%s; MaxY=%s",
                               {AfisareRand(rand, u"MinX"), AfisareRand(rand, u"MaxX"), AfisareRand(rand, u"MinY"),
                                AfisareRand(rand, u"MaxY")}),
                        u"");
    }
    for (const char16_t* nume : {u"MaxWeight", u"VerifyWeightChart", u"ParentID", u"ChildParentsIDs"}) {
      if (TextRandCamp(rand, nume).empty()) continue;
      const std::u16string af = AfisareRand(rand, nume);
      AdaugaFaraEfect(m, nume, nume, Format(u"%s=%s; Code=\"XY\"", {std::u16string(nume), af}), af);
    }
  } else if (rand.Tip == fxrsGol || (rand.Tip == fxrsFaraCod && !rand.swFaraAtributCod)) {
    AdaugaFaraEfect(m, u"SetRecord", u"<SetRecord>", AtributAfisat(u"Code", TextRandCamp(rand, u"Code")), u"");
  }
  if ((rand.Tip == fxrsArticol || rand.Tip == fxrsXY) && !deschidere.empty() && !DeschidereCuMana(deschidere) &&
      ManaSauPicior(TextRandCamp(rand, u"Left-Right")))
    AdaugaFaraEfect(m, u"Left-Right", u"Left-Right",
                    Format(u"Left-Right=%s; Opening=%s",
                           {AfisareRand(rand, u"Left-Right"), CodXmlCamp(u"Deschidere", deschidere)}),
                    TextRandCamp(rand, u"Left-Right"));
}

void TFerXmlImportSeturi::ReguliSet(const TFerXmlProblema& model, const TCheiSet& chei, TFerXmlSetRezumat& rezumat,
                                    std::vector<TFerXmlRandSetPlan>& randuri) {
  if (FCtx.DeschiderePermisa && !chei[0].empty() && !FCtx.DeschiderePermisa(chei[0])) {
    const std::u16string cod = CodXmlCamp(u"Deschidere", chei[0]);
    AdaugaAvertizare(model, fxmNuExistaIn, u"Opening", cod,
                     {u"Opening", ValoareAfisata(cod), u"DeschideriPermise " + FCtx.NumeSerie});
  }
  if (FCtx.MarcaAcceptata && !chei[2].empty()) {
    const std::u16string t = FCtx.MarcaAcceptata(chei[2]);
    if (!t.empty())
      AdaugaAvertizare(model, fxmNuExistaIn, u"Mark", chei[2],
                       {u"Mark", ValoareAfisata(chei[2]), u"MarciFeroAcceptate " + t});
  }
  std::set<std::int64_t> parinti;
  for (const auto& o : FOptionale) {
    bool aplica = true;
    for (size_t k = 0; k < 4; ++k) aplica = aplica && (o.Chei[k].empty() || o.Chei[k] == chei[k]);
    if (!aplica) continue;
    rezumat.swCuOptionale = true;
    if (o.swParentID) parinti.insert(o.ParentID);
  }
  for (const auto& r : randuri)
    if ((r.Tip == fxrsArticol || r.Tip == fxrsXY) && !EsteNul(ValoareRand(r, u"ParentID")))
      parinti.insert(static_cast<std::int64_t>(NumarRand(r, u"ParentID")));

  bool xyFolosibil = false;
  for (auto& r : randuri) {
    if (r.Tip == fxrsGol || r.Tip == fxrsFaraCod) continue;
    if (r.Tip == fxrsArticol) VerificaArticol(r);
    if (r.Tip == fxrsXY && TextRandCamp(r, u"Side").empty() &&
        !TextRandCamp(r, u"Description").starts_with(u"HANDLE") && NumarRand(r, u"MaxX") > 0 &&
        NumarRand(r, u"MaxY") > 0)
      xyFolosibil = true;
    if (r.Tip == fxrsArticol) {
      const std::u16string t = TextRandCamp(r, u"ChildParentsIDs");
      if (!Alb(t)) {
        const std::vector<std::int32_t> lista = ListaIntregi(t);
        const TValoareCamp& parinte = ValoareRand(r, u"ParentID");
        if (!EsteNul(parinte) &&
            std::find(lista.begin(), lista.end(), static_cast<std::int32_t>(NumarRand(r, u"ParentID"))) != lista.end())
          AdaugaFaraEfect(r.Model, u"ChildParentsIDs", u"ChildParentsIDs",
                          Format(u"ParentID=%s; ChildParentsIDs=%s", {AfisareRand(r, u"ParentID"), ValoareAfisata(t)}),
                          t);
        if (std::any_of(lista.begin(), lista.end(), [&](std::int32_t i) { return !parinti.contains(i); }))
          AdaugaFaraEfect(r.Model, u"ChildParentsIDs", u"ChildParentsIDs", u"ChildParentsIDs=" + ValoareAfisata(t), t);
      }
    }
    RegulaFunctii(r.Model, TextRandCamp(r, u"Functions"));
    for (const auto& b : r.Blocatori) RegulaFunctii(b.Model, TextBlocator(b, u"Functions"));
  }
  if (chei[0] != u"CF" && !xyFolosibil)
    AdaugaFaraEfect(model, u"Set", u"Set", u"0 x Code=\"XY\" (Side=\"\", MaxX>0, MaxY>0)", u"");
}

void TFerXmlImportSeturi::VerificaArticol(TFerXmlRandSetPlan& rand) {
  const TFerXmlProblema& m = rand.Model;
  const int iCod = CampRand(u"Code");
  std::u16string cod = TextRandCamp(rand, u"Code");
  // 1. The catalog.
  if (!swCatalog) {
    rand.swArticol = false;
  } else {
    bool tolerant = false;
    if (FCatalog->Cauta(cod, rand.Articol, tolerant)) {
      rand.swArticol = true;
      if (tolerant && iCod >= 0) {
        const TDefinitieCamp& f = FTabel.Camp(iCod);
        const bool preaScurt = EsteTipText(f.Tip) && f.Marime >= 1 && static_cast<size_t>(f.Marime) < rand.Articol.Cod.size();
        if (!preaScurt) {
          AdaugaAvertizare(m, fxmCititCa, u"Code", cod, {AtributAfisat(u"Code", cod), AtributAfisat(u"Code", rand.Articol.Cod)});
          rand.Valori[static_cast<size_t>(iCod)] = rand.Articol.Cod;
          cod = rand.Articol.Cod;
        }
      }
    } else {
      AdaugaAvertizare(m, fxmArticolInexistent, u"Code", cod, {cod}, FCatalog->Sugestie(cod));
      if (TextRandCamp(rand, u"Colour").empty())
        FImportatiIntai.push_back(AdaugaAvertizare(m, fxmImportatiIntaiArticolele, u"Code", cod, {u"1"}));
    }
  }
  // 2. The colour.
  if (const std::u16string c = TextRandCamp(rand, u"Colour"); !c.empty()) {
    if (rand.swArticol && !rand.Articol.Culoare.empty() && rand.Articol.Culoare != c)
      AdaugaAvertizare(m, fxmDiferaDeArticol, u"Colour", c,
                       {u"Colour", ValoareAfisata(c), ValoareAfisata(rand.Articol.Culoare)});
    if (!FCulori.empty() && !FCulori.contains(c)) {
      const auto s = FCuloriPliate.find(FormaPliata(c));
      AdaugaAvertizare(m, fxmNuExistaIn, u"Colour", c, {u"Colour", ValoareAfisata(c), FCtx.CodSerie + u"Culori.cds"},
                       s == FCuloriPliate.end() ? u"" : s->second);
    }
  }
  // 3. The weight check.
  if (!TextRandCamp(rand, u"VerifyWeightChart").empty()) {
    if (swCatalog && (!rand.swArticol || !rand.Articol.swDiagrama))
      AdaugaAvertizare(m, fxmDiagramaNedefinita, u"Code", cod, {cod});
    if (NumarRand(rand, u"MaxWeight") == 0)
      AdaugaFaraEfect(m, u"VerifyWeightChart", u"VerifyWeightChart",
                      Format(u"VerifyWeightChart=%s; MaxWeight=%s",
                             {AfisareRand(rand, u"VerifyWeightChart"), AfisareRand(rand, u"MaxWeight")}),
                      AfisareRand(rand, u"VerifyWeightChart"));
  }
  // 4. Extensions.
  const std::u16string e = TextRandCamp(rand, u"EspagnoleteExtensions");
  const std::u16string sus = TextRandCamp(rand, u"EspagnoleteExtensionsUp");
  if (!Alb(e)) {
    const std::u16string& tip = rand.Articol.TipArticol;
    if (rand.swArticol && tip != u"Cremon" && tip != u"Broasca" && tip != u"MecanismStulp") {
      const TFerXmlColoana* c = ColoanaDupaXml(fxeArticol, u"FittingType");
      AdaugaFaraEfect(m, u"EspagnoleteExtensions", u"EspagnoleteExtensions",
                      u"FittingType=" + ValoareAfisata(c != nullptr ? CodXmlStocat(*c, tip) : tip), u"");
    }
    LiniiPrelungiri(m, u"EspagnoleteExtensions", e);
  } else {
    if (!Alb(sus))
      AdaugaFaraEfect(m, u"EspagnoleteExtensionsUp", u"EspagnoleteExtensionsUp", u"EspagnoleteExtensions=", u"");
    if (NumarRand(rand, u"MaxExtensionsLength") != 0)
      AdaugaFaraEfect(m, u"MaxExtensionsLength", u"MaxExtensionsLength",
                      Format(u"MaxExtensionsLength=%s; EspagnoleteExtensions=", {AfisareRand(rand, u"MaxExtensionsLength")}),
                      AfisareRand(rand, u"MaxExtensionsLength"));
  }
  if (!Alb(sus)) LiniiPrelungiri(m, u"EspagnoleteExtensionsUp", sus);
  // 5. Cam locks; 6. side and reference.
  CoteBlocatori(rand);
  LaturaSiReferinta(rand);
}

void TFerXmlImportSeturi::RegulaFunctii(const TFerXmlProblema& model, const std::u16string& functii) {
  if (TaieBlancuri(functii).empty()) return;
  size_t i = 0;
  while (i <= functii.size()) {
    size_t j = functii.find_first_of(u"\r\n", i);
    if (j == std::u16string::npos) j = functii.size();
    const std::u16string_view linie = TaieBlancuri(std::u16string_view(functii).substr(i, j - i));
    i = j + 1;
    if (linie.empty() || linie.starts_with(u"//")) continue;
    const auto raporteaza = [&] {
      AdaugaFaraEfect(model, u"Functions", u"Functions", ValoareAfisata(linie), linie);
    };
    const size_t paranteza = linie.find(u'(');
    const std::u16string_view nume =
        TaieBlancuri(paranteza == std::u16string_view::npos ? linie : linie.substr(0, paranteza));
    if (!nume.starts_with(u'+') && FCtx.FunctiePlusIf && !FCtx.FunctiePlusIf(std::u16string(nume))) {
      raporteaza();
      continue;
    }
    if (paranteza == std::u16string_view::npos) continue;
    int nivel = 0;
    char16_t ghilimea = 0;
    size_t sfarsit = std::u16string_view::npos;
    for (size_t k = paranteza; k < linie.size(); ++k) {
      const char16_t c = linie[k];
      if (ghilimea != 0) {
        if (c == ghilimea) ghilimea = 0;
      } else if (c == u'\'' || c == u'"') {
        ghilimea = c;
      } else if (c == u'(') {
        ++nivel;
      } else if (c == u')' && --nivel == 0) {
        sfarsit = k;
        break;
      }
    }
    if (sfarsit == std::u16string_view::npos) {
      raporteaza();
      continue;
    }
    std::u16string rest(TaieBlancuri(linie.substr(sfarsit + 1)));
    std::erase(rest, u';');
    const std::u16string_view r = TaieBlancuri(rest);
    if (!r.empty() && !r.starts_with(u"//")) raporteaza();
  }
}

void TFerXmlImportSeturi::LiniiPrelungiri(const TFerXmlProblema& model, std::u16string_view atribut,
                                          const std::u16string& text) {
  for (const auto linieBruta : ImparteLinii(text)) {
    const std::u16string_view linie = TaieBlancuri(linieBruta);
    if (linie.empty()) continue;
    const std::u16string l(linie);
    if (linie.find_first_of(u",;(") != std::u16string_view::npos || linie.starts_with(u'+')) {
      AdaugaFaraEfect(model, atribut, std::u16string(atribut), ValoareAfisata(linie), l);
      continue;
    }
    if (!swCatalog) continue;
    TFerXmlArticolCatalog articol;
    bool tolerant = false;
    if (!FCatalog->Cauta(l, articol, tolerant)) {
      AdaugaAvertizare(model, fxmArticolInexistent, atribut, l, {l}, FCatalog->Sugestie(l));
    } else if (!(articol.Lungime > 0)) {
      AdaugaFaraEfect(model, atribut, std::u16string(atribut),
                      Format(u"%s; Length=%s",
                             {AtributAfisat(u"Code", l), articol.Lungime == 0 ? u"" : TextReal(articol.Lungime)}),
                      l);
    }
  }
}

void TFerXmlImportSeturi::CoteBlocatori(TFerXmlRandSetPlan& rand) {
  if (!swCatalog) return;
  struct ListaCote {
    std::u16string Cod, Nume, Lista;
  };
  const std::u16string v = TextRandCamp(rand, u"UseCamLocksDimensions2");
  // Whether the first list applies, given the default for "1-2".
  const auto primaLista = [&](bool implicitPrima) {
    if (v == u"1-2") return implicitPrima;
    if (v.empty()) return true;
    std::int64_t n = 2;
    if (CitesteIntreg64(TaieBlancuri(v), n) != RezultatNumar::Citit) n = 2;
    return n == 1;
  };
  const auto lista = [&](const TFerXmlArticolCatalog& a, bool implicitPrima) {
    return primaLista(implicitPrima) ? ListaCote{a.Cod, u"CamLockDimensions1", a.Cote1}
                                     : ListaCote{a.Cod, u"CamLockDimensions2", a.Cote2};
  };
  const int iCodBloc = CampBlocator(u"Code");
  for (auto& b : rand.Blocatori) {
    const std::u16string k = TextBlocator(b, u"Code");
    if (k.empty()) continue;
    TFerXmlArticolCatalog articol;
    bool tolerant = false;
    if (!FCatalog->Cauta(k, articol, tolerant)) {
      AdaugaAvertizare(b.Model, fxmArticolInexistent, u"Code", k, {k}, FCatalog->Sugestie(k));
    } else if (tolerant && iCodBloc >= 0 &&
               static_cast<size_t>(FModelBlocatori.Camp(iCodBloc).Marime) >= articol.Cod.size()) {
      AdaugaAvertizare(b.Model, fxmCititCa, u"Code", k, {AtributAfisat(u"Code", k), AtributAfisat(u"Code", articol.Cod)});
      b.Valori[static_cast<size_t>(iCodBloc)] = articol.Cod;
    }

    std::vector<ListaCote> liste;
    if (!TextBlocator(b, u"ForExtensions").empty()) {
      std::u16string u = TextRandCamp(rand, u"EspagnoleteExtensionsUp");
      if (TaieBlancuri(u).empty()) u = TextRandCamp(rand, u"EspagnoleteExtensions");
      for (const auto l : ImparteLinii(u)) {
        const std::u16string cod(TaieBlancuri(l));
        TFerXmlArticolCatalog a;
        bool t = false;
        if (!cod.empty() && FCatalog->Cauta(cod, a, t)) liste.push_back(lista(a, true));
      }
      const std::u16string jos = TextRandCamp(rand, u"EspagnoleteExtensions");
      for (const auto l : ImparteLinii(jos)) {
        const std::u16string cod(TaieBlancuri(l));
        TFerXmlArticolCatalog a;
        bool t = false;
        if (!cod.empty() && FCatalog->Cauta(cod, a, t)) liste.push_back(lista(a, false));
      }
    } else if (rand.swArticol) {
      liste.push_back(lista(rand.Articol, true));
    }
    if (liste.empty()) continue;

    const double index = NumarBlocator(b, u"DimensionIndex");
    if (index < 0) continue;
    const auto i = static_cast<std::int64_t>(index);
    std::set<std::pair<std::u16string, std::u16string>> vazute;
    const ListaCote* cea_mai_buna = nullptr;
    size_t linii_cea_mai_buna = 0;
    bool exista = false;
    for (const auto& l : liste) {
      if (!vazute.insert({l.Cod, l.Nume}).second) continue;
      const std::vector<std::u16string_view> linii = LiniiLista(l.Lista);
      if (cea_mai_buna == nullptr || linii.size() > linii_cea_mai_buna) {
        cea_mai_buna = &l;
        linii_cea_mai_buna = linii.size();
      }
      if (i < static_cast<std::int64_t>(linii.size())) {
        exista = true;
        const std::u16string_view cota = TaieBlancuri(linii[static_cast<size_t>(i)]);
        double d;
        if (!cota.empty() && CitesteReal(cota, d) != RezultatNumar::Citit)
          AdaugaAvertizare(b.Model, fxmCotaBlocatorNuENumar, u"Code", l.Cod,
                           {TextNumar(i + 1), TextRandCamp(rand, u"Code")});
      }
    }
    if (!exista && cea_mai_buna != nullptr)
      AdaugaFaraEfect(b.Model, u"DimensionIndex", u"DimensionIndex",
                      Format(u"DimensionIndex=%d; %s %s: %d",
                             {i, AtributAfisat(u"Code", cea_mai_buna->Cod), cea_mai_buna->Nume,
                              static_cast<std::int64_t>(linii_cea_mai_buna)}),
                      TextNumar(i));
  }
}

void TFerXmlImportSeturi::LaturaSiReferinta(const TFerXmlRandSetPlan& rand) {
  std::u16string s = TextRandCamp(rand, u"Side");
  if (s.empty() && rand.swArticol) s = rand.Articol.Latura;
  std::u16string r = TextRandCamp(rand, u"Reference");
  if (r.empty() && rand.swArticol) r = rand.Articol.Referinta;
  if (!swCatalog && (s.empty() || Alb(r))) return;
  if (s.empty() || s == u"---") return;
  const TFerXmlColoana* referinta = ColoanaDupaXml(fxeRandSet, u"Reference");
  for (const auto& t : referinta->ValoriTolerate)
    if (TaieXml(r) == t) return;
  const std::u16string codS = CodXmlRand(u"Side", s);
  if (!Alb(r)) {
    static const std::pair<const char16_t*, const char16_t*> kPerechi[] = {
        {u"Maner", u"LatManer"},         {u"Maner", u"LatManerLeg"},
        {u"Balamale", u"LatBal"},        {u"Balamale", u"LatBalLeg"},
        {u"OpusManer", u"LatOpusManer"}, {u"OpusManer", u"LatOpusManerLeg"},
        {u"OpusBalamale", u"LatOpusBal"}, {u"OpusBalamale", u"LatOpusBalLeg"},
    };
    for (const auto& [ls, lr] : kPerechi)
      if (s == ls && r == lr)
        AdaugaFaraEfect(rand.Model, u"Side", u"Side",
                        Format(u"Side=%s; Reference=%s", {ValoareAfisata(codS), ValoareAfisata(CodXmlRand(u"Reference", r))}),
                        codS);
  } else {
    AdaugaFaraEfect(rand.Model, u"Side", u"Side", Format(u"Side=%s; Reference=", {ValoareAfisata(codS)}), codS);
  }
}

}  // namespace kavelo
