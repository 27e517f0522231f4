#include "import/warning_groups.h"

#include <algorithm>
#include <map>
#include <tuple>

#include "platform/ascii.h"
#include "platform/text_format.h"

namespace kavelo {

namespace {


std::u16string UndeProblema(const TFerXmlProblema& p) {
  if (p.Mesaj != fxmNuExistaIn || p.Parametri.size() < 3) return std::u16string();
  if (p.Parametri[2].starts_with(u"MarciFeroAcceptate ")) return u"MarciFeroAcceptate";
  return p.Parametri[2];
}

std::u16string ValoareInGrup(const TFerXmlProblema& p) {
  return p.Mesaj == fxmAtributNecunoscut ? p.Atribut : p.Valoare;
}

std::u16string TextProblemaCu(const TFerXmlProblema& p, const TKVTrsStringsV2& texte, const TFerXmlTextProblema& text) {
  return text ? text(p) : TextProblema(p, texte);
}

std::u16string TextFaraLoc(const TFerXmlProblema& p, const TKVTrsStringsV2& texte, const TFerXmlTextProblema& text) {
  TFerXmlProblema copie = p;
  copie.Cale.clear();
  copie.Linie = 0;
  copie.Coloana = 0;
  const std::u16string loc = LocProblema(p);
  const std::u16string t = TextProblemaCu(copie, texte, text);
  return loc.empty() ? t : loc + u": " + t;
}

}  // namespace

bool TFerXmlGrupRaport::PeValoare() const {
  switch (Mesaj) {
    case fxmAtributNecunoscut:
    case fxmDiferaDeArticol:
    case fxmNuExistaIn:
    case fxmArticolInexistent:
    case fxmDiagramaNedefinita:
    case fxmCotaBlocatorNuENumar:
    case fxmImportatiIntaiArticolele: return true;
    default: return false;
  }
}

std::vector<TFerXmlGrupRaport> GrupeAvertizari(const TFerXmlProbleme& probleme) {
  std::vector<TFerXmlGrupRaport> grupe;
  std::map<std::tuple<bool, int, std::u16string, std::u16string>, size_t> chei;
  for (std::int32_t i = 0; i < probleme.Count(); ++i) {
    const TFerXmlProblema& p = probleme[i];
    if (!AvertizareRaportabila(probleme, p)) continue;
    TFerXmlGrupRaport g;
    g.swFisier = p.OrdinUnitate < 1;
    g.Mesaj = p.Mesaj;
    g.Atribut = p.Mesaj == fxmAtributNecunoscut ? std::u16string() : p.Atribut;
    g.Unde = UndeProblema(p);
    const auto cheie = std::make_tuple(g.swFisier, static_cast<int>(g.Mesaj), g.Atribut, g.Unde);
    auto it = chei.find(cheie);
    if (it == chei.end()) {
      it = chei.emplace(cheie, grupe.size()).first;
      grupe.push_back(std::move(g));
    }
    grupe[it->second].Indici.push_back(i);
  }
  std::sort(grupe.begin(), grupe.end(), [](const TFerXmlGrupRaport& a, const TFerXmlGrupRaport& b) {
    return std::make_tuple(!a.swFisier, static_cast<int>(a.Mesaj), std::cref(a.Atribut), std::cref(a.Unde)) <
           std::make_tuple(!b.swFisier, static_cast<int>(b.Mesaj), std::cref(b.Atribut), std::cref(b.Unde));
  });
  return grupe;
}

std::u16string TextGrup(const TFerXmlGrupRaport& g, const TFerXmlProbleme& probleme, const TKVTrsStringsV2& texte) {
  const TFerXmlProblema& p = probleme[g.Indici.front()];
  if (p.Mesaj == fxmFisierIncompatibil || p.Mesaj == fxmVersiuneNoua || p.Mesaj == fxmExceptie) return u"...";
  if (p.Mesaj == fxmExportVechi && g.Atribut.empty()) return TextMesaj(p, texte);
  std::vector<std::u16string> parametri;
  for (size_t k = 0; k < p.Parametri.size(); ++k) {
    const std::u16string& v = p.Parametri[k];
    if (v == g.Atribut || v == u"<" + g.Atribut + u">")
      parametri.push_back(v);
    else if (v.starts_with(g.Atribut + u"=\""))
      parametri.push_back(g.Atribut + u"=\"...\"");
    else if (p.Mesaj == fxmNuExistaIn && k == 2)
      parametri.push_back(g.Unde);
    else if (v == u"Code=\"XY\"")
      parametri.push_back(v);
    else
      parametri.push_back(u"...");
  }
  const std::u16string* tipar = TiparMesaj(p.Mesaj, texte);
  std::u16string text = FormatSigur(tipar != nullptr ? *tipar : std::u16string(), parametri);
  if (!g.Atribut.empty()) {
    if (p.Mesaj >= fxmMotivNumar && p.Mesaj <= fxmAtributNecunoscut)
      text = g.Atribut + u"=\"...\": " + text;
    else if (p.Mesaj >= fxmArticolInexistent && p.Mesaj <= fxmExportVechi)
      text = g.Atribut + u": " + text;
  }
  return text;
}

std::u16string LocProblema(const TFerXmlProblema& p) {
  if (!p.Cale.empty()) return p.EtichetaUnitate.empty() ? p.Cale : p.EtichetaUnitate + u" / " + p.Cale;
  if (!p.EtichetaUnitate.empty()) return p.EtichetaUnitate;
  if (p.Linie > 0) return Format(u"(%d:%d)", {std::int64_t{p.Linie}, std::int64_t{p.Coloana}});
  return std::u16string();
}

std::u16string DetaliuScurt(const TFerXmlProblema& p, const TKVTrsStringsV2& texte) {
  const auto& a = p.Parametri;
  std::u16string d;
  switch (p.Mesaj) {
    case fxmNepermisAici:
    case fxmLipseste:
      if (!a.empty()) d = a[0];
      break;
    case fxmCititCa:
      if (a.size() >= 2) d = a[0] + u" -> " + a[1];
      break;
    case fxmScurtat:
      if (a.size() >= 3) d = Format(u"%s: %s -> %s", {a[0], a[1], a[2]});
      break;
    case fxmFaraEfect:
      if (a.size() >= 2) d = a[1];
      break;
    case fxmSetFaraNume: d = u"HardwareSet=\"\""; break;
    case fxmSetInlocuit:
      if (a.size() >= 3) d = Format(u"-%s +%s ~%s", {a[0], a[1], a[2]});
      break;
    default: break;
  }
  if (d.empty() && !p.Atribut.empty()) d = AtributAfisat(p.Atribut, p.Valoare);
  if (d.empty()) return TextMesaj(p, texte);
  return AdaugaSugestie(d, p.Sugestie, texte);
}

void ScrieErori(const TFerXmlProbleme& probleme, const TKVTrsStringsV2& texte, const TFerXmlTextProblema& text,
                const TFerXmlScrieLinie& scrie, bool swDetalii) {
  std::vector<std::vector<std::int32_t>> grupe;
  std::map<std::int32_t, size_t> dupaUnitate;
  for (std::int32_t i = 0; i < probleme.Count(); ++i) {
    const TFerXmlProblema& p = probleme[i];
    if (p.Severitate != fxvEroare) continue;
    if (p.OrdinUnitate < 1) {
      grupe.push_back({i});
      continue;
    }
    auto it = dupaUnitate.find(p.OrdinUnitate);
    if (it == dupaUnitate.end()) {
      it = dupaUnitate.emplace(p.OrdinUnitate, grupe.size()).first;
      grupe.emplace_back();
    }
    grupe[it->second].push_back(i);
  }
  for (const auto& grup : grupe) {
    const TFerXmlProblema& prima = probleme[grup.front()];
    const bool unitate = !prima.EtichetaUnitate.empty();
    if (unitate) scrie(prima.EtichetaUnitate);
    for (const std::int32_t i : grup) {
      const TFerXmlProblema& p = probleme[i];
      scrie((unitate ? u"\t" : u"") + TextProblemaCu(p, texte, text));
      if (swDetalii)
        for (const auto& d : p.Detalii) scrie((unitate ? u"\t\t" : u"\t") + d);
    }
  }
}

void ScrieAvertizari(const TFerXmlProbleme& probleme, const TKVTrsStringsV2& texte, const TFerXmlTextProblema& text,
                     const TFerXmlScrieLinie& scrie, bool swComplet) {
  const std::vector<TFerXmlGrupRaport> grupe = GrupeAvertizari(probleme);
  const std::int64_t latime = std::max<std::int64_t>(2, LatimeOrdin(static_cast<std::int32_t>(grupe.size())));
  std::int64_t numar = 0;
  for (const auto& g : grupe) {
    scrie(Format(u"%.*d. %s (%s)", {latime, ++numar, TextGrup(g, probleme, texte),
                                    TextNumar(static_cast<long long>(g.Indici.size()))}));
    const auto linieProblema = [&](const TFerXmlProblema& p, const std::u16string& indent) {
      if (swComplet) {
        scrie(indent + TextFaraLoc(p, texte, text));
        return;
      }
      const std::u16string loc = LocProblema(p);
      scrie(indent + (loc.empty() ? DetaliuScurt(p, texte) : loc + u": " + DetaliuScurt(p, texte)));
    };
    if (!g.PeValoare()) {
      for (const std::int32_t i : g.Indici) {
        const TFerXmlProblema& p = probleme[i];
        linieProblema(p, u"\t");
        for (const auto& d : p.Detalii) scrie(u"\t\t" + d);
      }
      continue;
    }
    std::vector<std::u16string> valori;
    std::map<std::u16string, std::vector<std::int32_t>> dupaValoare;
    for (const std::int32_t i : g.Indici) {
      const std::u16string v = ValoareInGrup(probleme[i]);
      auto& lista = dupaValoare[v];
      if (lista.empty()) valori.push_back(v);
      lista.push_back(i);
    }
    for (const auto& v : valori) {
      const auto& lista = dupaValoare[v];
      const TFerXmlProblema& prima = probleme[lista.front()];
      const std::u16string n = TextNumar(static_cast<long long>(lista.size()));
      std::u16string linie = g.Mesaj == fxmAtributNecunoscut
                                 ? Format(u"%s (%s)", {v, n})
                                 : Format(u"%s=\"%s\" (%s)", {g.Atribut, ValoareAfisata(v), n});
      if (g.Mesaj == fxmNuExistaIn && prima.Parametri.size() >= 3 && prima.Parametri[2] != g.Unde)
        linie += u": " + prima.Parametri[2].substr(std::min(prima.Parametri[2].size(), g.Unde.size() + 1));
      scrie(u"\t" + AdaugaSugestie(linie, prima.Sugestie, texte));
      for (const std::int32_t i : lista) {
        const TFerXmlProblema& p = probleme[i];
        if (swComplet) {
          scrie(u"\t\t" + TextFaraLoc(p, texte, text));
        } else {
          const std::u16string loc = LocProblema(p);
          scrie(u"\t\t" + (loc.empty() ? DetaliuScurt(p, texte) : loc));
        }
      }
    }
  }
}

}  // namespace kavelo
