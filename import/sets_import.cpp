#include "import/sets_import.h"

#include <algorithm>

#include "format/lookups.h"
#include "platform/text_format.h"

namespace kavelo {

namespace {

std::u16string UnesteChei(const TCheiSet& c) { return c[0] + u'\x01' + c[1] + u'\x01' + c[2] + u'\x01' + c[3]; }

template <typename F>
std::u16string UnesteForme(const TCheiSet& c, F forma) {
  return forma(c[0]) + u'\x01' + forma(c[1]) + u'\x01' + forma(c[2]) + u'\x01' + forma(c[3]);
}

std::u16string Ghilimele(std::u16string_view text) { return u"\"" + ValoareAfisata(TaieXml(text)) + u"\""; }

}  // namespace

void DefinesteTabelBlocatori(TTabelMemorie& t) {
  t.AdaugaCamp(u"IndexCota", ftSmallint);
  t.AdaugaCamp(u"Cota", ftFloat);
  t.AdaugaCamp(u"Cod", ftWideString, 30);
  t.AdaugaCamp(u"StDr", ftString, 1);
  t.AdaugaCamp(u"MinX", ftSmallint);
  t.AdaugaCamp(u"MaxX", ftSmallint);
  t.AdaugaCamp(u"MinY", ftSmallint);
  t.AdaugaCamp(u"MaxY", ftSmallint);
  t.AdaugaCamp(u"Functii", ftWideMemo);
  t.AdaugaCamp(u"PtPrelungiri", ftString, 1);
}

std::int32_t TFerXmlPlanSeturi::Nr(TFerXmlActiune actiune) const {
  return static_cast<std::int32_t>(
      std::count_if(Seturi.begin(), Seturi.end(), [&](const TFerXmlSetRezumat& s) { return s.Actiune == actiune; }));
}

bool TFerXmlPlanSeturi::AreOptionaleAplicate() const {
  return std::any_of(Seturi.begin(), Seturi.end(), [](const TFerXmlSetRezumat& s) {
    return s.swCuOptionale && (s.Actiune == fxaNou || s.Actiune == fxaInlocuit);
  });
}

TFerXmlImportSeturi::TFerXmlImportSeturi(const TFerXmlContext& ctx, TFerXmlProgres progres, TFerXmlPlanSeturi& plan,
                                         TTabelMemorie& tabel)
    : TFerXmlValori(plan.Probleme), FCtx(ctx), FTabel(tabel), FPlan(plan), FProgres(std::move(progres)) {}

void TFerXmlImportSeturi::Progres(std::int64_t valoare) {
  if (!FProgres) return;
  valoare = std::clamp<std::int64_t>(valoare, 0, 1000);
  if (valoare == FProgresAnterior) return;
  FProgresAnterior = valoare;
  FProgres(static_cast<std::int32_t>(valoare), 1000);
}

void TFerXmlImportSeturi::Executa(InputStream& stream) {
  const TFerXmlProgres progresPas1 = [this](std::int32_t citit, std::int32_t total) {
    Progres(500LL * citit / std::max(total, 1));
  };
  if (!FerXmlCitestePas1(stream, fxcSeturi, FProbleme, progresPas1, FFisier)) return;
  FPlan.SerieSursa = FFisier.Serie;
  FPlan.Generator = FFisier.Generator;
  FPlan.Versiune = FFisier.Versiune;
  if (FFisier.Unitati.empty()) return;
  Pregateste();
  FLatimeOrdin = LatimeOrdin(static_cast<std::int32_t>(FFisier.Unitati.size()));
  TFerXmlProblema problema;
  const bool ok = CitesteXml(
      stream,
      [this](TFerXmlNod& nod, std::int32_t ordin) {
        if (ordin >= 1) CitesteSet(nod, ordin);
      },
      problema);
  if (!ok) {
    FProbleme.Add(std::move(problema));
    return;
  }
  Incheie();
  Progres(1000);
}

void TFerXmlImportSeturi::InregistreazaCheie(const TCheiSet& chei, std::int32_t randuri) {
  const std::u16string exacta = UnesteChei(chei);
  if (const auto it = FChei.find(exacta); it != FChei.end()) {
    it->second += randuri;
    return;
  }
  FChei.emplace(exacta, randuri);
  const auto [t, nou] = FCheiTolerante.emplace(UnesteForme(chei, FormaToleranta), exacta);
  if (!nou && t->second != exacta) t->second.clear();
  FCheiPliate.emplace(UnesteForme(chei, FormaPliata), exacta);
}

void TFerXmlImportSeturi::Pregateste() {
  FTabel.OrdoneazaDupa(u"Deschidere;FU;Marca;SetF");
  FiDeschidere = FTabel.CampDupaNume(u"Deschidere");
  FiFU = FTabel.CampDupaNume(u"FU");
  FiMarca = FTabel.CampDupaNume(u"Marca");
  FiSetF = FTabel.CampDupaNume(u"SetF");
  FiBlocatori = -1;
  FNume = std::make_unique<TFerXmlNumeAtribute>(fxcSeturi, FFisier.ColoaneClient, FFisier.Versiune);
  std::vector<std::u16string> nume;
  for (int i = 0; i < FTabel.NrCampuri(); ++i) nume.push_back(FTabel.Camp(i).Nume);
  FNume->SeteazaCampuriTinta(fxeRandSet, nume);
  FCampuri.assign(nume.size(), TFerXmlCampTinta());
  for (int i = 0; i < FTabel.NrCampuri(); ++i) {
    TFerXmlCampTinta& camp = FCampuri[static_cast<size_t>(i)];
    if (i == FiDeschidere || i == FiFU || i == FiMarca || i == FiSetF) {
      camp.Tip = ftcCheie;
    } else if (const TFerXmlColoana* c = ColoanaDupaRO(fxeRandSet, nume[static_cast<size_t>(i)])) {
      if (c->Tip == fxtImbricat) {
        camp.Tip = ftcBlocatori;
        FiBlocatori = i;
      } else if (c->Activa()) {
        camp = {ftcRegistru, c};
        FIndexRand[c->NumeXML] = i;
      }
    } else if (FNume->EsteColoanaClient(fxeRandSet, nume[static_cast<size_t>(i)]) && CampScriibil(FTabel.Camp(i))) {
      camp.Tip = ftcClient;
    }
  }
  DefinesteTabelBlocatori(FModelBlocatori);
  for (int i = 0; i < FModelBlocatori.NrCampuri(); ++i) {
    const TFerXmlColoana* c = ColoanaDupaRO(fxeBlocator, FModelBlocatori.Camp(i).Nume);
    FColBlocatori.push_back(c);
    if (c != nullptr) FIndexBlocator[c->NumeXML] = i;
  }
  FCatalog = std::make_unique<TFerXmlCatalog>(FCtx.Articole);
  FFurnizori = std::make_unique<TFerXmlFurnizori>(FCtx.Furnizori);
  swCatalog = FCtx.Articole != nullptr;
  swFurnizori = FCtx.Furnizori != nullptr;
  for (const auto& c : FCtx.CuloriFeronerie) {
    FCulori[c] = true;
    FCuloriPliate.emplace(FormaPliata(c), c);
  }
  if (TTabelMemorie* o = FCtx.OptionaleFerArt) {
    const int d = o->IndexCamp(u"Deschidere"), f = o->IndexCamp(u"FU"), m = o->IndexCamp(u"Marca"),
              s = o->IndexCamp(u"SetF"), p = o->IndexCamp(u"ParentID");
    if (d >= 0 && f >= 0 && m >= 0 && s >= 0) {
      TTabelMemorie::TCursor c(*o);
      for (c.First(); !c.Eof(); c.Next()) {
        TFerXmlRandOptional r;
        r.Chei = {TextCamp(c.Valoare(d)), TextCamp(c.Valoare(f)), TextCamp(c.Valoare(m)), TextCamp(c.Valoare(s))};
        if (p >= 0 && !EsteNul(c.Valoare(p))) {
          r.swParentID = true;
          const TValoareCamp& v = c.Valoare(p);
          if (const auto* i = std::get_if<std::int64_t>(&v)) r.ParentID = static_cast<std::int32_t>(*i);
          else if (const auto* x = std::get_if<double>(&v)) r.ParentID = static_cast<std::int32_t>(*x);
        }
        FOptionale.push_back(std::move(r));
      }
    }
  }
  TTabelMemorie::TCursor c(FTabel);
  for (c.First(); !c.Eof(); c.Next())
    InregistreazaCheie({TextCamp(c.Valoare(FiDeschidere)), TextCamp(c.Valoare(FiFU)), TextCamp(c.Valoare(FiMarca)),
                        TextCamp(c.Valoare(FiSetF))},
                       1);
}

void TFerXmlImportSeturi::CitesteSet(TFerXmlNod& nod, std::int32_t n) {
  const auto nrUnitati = static_cast<std::int64_t>(FFisier.Unitati.size());
  Progres(500 + n * 500LL / std::max<std::int64_t>(nrUnitati, 1));
  const TFerXmlUnitate& u = FFisier.Unitati[static_cast<size_t>(n - 1)];
  const std::int32_t primaProblema = FProbleme.Count();
  swExportVechiInSet = false;
  TFerXmlSetRezumat rezumat;
  rezumat.Ordin = n;
  rezumat.Actiune = fxaRefuzat;
  if (!u.swUnitate) {
    rezumat.Eticheta = EtichetaStraina(u"Set", FLatimeOrdin, u);
    VerificaElement(fxcSeturi, FFisier.Versiune, nod.Nume, FProbleme, ModelProblema(n, rezumat.Eticheta, u""), u"Set");
    FPlan.Seturi.push_back(std::move(rezumat));
    return;
  }
  std::array<std::u16string, 4> bruta;
  const char16_t* numeChei[] = {u"Opening", u"WD", u"Mark", u"HardwareSet"};
  for (size_t k = 0; k < 4; ++k) ValoareAtribut(nod, fxeSet, numeChei[k], bruta[k]);
  rezumat.Eticheta = EtichetaSet(FLatimeOrdin, u, bruta[0], bruta[1], bruta[2], bruta[3]);
  const TFerXmlProblema model = ModelProblema(n, rezumat.Eticheta, u"");

  const std::vector<TFerXmlAtribut> atribute = FNume->RezolvaNod(nod, fxeSet, FProbleme, model);
  FNume->VerificaObligatorii(fxeSet, nod, FProbleme, model, atribute);
  TCheiSet chei;
  bool swMarcaAscunsa = false;
  for (const auto& a : atribute) {
    if (a.swDublura || (a.Pas != fxnColoana && a.Pas != fxnAliasRO)) continue;
    const std::u16string& xml = a.Coloana->NumeXML;
    TValoareCamp v;
    if (xml == u"Opening") {
      if (ConvertesteEnum(*a.Coloana, &FTabel.Camp(FiDeschidere), v, model, a.Valoare, a.Nume)) chei[0] = TextCamp(v);
    } else if (xml == u"WD") {
      if (ConvertesteEnum(*a.Coloana, &FTabel.Camp(FiFU), v, model, a.Valoare, a.Nume)) chei[1] = TextCamp(v);
    } else if (xml == u"Mark") {
      if (ConvertesteText(*a.Coloana, &FTabel.Camp(FiMarca), v, model, a.Valoare, a.Nume)) chei[2] = TextCamp(v);
      if (a.Valoare.empty()) AdaugaAvertizare(model, fxmLipseste, u"Mark", u"", {u"Mark"});
    } else if (xml == u"HardwareSet") {
      if (ConvertesteText(*a.Coloana, &FTabel.Camp(FiSetF), v, model, a.Valoare, a.Nume)) chei[3] = TextCamp(v);
      if (a.Valoare.empty())
        AdaugaAvertizare(model, fxmSetFaraNume, a.Nume, u"",
                         {Format(u"[%s|%s|%s]", {ValoareAfisata(bruta[0]), ValoareAfisata(bruta[1]),
                                                 ValoareAfisata(bruta[2])})});
    } else if (xml == u"MarkHidden") {
      if (ConvertesteBifa(*a.Coloana, v, model, a.Valoare, a.Nume)) swMarcaAscunsa = !TextCamp(v).empty();
    }
  }
  if (nod.swText) AdaugaEroare(model, fxmNepermisAici, u"", u"", {Ghilimele(nod.Text)});
  if (u.NrAparitii >= 2) {
    const std::int32_t i = AdaugaEroare(model, fxmApareDeMaiMulteOri, u"", u"", {TextNumar(u.NrAparitii)});
    SeteazaDetalii(i, EticheteAlteAparitii(FFisier.Unitati, u));
  }

  const std::int64_t latime = LatimeOrdin(static_cast<std::int32_t>(nod.Copii.size()));
  std::vector<TFerXmlRandSetPlan> randuri;
  bool areRanduri = false;
  std::int32_t p = 0;
  for (const auto& copil : nod.Copii) {
    ++p;
    if (ElementPermis(FFisier.Versiune, copil->Nume, u"SetRecord")) areRanduri = true;
    TFerXmlRandSetPlan rand;
    if (CitesteRand(*copil, p, latime, n, rezumat.Eticheta, chei[0], rand)) randuri.push_back(std::move(rand));
  }
  if (!areRanduri) AdaugaEroare(model, fxmLipseste, u"", u"", {u"<SetRecord>"});

  if (!FProbleme.UnitateRefuzata(n)) {
    rezumat.swMarcaAscunsa = swMarcaAscunsa;
    ReguliSet(model, chei, rezumat, randuri);
    AplicaSet(model, chei, swMarcaAscunsa, primaProblema, rezumat, randuri);
  }
  FPlan.Seturi.push_back(std::move(rezumat));
}

bool TFerXmlImportSeturi::CitesteRand(const TFerXmlNod& copil, std::int32_t pozitie, std::int64_t latime,
                                      std::int32_t n, const std::u16string& eticheta, const std::u16string& deschidere,
                                      TFerXmlRandSetPlan& rand) {
  const auto pozitieElement = [](const TFerXmlNod& e) {
    return Format(u"(%d:%d)", {std::int64_t{e.Linie}, std::int64_t{e.Coloana}});
  };
  if (!ElementPermis(FFisier.Versiune, copil.Nume, u"SetRecord")) {
    VerificaElement(fxcSeturi, FFisier.Versiune, copil.Nume, FProbleme,
                    ModelProblema(n, eticheta, u"<" + copil.Nume + u"> " + pozitieElement(copil)), u"SetRecord");
    return false;
  }
  std::u16string sufix, valoare;
  if (ValoareAtribut(copil, fxeRandSet, u"ItemNo", valoare)) sufix += u" ItemNo=" + ValoareAfisata(valoare);
  if (ValoareAtribut(copil, fxeRandSet, u"Code", valoare)) sufix += u" " + AtributAfisat(u"Code", valoare);
  const std::u16string cale = Format(u"%s %.*d (%d:%d)%s", {std::u16string(u"SetRecord"), latime, std::int64_t{pozitie},
                                                           std::int64_t{copil.Linie}, std::int64_t{copil.Coloana}, sufix});
  rand.Model = ModelProblema(n, eticheta, cale);
  rand.Valori.assign(FCampuri.size(), TValoareCamp());
  const TFerXmlProblema& model = rand.Model;
  const std::vector<TFerXmlAtribut> atribute = FNume->RezolvaNod(copil, fxeRandSet, FProbleme, model);
  FNume->VerificaObligatorii(fxeRandSet, copil, FProbleme, model, atribute);
  rand.Tip = TipRand(copil, atribute);
  rand.swFaraAtributCod = CautaAtribut(atribute, u"Code") == nullptr;
  if (copil.swText) AdaugaEroare(model, fxmNepermisAici, u"", u"", {Ghilimele(copil.Text)});
  for (const auto& a : atribute) {
    if (a.swDublura) continue;
    if (a.Pas == fxnColoana || a.Pas == fxnAliasRO) {
      CitesteAtributRand(rand, a);
    } else if (a.Pas == fxnColoanaClient) {
      const int i = FTabel.IndexCamp(a.NumeCamp);
      if (i < 0) continue;
      if (FCampuri[static_cast<size_t>(i)].Tip == ftcClient) {
        TValoareCamp v;
        if (ConvertesteClient(FTabel.Camp(i), a.Nume, v, model, a.Valoare)) rand.Valori[static_cast<size_t>(i)] = std::move(v);
      } else {
        ClientNeschimbabil(FTabel.Camp(i), a.Nume, model, a.Valoare);
      }
    }
  }
  if (const int iCod = CampRand(u"Code"); rand.Tip == fxrsXY && iCod >= 0) {
    const std::u16string cod = TextCamp(rand.Valori[static_cast<size_t>(iCod)]);
    if (cod != u"XY") {
      AdaugaAvertizare(model, fxmCititCa, u"Code", cod, {AtributAfisat(u"Code", cod), u"Code=\"XY\""});
      rand.Valori[static_cast<size_t>(iCod)] = std::u16string(u"XY");
    }
  }
  int blocatori = 0;
  for (const auto& nepot : copil.Copii) {
    if (ElementPermis(FFisier.Versiune, nepot->Nume, u"CamLocks")) {
      const TFerXmlProblema m = ModelProblema(n, eticheta, cale + u" / " + nepot->Nume + u" " + pozitieElement(*nepot));
      if (blocatori++ == 0)
        CitesteBlocatori(*nepot, m, rand, deschidere, cale);
      else
        AdaugaEroare(m, fxmNepermisAici, u"", u"", {u"<" + nepot->Nume + u">"});
    } else {
      VerificaElement(fxcSeturi, FFisier.Versiune, nepot->Nume, FProbleme,
                      ModelProblema(n, eticheta, cale + u" / <" + nepot->Nume + u"> " + pozitieElement(*nepot)),
                      u"CamLocks");
    }
  }
  ReguliRand(rand, deschidere);
  return true;
}

void TFerXmlImportSeturi::CitesteAtributRand(TFerXmlRandSetPlan& rand, const TFerXmlAtribut& a) {
  const TFerXmlColoana& c = *a.Coloana;
  if (c.Tip == fxtImbricat || c.Tip == fxtIgnorat) {
    const bool scris = c.Tip == fxtImbricat ? !TaieXml(a.Valoare).empty() : !a.Valoare.empty();
    if (scris) AdaugaFaraEfect(rand.Model, a.Nume, a.Nume, a.Nume + u"=" + ValoareAfisata(a.Valoare), a.Valoare);
    return;
  }
  const int i = CampRand(c.NumeXML);
  if (i < 0) {
    if (!a.Valoare.empty()) AdaugaAvertizare(rand.Model, fxmAtributNecunoscut, a.Nume, a.Valoare, {a.Nume});
    return;
  }
  TValoareCamp v;
  if (Converteste(c, &FTabel.Camp(i), v, rand.Model, a.Valoare, a.Nume)) rand.Valori[static_cast<size_t>(i)] = std::move(v);
}

void TFerXmlImportSeturi::CitesteBlocatori(const TFerXmlNod& nod, const TFerXmlProblema& model, TFerXmlRandSetPlan& rand,
                                           const std::u16string& deschidere, const std::u16string& caleRand) {
  for (const auto& [nume, valoare] : nod.Atribute)
    AdaugaEroare(model, fxmNepermisAici, nume, valoare, {nume}, u"<CamLocksRecord>");
  if (nod.swText) AdaugaEroare(model, fxmNepermisAici, u"", u"", {Ghilimele(nod.Text)});
  const std::int64_t latime = LatimeOrdin(static_cast<std::int32_t>(nod.Copii.size()));
  std::int64_t q = 0;
  for (const auto& copil : nod.Copii) {
    ++q;
    const std::u16string cale = caleRand + u" / " +
                                Format(u"%s %.*d (%d:%d)%s", {std::u16string(u"CamLocksRecord"), latime, q,
                                                              std::int64_t{copil->Linie}, std::int64_t{copil->Coloana},
                                                              std::u16string()});
    const TFerXmlProblema m = ModelProblema(model.OrdinUnitate, model.EtichetaUnitate, cale);
    if (!VerificaElement(fxcSeturi, FFisier.Versiune, copil->Nume, FProbleme, m, u"CamLocksRecord")) continue;
    TFerXmlBlocatorPlan b;
    b.Model = m;
    b.Valori.assign(static_cast<size_t>(FModelBlocatori.NrCampuri()), TValoareCamp());
    const std::vector<TFerXmlAtribut> atribute = FNume->RezolvaNod(*copil, fxeBlocator, FProbleme, m);
    const std::int32_t inainte = FProbleme.Count();
    FNume->VerificaObligatorii(fxeBlocator, *copil, FProbleme, m, atribute);
    if (FProbleme.Count() > inainte && FProbleme[FProbleme.Count() - 1].Mesaj == fxmExportVechi) {
      if (swExportVechiInSet)
        FProbleme.Delete(FProbleme.Count() - 1);
      else
        swExportVechiInSet = true;
    }
    if (copil->swText) AdaugaEroare(m, fxmNepermisAici, u"", u"", {Ghilimele(copil->Text)});
    for (const auto& nepot : copil->Copii) AdaugaEroare(m, fxmNepermisAici, u"", u"", {u"<" + nepot->Nume + u">"});
    bool indexGol = false;
    for (const auto& a : atribute) {
      if (a.swDublura || (a.Pas != fxnColoana && a.Pas != fxnAliasRO)) continue;
      const auto it = FIndexBlocator.find(a.Coloana->NumeXML);
      if (it == FIndexBlocator.end()) continue;
      TValoareCamp v;
      if (Converteste(*a.Coloana, &FModelBlocatori.Camp(it->second), v, m, a.Valoare, a.Nume))
        b.Valori[static_cast<size_t>(it->second)] = std::move(v);
      if (a.Coloana->NumeXML == u"DimensionIndex" && TaieXml(a.Valoare).empty()) indexGol = true;
    }
    if (indexGol && !TextBlocator(b, u"Code").empty())
      AdaugaAvertizare(m, fxmCititCa, u"DimensionIndex", u"", {u"DimensionIndex=\"\"", u"DimensionIndex=\"0\""});
    ReguliBlocator(rand, b, deschidere);
    rand.Blocatori.push_back(std::move(b));
  }
}

int TFerXmlImportSeturi::CampRand(std::u16string_view numeXml) const {
  const auto it = FIndexRand.find(numeXml);
  return it == FIndexRand.end() ? -1 : it->second;
}

const TValoareCamp& TFerXmlImportSeturi::ValoareRand(const TFerXmlRandSetPlan& r, std::u16string_view numeXml) const {
  static const TValoareCamp kNul;
  const int i = CampRand(numeXml);
  return i < 0 ? kNul : r.Valori[static_cast<size_t>(i)];
}

std::u16string TFerXmlImportSeturi::TextRandCamp(const TFerXmlRandSetPlan& r, std::u16string_view numeXml) const {
  return TextCamp(ValoareRand(r, numeXml));
}

std::u16string TFerXmlImportSeturi::AfisareRand(const TFerXmlRandSetPlan& r, std::u16string_view numeXml) const {
  const int i = CampRand(numeXml);
  return i < 0 ? std::u16string()
               : ValoareStocataAfisata(r.Valori[static_cast<size_t>(i)], FCampuri[static_cast<size_t>(i)].Coloana);
}


double TFerXmlImportSeturi::NumarRand(const TFerXmlRandSetPlan& r, std::u16string_view numeXml) const {
  return NumarCamp(ValoareRand(r, numeXml));
}

int TFerXmlImportSeturi::CampBlocator(std::u16string_view numeXml) const {
  const auto it = FIndexBlocator.find(numeXml);
  return it == FIndexBlocator.end() ? -1 : it->second;
}

const TValoareCamp& TFerXmlImportSeturi::ValoareBlocator(const TFerXmlBlocatorPlan& b,
                                                        std::u16string_view numeXml) const {
  static const TValoareCamp kNul;
  const int i = CampBlocator(numeXml);
  return i < 0 ? kNul : b.Valori[static_cast<size_t>(i)];
}

std::u16string TFerXmlImportSeturi::TextBlocator(const TFerXmlBlocatorPlan& b, std::u16string_view numeXml) const {
  return TextCamp(ValoareBlocator(b, numeXml));
}

std::u16string TFerXmlImportSeturi::AfisareBlocator(const TFerXmlBlocatorPlan& b, std::u16string_view numeXml) const {
  const int i = CampBlocator(numeXml);
  return i < 0 ? std::u16string()
               : ValoareStocataAfisata(b.Valori[static_cast<size_t>(i)], FColBlocatori[static_cast<size_t>(i)]);
}

double TFerXmlImportSeturi::NumarBlocator(const TFerXmlBlocatorPlan& b, std::u16string_view numeXml) const {
  return NumarCamp(ValoareBlocator(b, numeXml));
}

std::unique_ptr<TFerXmlPlanSeturi> FerXmlImportaSeturi(InputStream& stream, const TFerXmlContext& ctx,
                                                       TTabelMemorie& tabel, const TFerXmlProgres& progres) {
  auto plan = std::make_unique<TFerXmlPlanSeturi>();
  TFerXmlImportSeturi import(ctx, progres, *plan, tabel);
  import.Executa(stream);
  return plan;
}

}  // namespace kavelo
