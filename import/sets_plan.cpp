// Matching a set with the one already in the target table, writing it, the
// brands missing from the suppliers, and the end of the import.
#include <algorithm>
#include <map>

#include "format/lookups.h"
#include "import/sets_import.h"
#include "platform/text_format.h"
#include "platform/utf.h"

namespace kavelo {

namespace {

std::u16string UnesteChei(const TCheiSet& c) { return c[0] + u'\x01' + c[1] + u'\x01' + c[2] + u'\x01' + c[3]; }

TCheiSet ImparteChei(const std::u16string& cheie) {
  TCheiSet c;
  size_t k = 0, i = 0;
  while (k < 4) {
    const size_t j = cheie.find(u'\x01', i);
    c[k++] = cheie.substr(i, j == std::u16string::npos ? std::u16string::npos : j - i);
    if (j == std::u16string::npos) break;
    i = j + 1;
  }
  return c;
}

std::u16string UnesteSortat(std::vector<std::u16string> texte, char16_t separator) {
  std::sort(texte.begin(), texte.end());
  std::u16string out;
  for (size_t i = 0; i < texte.size(); ++i) {
    if (i > 0) out += separator;
    out += texte[i];
  }
  return out;
}

}  // namespace

std::u16string TFerXmlImportSeturi::SemnaturaRand(const TFerXmlRandSetPlan& rand) const {
  std::u16string s;
  for (size_t i = 0; i < FCampuri.size(); ++i) {
    const TFerXmlCampTinta& c = FCampuri[i];
    if (c.Tip == ftcRegistru || c.Tip == ftcClient) {
      s += TextCanonic(FTabel.Camp(static_cast<int>(i)), c.Coloana, c.Tip == ftcRegistru, rand.Valori[i]);
    } else if (c.Tip == ftcBlocatori) {
      std::vector<std::u16string> texte;
      for (const auto& b : rand.Blocatori) texte.push_back(TextBlocatorCanonic(b.Valori));
      s += UnesteSortat(std::move(texte), u'\x02');
    } else {
      continue;
    }
    s += u'\x01';
  }
  return s;
}

// A cam lock's values in comparable form.
std::u16string TFerXmlImportSeturi::TextBlocatorCanonic(const std::vector<TValoareCamp>& valori) const {
  std::u16string t;
  for (int k = 0; k < FModelBlocatori.NrCampuri(); ++k) {
    if (k > 0) t += u'\x01';
    t += TextCanonic(FModelBlocatori.Camp(k), FColBlocatori[static_cast<size_t>(k)], true,
                     valori[static_cast<size_t>(k)]);
  }
  return t;
}

// The signature of the target table's current record.
std::u16string TFerXmlImportSeturi::SemnaturaInregistrare() const {
  std::u16string s;
  for (size_t i = 0; i < FCampuri.size(); ++i) {
    const TFerXmlCampTinta& c = FCampuri[i];
    const int camp = static_cast<int>(i);
    if (c.Tip == ftcRegistru || c.Tip == ftcClient) {
      s += TextCanonic(FTabel.Camp(camp), c.Coloana, c.Tip == ftcRegistru, CitesteCamp(FTabel, camp));
    } else if (c.Tip == ftcBlocatori) {
      const TValoareCamp& v = FTabel.Valoare(camp);
      if (!EsteNul(v)) {
        TTabelMemorie stocat;
        bool citit = true;
        try {
          const auto* octeti = std::get_if<std::string>(&v);
          stocat.Incarca(octeti != nullptr ? *octeti : Utf8DinUtf16(TextCamp(v)));
        } catch (const std::exception&) {
          citit = false;
        }
        if (!citit) {
          s += u' ';
        } else {
          std::vector<int> harta;
          for (int k = 0; k < FModelBlocatori.NrCampuri(); ++k)
            harta.push_back(stocat.IndexCamp(FModelBlocatori.Camp(k).Nume));
          const int iPt = FModelBlocatori.IndexCamp(u"PtPrelungiri");
          const int iPrel = CampRand(u"EspagnoleteExtensions");
          const bool dublu = stocat.IndexCamp(u"PtPrelungiri") < 0 && iPrel >= 0 &&
                             !TaieXml(TextCamp(FTabel.Valoare(iPrel))).empty();
          std::vector<std::u16string> texte;
          for (stocat.First(); !stocat.Eof(); stocat.Next()) {
            std::vector<TValoareCamp> valori;
            for (const int k : harta) valori.push_back(k < 0 ? TValoareCamp() : stocat.Valoare(k));
            texte.push_back(TextBlocatorCanonic(valori));
            if (dublu) {  // the cam lock as stored, and as one on the extensions
              valori[static_cast<size_t>(iPt)] = std::u16string(u"X");
              texte.push_back(TextBlocatorCanonic(valori));
            }
          }
          s += UnesteSortat(std::move(texte), u'\x02');
        }
      }
    } else {
      continue;
    }
    s += u'\x01';
  }
  return s;
}

std::u16string TFerXmlImportSeturi::TextRand(const TFerXmlRandSetPlan& rand) const {
  return Format(u"ItemNo=%s %s",
                {ValoareAfisata(TextRandCamp(rand, u"ItemNo")), AtributAfisat(u"Code", TextRandCamp(rand, u"Code"))});
}

std::u16string TFerXmlImportSeturi::TextInregistrare() const {
  const int iItem = CampRand(u"ItemNo"), iCod = CampRand(u"Code");
  const std::u16string item = iItem < 0 ? std::u16string() : TextCamp(FTabel.Valoare(iItem));
  const std::u16string cod = iCod < 0 ? std::u16string() : TextCamp(FTabel.Valoare(iCod));
  return Format(u"ItemNo=%s %s", {ValoareAfisata(item), AtributAfisat(u"Code", cod)});
}

std::vector<TTabelMemorie::TSemn> TFerXmlImportSeturi::RanduriExistente(const TCheiSet& chei) {
  std::vector<TTabelMemorie::TSemn> semne;
  const bool cuNume = !chei[3].empty();
  if (cuNume) {
    if (!FTabel.CautaExact({chei[0], chei[1], chei[2], chei[3]})) return semne;
  } else {
    FTabel.CautaAproape({chei[0], chei[1], chei[2]});
  }
  const int campuri[] = {FiDeschidere, FiFU, FiMarca, FiSetF};
  for (; !FTabel.Eof(); FTabel.Next()) {
    bool inGrup = true, exact = true;
    for (size_t k = 0; k < (cuNume ? 4u : 3u); ++k)
      inGrup = inGrup && EgalFaraCaz(TaieBlancuri(TextCamp(FTabel.Valoare(campuri[k]))), chei[k]);
    if (!inGrup) break;
    for (size_t k = 0; k < 4; ++k) exact = exact && TextCamp(FTabel.Valoare(campuri[k])) == chei[k];
    if (exact) semne.push_back(FTabel.Semn());
  }
  return semne;
}

void TFerXmlImportSeturi::AplicaSet(const TFerXmlProblema& model, TCheiSet chei, bool swMarcaAscunsa,
                                    std::int32_t primaProblema, TFerXmlSetRezumat& rezumat,
                                    std::vector<TFerXmlRandSetPlan>& randuri) {
  std::u16string existenta;
  if (const std::u16string exacta = UnesteChei(chei); FChei.contains(exacta)) {
    existenta = exacta;
  } else {
    std::u16string tolerant;
    for (size_t k = 0; k < 4; ++k) tolerant += (k > 0 ? u"\x01" : u"") + FormaToleranta(chei[k]);
    if (const auto it = FCheiTolerante.find(tolerant); it != FCheiTolerante.end() && !it->second.empty()) {
      existenta = it->second;
      const TCheiSet e = ImparteChei(existenta);
      AdaugaAvertizare(model, fxmCititCa, u"Set", chei[3],
                       {Format(u"[%s|%s]", {ValoareAfisata(chei[2]), ValoareAfisata(chei[3])}),
                        Format(u"[%s|%s]", {ValoareAfisata(e[2]), ValoareAfisata(e[3])})});
    }
  }

  std::vector<TTabelMemorie::TSemn> existente;
  if (!existenta.empty()) {
    chei = ImparteChei(existenta);
    existente = RanduriExistente(chei);
    struct Existent {
      TTabelMemorie::TSemn Semn;
      std::u16string Semnatura, Text;
      bool swPereche = false;
    };
    std::vector<Existent> vechi;
    for (const auto semn : existente) {
      FTabel.MergiLaSemn(semn);
      vechi.push_back({semn, SemnaturaInregistrare(), TextInregistrare()});
    }
    std::multimap<std::u16string, size_t> dupaSemnatura;
    for (size_t i = 0; i < vechi.size(); ++i) dupaSemnatura.emplace(vechi[i].Semnatura, i);
    const auto potriveste = [&](const std::u16string& semnatura) {
      const auto [a, b] = dupaSemnatura.equal_range(semnatura);
      for (auto it = a; it != b; ++it)
        if (!vechi[it->second].swPereche) {
          vechi[it->second].swPereche = true;
          return true;
        }
      return false;
    };
    std::vector<bool> nouPereche(randuri.size(), false);
    for (size_t i = 0; i < randuri.size(); ++i) nouPereche[i] = potriveste(SemnaturaRand(randuri[i]));
    // Pass 2: an article row that left its description or colour to the article.
    const int iDen = CampRand(u"Description"), iCul = CampRand(u"Colour");
    for (size_t i = 0; i < randuri.size(); ++i) {
      TFerXmlRandSetPlan& r = randuri[i];
      if (nouPereche[i] || r.Tip != fxrsArticol || !r.swArticol) continue;
      const auto umplere = [&](int camp, const std::u16string& valoare) {
        return camp >= 0 && EsteNul(r.Valori[static_cast<size_t>(camp)]) && !valoare.empty();
      };
      const auto taiat = [&](int camp, const std::u16string& valoare) {
        const TDefinitieCamp& f = FTabel.Camp(camp);
        return EsteTipText(f.Tip) && f.Marime >= 1 ? CopieFaraSurogat(valoare, f.Marime) : valoare;
      };
      const bool den = umplere(iDen, r.Articol.Denumire), cul = umplere(iCul, r.Articol.Culoare);
      for (int alternativa = 0; alternativa < 3 && !nouPereche[i]; ++alternativa) {
        const bool cuDen = alternativa != 1, cuCul = alternativa != 0;
        if ((cuDen && !den) || (cuCul && !cul)) continue;
        TFerXmlRandSetPlan copie = r;
        if (cuDen) copie.Valori[static_cast<size_t>(iDen)] = taiat(iDen, r.Articol.Denumire);
        if (cuCul) copie.Valori[static_cast<size_t>(iCul)] = taiat(iCul, r.Articol.Culoare);
        nouPereche[i] = potriveste(SemnaturaRand(copie));
      }
    }
    std::vector<std::u16string> schimbari;
    std::int64_t schimbate = 0, sterse = 0, adaugate = 0;
    for (size_t i = 0; i < randuri.size(); ++i) {
      if (nouPereche[i]) continue;
      const std::u16string text = TextRand(randuri[i]);
      for (auto& v : vechi)
        if (!v.swPereche && v.Text == text) {
          v.swPereche = true;
          nouPereche[i] = true;
          ++schimbate;
          schimbari.push_back(u"~ " + text);
          break;
        }
    }
    for (const auto& v : vechi)
      if (!v.swPereche) {
        ++sterse;
        schimbari.push_back(u"- " + v.Text);
      }
    for (size_t i = 0; i < randuri.size(); ++i)
      if (!nouPereche[i]) {
        ++adaugate;
        schimbari.push_back(u"+ " + TextRand(randuri[i]));
      }
    if (sterse + adaugate + schimbate > 0) {
      rezumat.Actiune = fxaInlocuit;
      const std::int32_t i = AdaugaAvertizare(model, fxmSetInlocuit, u"", u"",
                                              {TextNumar(sterse), TextNumar(adaugate), TextNumar(schimbate)});
      SeteazaDetalii(i, std::move(schimbari));
    } else {
      rezumat.Actiune = fxaNeschimbat;
    }
  } else {
    rezumat.Actiune = fxaNou;
    std::u16string pliat;
    for (size_t k = 0; k < 4; ++k) pliat += (k > 0 ? u"\x01" : u"") + FormaPliata(chei[k]);
    if (const auto it = FCheiPliate.find(pliat); it != FCheiPliate.end()) {
      const TCheiSet e = ImparteChei(it->second);
      if (e[2] != chei[2])
        AdaugaAvertizare(model, fxmNuExistaIn, u"Mark", chei[2], {u"Mark", ValoareAfisata(chei[2]), FCtx.NumeSerie}, e[2]);
      else
        AdaugaAvertizare(model, fxmNuExistaIn, u"HardwareSet", chei[3],
                         {u"HardwareSet", ValoareAfisata(chei[3]), FCtx.NumeSerie}, e[3]);
    }
  }
  rezumat.Deschidere = chei[0];
  rezumat.FU = chei[1];
  rezumat.Marca = chei[2];
  rezumat.SetF = chei[3];

  if (rezumat.Actiune == fxaNeschimbat) {
    for (std::int32_t i = primaProblema; i < FProbleme.Count(); ++i) FProbleme.MarcheazaNeschimbata(i);
    return;
  }
  VerificaMarca(model, chei[2], swMarcaAscunsa);
  const int iDen = CampRand(u"Description"), iCul = CampRand(u"Colour");
  for (auto& r : randuri) {
    if (r.Tip != fxrsArticol || !r.swArticol) continue;
    for (const auto& [camp, valoare] : {std::pair{iDen, &r.Articol.Denumire}, std::pair{iCul, &r.Articol.Culoare}}) {
      if (camp < 0 || !EsteNul(r.Valori[static_cast<size_t>(camp)]) || valoare->empty()) continue;
      const TDefinitieCamp& f = FTabel.Camp(camp);
      r.Valori[static_cast<size_t>(camp)] =
          EsteTipText(f.Tip) && f.Marime >= 1 ? CopieFaraSurogat(*valoare, f.Marime) : *valoare;
    }
  }
  if (rezumat.Actiune == fxaInlocuit)
    for (const auto semn : existente)
      if (FTabel.MergiLaSemn(semn)) FTabel.Delete();
  for (const auto& r : randuri) {
    FTabel.Append();
    FTabel.SeteazaValoare(FiDeschidere, chei[0]);
    FTabel.SeteazaValoare(FiFU, chei[1]);
    FTabel.SeteazaValoare(FiMarca, chei[2]);
    FTabel.SeteazaValoare(FiSetF, chei[3]);
    for (size_t i = 0; i < FCampuri.size(); ++i)
      if ((FCampuri[i].Tip == ftcRegistru || FCampuri[i].Tip == ftcClient) && !EsteNul(r.Valori[i]))
        ScrieCamp(FTabel, static_cast<int>(i), r.Valori[i]);
    if (FiBlocatori >= 0 && !r.Blocatori.empty()) {
      TTabelMemorie blocatori;
      DefinesteTabelBlocatori(blocatori);
      blocatori.OrdoneazaDupa(u"IndexCota;Cota;StDr;MinX;MaxX;MinY;MaxY");
      for (const auto& b : r.Blocatori) {
        blocatori.Append();
        for (size_t k = 0; k < b.Valori.size(); ++k)
          if (!EsteNul(b.Valori[k])) ScrieCamp(blocatori, static_cast<int>(k), b.Valori[k]);
        blocatori.Post();
      }
      FTabel.SeteazaValoare(FiBlocatori, blocatori.Salveaza());
    }
    FTabel.Post();
  }
  if (rezumat.Actiune == fxaInlocuit)
    FChei[UnesteChei(chei)] = static_cast<std::int32_t>(randuri.size());
  else
    InregistreazaCheie(chei, static_cast<std::int32_t>(randuri.size()));
}

void TFerXmlImportSeturi::VerificaMarca(const TFerXmlProblema& model, const std::u16string& marca, bool swMarcaAscunsa) {
  if (marca.empty() || !swFurnizori) return;
  const std::u16string numeFurnizori = FCtx.NumeFurnizori.empty() ? u"FurnizorFeronerie.cds" : FCtx.NumeFurnizori;
  bool vizibil = false;
  if (!FFurnizori->Exista(marca, vizibil)) {
    std::u16string sugestie = FFurnizori->Varianta(marca);
    if (sugestie.empty())
      if (const auto it = FMarciPliate.find(FormaPliata(marca)); it != FMarciPliate.end() && it->second != marca)
        sugestie = it->second;
    AdaugaAvertizare(model, fxmNuExistaIn, u"Mark", marca, {u"Mark", ValoareAfisata(marca), numeFurnizori}, sugestie);
    auto it = FMarci.find(marca);
    if (it == FMarci.end()) {
      FOrdineMarci.push_back(marca);
      FMarciPliate.emplace(FormaPliata(marca), marca);
      it = FMarci.emplace(marca, TFerXmlMarcaCandidat{true, !sugestie.empty()}).first;
    }
    it->second.swToateAscunse = it->second.swToateAscunse && swMarcaAscunsa;
  } else if (!vizibil) {
    AdaugaFaraEfect(model, u"Mark", AtributAfisat(u"Mark", marca), numeFurnizori + u": Vizibil=\"\"", marca);
  }
}

void TFerXmlImportSeturi::Incheie() {
  for (const auto& marca : FOrdineMarci) {
    const TFerXmlMarcaCandidat& c = FMarci.at(marca);
    FPlan.MarciNoi.emplace_back(marca, c.swToateAscunse || c.swVarianta);
  }
  std::int64_t numar = 0;
  for (const std::int32_t i : FImportatiIntai)
    if (!FProbleme[i].swUnitateNeschimbata) ++numar;
  // The parameters change in place: the problem keeps its place and counts.
  for (const std::int32_t i : FImportatiIntai) {
    TFerXmlProblema p = FProbleme[i];
    p.Parametri = {TextNumar(numar)};
    FProbleme.Inlocuieste(i, std::move(p));
  }
}

}  // namespace kavelo
