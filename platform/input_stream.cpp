#include "platform/input_stream.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/exception.h"
#include "platform/utf.h"

namespace kavelo {

FileInputStream::FileInputStream(const std::u16string& nume) {
  do {
    fd_ = ::open(NumeSistemDinUtf16(nume).c_str(), O_RDONLY | O_CLOEXEC);
  } while (fd_ < 0 && errno == EINTR);
  if (fd_ < 0) throw ExceptieSistem(errno);
}

FileInputStream::~FileInputStream() { ::close(fd_); }

size_t FileInputStream::Read(char* buf, size_t n) {
  for (;;) {
    const ssize_t r = ::read(fd_, buf, n);
    if (r >= 0) {
      pozitie_ += static_cast<std::uint64_t>(r);
      return static_cast<size_t>(r);
    }
    if (errno != EINTR) throw ExceptieSistem(errno);
  }
}

void FileInputStream::Rewind() {
  if (::lseek(fd_, 0, SEEK_SET) < 0) throw ExceptieSistem(errno);
  pozitie_ = 0;
}

std::uint64_t FileInputStream::Marime() const {
  if (marime_ < 0) {
    struct stat st;
    marime_ = ::fstat(fd_, &st) == 0 ? static_cast<std::int64_t>(st.st_size) : 0;
  }
  return static_cast<std::uint64_t>(marime_);
}

size_t MemoryInputStream::Read(char* buf, size_t n) {
  const size_t k = std::min(n, data_.size() - pos_);
  std::memcpy(buf, data_.data() + pos_, k);
  pos_ += k;
  return k;
}

}  // namespace kavelo
