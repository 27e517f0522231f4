#include "check/message_catalog.h"

namespace kavelo {

using S = TKVTrsStringsV2;

const S::Camp S::kCampuri[30] = {
    {u"rsFisierulXNuExista", &S::rsFisierulXNuExista, u"Fișierul %s nu există!"},
    {u"rsFisierIncompatibil", &S::rsFisierIncompatibil, u"Fișier incompatibil sau versiune necunoscută!"},
    {u"rsArticolDublu", &S::rsArticolDublu, u"Articolul curent este o dublură!"},
    {u"rsImpXmlMotivNumar", &S::rsImpXmlMotivNumar,
     u"se așteaptă un număr scris ca %s, fără virgulă zecimală, spații, separator de mii sau unitate de măsură"},
    {u"rsImpXmlMotivInterval", &S::rsImpXmlMotivInterval, u"valoarea trebuie să fie între %s și %s"},
    {u"rsImpXmlMotivValori", &S::rsImpXmlMotivValori, u"valorile acceptate sunt: %s"},
    {u"rsImpXmlMotivLungime", &S::rsImpXmlMotivLungime,
     u"are %s caractere, iar coloana din această bază de date acceptă cel mult %s"},
    {u"rsImpXmlNepermisAici", &S::rsImpXmlNepermisAici, u"%s nu este permis aici"},
    {u"rsImpXmlMotivBifa", &S::rsImpXmlMotivBifa,
     u"Kavelo citește orice valoare negoală ca DA: scrieți X pentru da sau lăsați gol pentru nu"},
    {u"rsImpXmlApareDeMaiMulteOri", &S::rsImpXmlApareDeMaiMulteOri, u"apare de %s ori în fișier"},
    {u"rsImpXmlAtributNecunoscut", &S::rsImpXmlAtributNecunoscut,
     u"atributul %s nu corespunde niciunei coloane din această bază de date"},
    {u"rsImpXmlPoateX", &S::rsImpXmlPoateX, u" Poate \"%s\"?"},
    {u"rsImpXmlLipseste", &S::rsImpXmlLipseste, u"%s lipsește"},
    {u"rsImpXmlCititCa", &S::rsImpXmlCititCa, u"%s a fost citit ca %s"},
    {u"rsImpXmlScurtat", &S::rsImpXmlScurtat, u"%s: textul a fost scurtat de la %s la %s caractere"},
    {u"rsImpXmlFaraEfect", &S::rsImpXmlFaraEfect, u"%s nu are niciun efect în Kavelo (%s)"},
    {u"rsImpXmlSpatiiLaCapete", &S::rsImpXmlSpatiiLaCapete,
     u"%s=\"%s\" are spații la capete, tab sau rând nou; valoarea a fost păstrată exact așa"},
    {u"rsImpXmlDiferaDeArticol", &S::rsImpXmlDiferaDeArticol, u"%s=\"%s\" diferă de valoarea din articol (\"%s\")"},
    {u"rsImpXmlNuExistaIn", &S::rsImpXmlNuExistaIn, u"%s=\"%s\" nu există în %s"},
    {u"rsImpXmlSetFaraNume", &S::rsImpXmlSetFaraNume,
     u"Setul %s nu are nume (HardwareSet=\"\"): Kavelo îl aplică cercevelelor cu această deschidere, destinație "
     u"și marcă la care nu este ales niciun set"},
    {u"rsImpXmlSetInlocuit", &S::rsImpXmlSetInlocuit,
     u"Setul existent este înlocuit: %s rânduri șterse, %s adăugate, %s modificate"},
    {u"rsImpXmlImportatiIntaiArticolele", &S::rsImpXmlImportatiIntaiArticolele,
     u"Importați întâi fișierul de articole: %s rânduri au coduri care nu există încă în articole, așa că rămân "
     u"fără culoare și fără denumire"},
    {u"rsImpXmlExportVechi", &S::rsImpXmlExportVechi,
     u"Fișierul a fost exportat de Kavelo %s sau mai vechi, care nu scria %s: exportați-l din nou cu versiunea "
     u"curentă"},
    {u"rsImpXmlMarciNoi", &S::rsImpXmlMarciNoi, u"Mărcile %s nu există în Furnizori. Le adăugați?"},
    {u"rsImpXmlRezumatSeturi", &S::rsImpXmlRezumatSeturi,
     u"Seria \"%s\": %s seturi noi, %s înlocuite, %s neschimbate, %s refuzate. Continuați importul?"},
    {u"rsImpXmlRezumatArticole", &S::rsImpXmlRezumatArticole,
     u"%s articole noi, %s modificate, %s neschimbate, %s refuzate. Continuați importul?"},
    {u"rsImpXmlPastratiValorile", &S::rsImpXmlPastratiValorile,
     u"Fișierul schimbă, la %s articole existente, coloane pe care de obicei le completați dvs. în Kavelo: %s. "
     u"Păstrați valorile dvs. în aceste coloane?"},
    {u"rsCotaBlocatorXLaPiesaXNuEsteNumar", &S::rsCotaBlocatorXLaPiesaXNuEsteNumar,
     u"Cota blocatorului %s la piesa %s nu este număr"},
    {u"rsArticolFeronerieInexistent", &S::rsArticolFeronerieInexistent,
     u"Articolul de Feronerie cu codul '%s' nu există în tabelul de articole feronerie"},
    {u"rsDiagramaDeGreutateLaXNedefinita", &S::rsDiagramaDeGreutateLaXNedefinita,
     u"Diagrama de greutate la articolul de feronerie %s nu este definită!"},
};

TKVTrsStringsV2::TKVTrsStringsV2() {
  for (const auto& c : kCampuri) this->*c.Text = c.Romana;
}

void TKVTrsStringsV2::Translate(const TTranslateVarTextFunc& traduce) {
  for (const auto& c : kCampuri) this->*c.Text = c.Romana;
  const std::u16string origine;
  for (const auto& c : kCampuri) {
    std::u16string text = this->*c.Text;
    if (traduce(c.Nume, text, false, origine, false)) this->*c.Text = std::move(text);
  }
}

}  // namespace kavelo
