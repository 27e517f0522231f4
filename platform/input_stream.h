// Byte streams the XML reader reads: a file, or memory (tests, embedded data).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace kavelo {

class InputStream {
 public:
  virtual ~InputStream() = default;
  // Reads up to n bytes; returns how many were read, 0 at the end. Throws
  // Exceptie with the system's message when the read fails.
  virtual size_t Read(char* buf, size_t n) = 0;
  // Back to the first byte.
  virtual void Rewind() = 0;
  // Bytes read so far, and the whole size (for progress).
  virtual std::uint64_t Pozitie() const = 0;
  virtual std::uint64_t Marime() const = 0;
};

// A file opened for reading; owns its descriptor.
class FileInputStream : public InputStream {
 public:
  // Throws Exceptie with the system's message when the file cannot be opened.
  explicit FileInputStream(const std::u16string& nume);
  ~FileInputStream() override;
  FileInputStream(const FileInputStream&) = delete;
  FileInputStream& operator=(const FileInputStream&) = delete;
  size_t Read(char* buf, size_t n) override;
  void Rewind() override;
  std::uint64_t Pozitie() const override { return pozitie_; }
  std::uint64_t Marime() const override;

 private:
  int fd_;
  std::uint64_t pozitie_ = 0;
  mutable std::int64_t marime_ = -1;  // read once
};

class MemoryInputStream : public InputStream {
 public:
  explicit MemoryInputStream(std::string data) : data_(std::move(data)) {}
  size_t Read(char* buf, size_t n) override;
  void Rewind() override { pos_ = 0; }
  std::uint64_t Pozitie() const override { return pos_; }
  std::uint64_t Marime() const override { return data_.size(); }

 private:
  std::string data_;
  size_t pos_ = 0;
};

}  // namespace kavelo
