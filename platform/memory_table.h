// In-memory tables: typed fields, records appended, edited and posted through
// a record buffer, an after-post event, bookmarks, a unique primary index,
// ordering by a list of fields with exact and nearest search, a second cursor
// over the same records, and a saved form that a blob field of another table
// (a nested table) or a stream can hold.
#pragma once

#include <cstdint>
#include <functional>
#include <istream>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <variant>
#include <vector>

#include "platform/exception.h"

namespace kavelo {

enum TTipCamp {
  ftString,         // 8-bit string of a size
  ftFixedChar,      // 8-bit fixed char
  ftWideString,     // wide string of a size
  ftFixedWideChar,  // wide fixed char
  ftMemo,
  ftFmtMemo,
  ftWideMemo,
  ftBlob,
  ftSmallint,
  ftShortint,
  ftByte,
  ftWord,
  ftInteger,
  ftLongWord,
  ftLargeint,
  ftAutoInc,
  ftFloat,
  ftSingle,
  ftExtended,
  ftCurrency,
  ftBCD,
  ftFMTBcd,
  ftBoolean,
  ftDate,
  ftTime,
  ftDateTime,
  ftTimeStamp,
};

// The data type's name, as messages show it ("Blob", "WideString").
std::u16string NumeTipCamp(TTipCamp tip);
bool TipCampDupaNume(std::u16string_view nume, TTipCamp& tip);

// The kinds the import distinguishes.
bool EsteTipIntreg(TTipCamp tip);
bool EsteTipReal(TTipCamp tip);
bool EsteTipDataOra(TTipCamp tip);
bool EsteTipText(TTipCamp tip);  // string, fixed char, wide string, fixed wide char
bool EsteTipMemo(TTipCamp tip);  // blob, memo, formatted memo, wide memo
// The range of an integer kind.
void DomeniuIntreg(TTipCamp tip, std::int64_t& minim, std::int64_t& maxim);

// A date and time: days since 1899-12-30, the fraction being the time of day.
struct TDataOra {
  double Zile = 0;
  bool operator==(const TDataOra&) const = default;
};

// A field value: null, text, integer, real, Boolean, date-time, or the bytes
// of a blob.
using TValoareCamp = std::variant<std::monostate, std::u16string, std::int64_t, double, bool, TDataOra, std::string>;

inline bool EsteNul(const TValoareCamp& v) { return std::holds_alternative<std::monostate>(v); }

struct TDefinitieCamp {
  std::u16string Nume;
  TTipCamp Tip = ftWideString;
  int Marime = 0;
};

// Posting a record whose key is already in the unique index.
class EKeyViolation : public Exceptie {
 public:
  EKeyViolation() : Exceptie(u"Key violation.") {}
};

class TTabelMemorie {
 public:
  enum TStare { dsBrowse, dsInsert, dsEdit };
  using TSemn = std::uint64_t;  // a bookmark; 0 is none

  TTabelMemorie();
  ~TTabelMemorie();

 private:
  struct TInregistrare {
    TSemn Semn = 0;
    std::vector<TValoareCamp> Valori;
  };

 public:
  TTabelMemorie(const TTabelMemorie&) = delete;
  TTabelMemorie& operator=(const TTabelMemorie&) = delete;

  // Field definitions (while the table has no record).
  int AdaugaCamp(std::u16string nume, TTipCamp tip, int marime = 0);
  int NrCampuri() const { return static_cast<int>(FCampuri.size()); }
  const TDefinitieCamp& Camp(int index) const { return FCampuri[static_cast<size_t>(index)]; }
  // The field's index by name, ignoring ASCII case; -1 when there is none.
  int IndexCamp(std::u16string_view nume) const;
  // As IndexCamp, but a missing field throws.
  int CampDupaNume(std::u16string_view nume) const;

  // Records.
  TStare Stare() const { return FStare; }
  void Append();
  void Edit();
  // Commits the buffer; throws EKeyViolation (and stays in its state) when the
  // unique index already holds the key. Then the after-post event runs.
  void Post();
  void Cancel();
  void Delete();
  // Removes every record (the fields stay).
  void Goleste();
  // A field of the buffer was set since Append or Edit.
  bool Modificat() const { return swModificat; }

