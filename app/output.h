// Output channels: everything the tool prints goes through one. A channel
// takes UTF-16 text, buffers it and writes it to its destination in the
// destination's encoding. Lines end in CR LF on every channel.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/output_stream.h"

namespace kavelo {

class TXmlCheckIesire {
 public:
  virtual ~TXmlCheckIesire() = default;
  virtual void Scrie(std::u16string_view text) = 0;
  virtual void Goleste() {}
  void ScrieLinie(std::u16string_view text);
};

// UTF-8 bytes to a stream (a redirected standard handle, the report file).
class TXmlCheckIesireUtf8 : public TXmlCheckIesire {
 public:
  // With bom, the UTF-8 byte order mark is written at once. With detine, the
  // channel owns the stream.
  TXmlCheckIesireUtf8(OutputStream* stream, bool bom, bool detine);
  ~TXmlCheckIesireUtf8() override;
  TXmlCheckIesireUtf8(const TXmlCheckIesireUtf8&) = delete;
  TXmlCheckIesireUtf8& operator=(const TXmlCheckIesireUtf8&) = delete;

  void Scrie(std::u16string_view text) override;
  void Goleste() override;

 private:
  OutputStream* FStream;
  bool swDetine;
  std::u16string FTampon;
  std::string FOcteti;  // reused for the conversion of each flush
};

// A tee over several channels, which it does not own.
class TXmlCheckIesireMultipla : public TXmlCheckIesire {
 public:
  explicit TXmlCheckIesireMultipla(const std::vector<TXmlCheckIesire*>& iesiri);
  void Scrie(std::u16string_view text) override;
  void Goleste() override;
  bool Goala() const { return FIesiri.empty(); }

 private:
  std::vector<TXmlCheckIesire*> FIesiri;
};

// A terminal. Text is written in pieces of at most 16384 UTF-16 units, never
// splitting a surrogate pair; each piece reaches the terminal as UTF-8.
class TIesireConsola : public TXmlCheckIesire {
 public:
  static constexpr size_t kPiesa = 16384;

  explicit TIesireConsola(int handle);
  void Scrie(std::u16string_view text) override;
  void Goleste() override;

 protected:
  // Writes one piece; returns the number of UTF-16 units written (at least
  // 1) or throws the system's error.
  virtual size_t ScriePiesa(std::u16string_view piesa);

 private:
  int FHandle;
  std::u16string FTampon;
  std::string FOcteti;
};

class TIesireNula : public TXmlCheckIesire {
 public:
  void Scrie(std::u16string_view) override {}
};

enum class CanalStandard { Iesire, Eroare };

// The channel for standard output or error: null when the handle is absent,
// console for a terminal, UTF-8 without byte order mark otherwise.
std::unique_ptr<TXmlCheckIesire> IesireStandard(CanalStandard care);

}  // namespace kavelo
