// Byte streams the output channels write to: a file descriptor, a file the
// program creates, or memory (tests). A short or failing write throws.
#pragma once

#include <string>
#include <string_view>

namespace kavelo {

class OutputStream {
 public:
  virtual ~OutputStream() = default;
  // Writes every byte or throws Exceptie with the system's message.
  virtual void Write(std::string_view bytes) = 0;
};

// Writes to a descriptor it does not own (standard output or error).
class FdOutputStream : public OutputStream {
 public:
  explicit FdOutputStream(int fd) : fd_(fd) {}
  void Write(std::string_view bytes) override;

 private:
  int fd_;
};

// Owns the descriptor of a file opened for writing and closes it.
class FileOutputStream : public OutputStream {
 public:
  explicit FileOutputStream(int fd) : fd_(fd) {}
  ~FileOutputStream() override;
  FileOutputStream(const FileOutputStream&) = delete;
  FileOutputStream& operator=(const FileOutputStream&) = delete;
  void Write(std::string_view bytes) override;

 private:
  int fd_;
};

class MemoryOutputStream : public OutputStream {
 public:
  void Write(std::string_view bytes) override { data_.append(bytes); }
  const std::string& Data() const { return data_; }

 private:
  std::string data_;
};

// Writes all bytes to fd, retrying after interruptions and partial writes.
// Returns 0 or the errno of the failure (a write of 0 bytes is EIO).
int WriteAll(int fd, std::string_view bytes);

}  // namespace kavelo