  // The value of a field of the current record (or of the buffer while
  // appending or editing). Null when there is no current record.
  const TValoareCamp& Valoare(int camp) const;
  const TValoareCamp& Valoare(std::u16string_view nume) const { return Valoare(CampDupaNume(nume)); }
  // Sets a field of the buffer; the table must be appending or editing.
  void SeteazaValoare(int camp, TValoareCamp valoare);
  void SeteazaValoare(std::u16string_view nume, TValoareCamp valoare) {
    SeteazaValoare(CampDupaNume(nume), std::move(valoare));
  }

  std::function<void(TTabelMemorie&)> DupaPost;

  // Navigation over the records in the current order.
  int NrInregistrari() const { return static_cast<int>(FInregistrari.size()); }
  bool Gol() const { return FInregistrari.empty(); }
  void First();
  void Last();
  void Next();
  void Prior();
  bool Eof() const { return swEof; }
  bool Bof() const { return swBof; }
  int Pozitie() const { return FPozitie; }  // from 0; -1 without a current record
  TSemn Semn() const;
  bool SemnValid(TSemn semn) const;
  bool MergiLaSemn(TSemn semn);

  // A unique index on one field; Post refuses a second record with the same
  // value (null values are not indexed).
  void IndexPrimarUnic(std::u16string numeIndex, std::u16string_view camp);
  const std::u16string& NumeIndexPrimar() const { return FNumeIndexPrimar; }

  // Orders the records by fields "A;B;C" (empty: the order of appending).
  void OrdoneazaDupa(std::u16string_view campuri);
  // Goes to the first record whose ordering fields equal the keys (the first
  // keys.size() of them); false and no move when there is none.
  bool CautaExact(const std::vector<TValoareCamp>& chei);
  // Goes to the first record whose ordering fields are not below the keys (or
  // past the end).
  void CautaAproape(const std::vector<TValoareCamp>& chei);

  // The saved form: fields and records, in the order of appending.
  std::string Salveaza() const;
  // Replaces the fields and records by those of a saved form; throws Exceptie
  // when it is damaged.
  void Incarca(std::string_view salvat);
  void Incarca(std::istream& in);

  // A second cursor over the same records, with its own position and
  // order. It sees the table's records as they are when it moves.
  class TCursor {
   public:
    explicit TCursor(const TTabelMemorie& tabel) : FTabel(tabel) {}
    void OrdoneazaDupa(std::u16string_view campuri);
    void First();
    void Next();
    bool Eof() const;
    bool CautaExact(const std::vector<TValoareCamp>& chei);
    const TValoareCamp& Valoare(int camp) const;
    TSemn Semn() const;

   private:
    void Actualizeaza() const;
    const TTabelMemorie& FTabel;
    std::vector<int> FCampuriOrdine;
    mutable std::vector<const TInregistrare*> FOrdine;
    mutable std::uint64_t FVersiune = ~0ULL;
    int FPozitie = 0;
  };

 private:
  void ReconstruiesteOrdine();
  // Posts or cancels a pending append or edit, as moving to another record does.
  void VerificaModRasfoire();
  // The first position in an order whose fields are not below the keys; with
  // exact, -1 unless they are equal there.
  template <typename Ptr>
  static int CautaPozitie(const std::vector<Ptr>& ordine, const std::vector<int>& campuri,
                          const std::vector<TValoareCamp>& chei, bool exact);
  void Pozitioneaza(int pozitie);
  std::u16string CheieIndex(const TValoareCamp& v) const;
  static int Compara(const TValoareCamp& a, const TValoareCamp& b);
  static bool MaiMic(const std::vector<int>& campuri, const TInregistrare* a, const TInregistrare* b);

  std::vector<TDefinitieCamp> FCampuri;
  std::vector<std::unique_ptr<TInregistrare>> FInregistrari;  // in the order of appending
  std::vector<TInregistrare*> FOrdine;                        // in the current order
  std::vector<int> FCampuriOrdine;
  bool swOrdineValida = true;
  std::uint64_t FVersiune = 0;  // changes with every change of the records
  TSemn FUrmatorulSemn = 1;

  TStare FStare = dsBrowse;
  TInregistrare FTampon;
  bool swModificat = false;
  int FPozitie = -1;
  bool swEof = true;
  bool swBof = true;

  std::u16string FNumeIndexPrimar;
  int FCampIndex = -1;
  std::unordered_map<std::u16string, TInregistrare*> FIndex;
};


}  // namespace kavelo
