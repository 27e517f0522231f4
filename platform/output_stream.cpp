#include "platform/output_stream.h"

#include <cerrno>
#include <unistd.h>

#include "platform/exception.h"

namespace kavelo {

int WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    if (n == 0) return EIO;
    bytes.remove_prefix(static_cast<size_t>(n));
  }
  return 0;
}

void FdOutputStream::Write(std::string_view bytes) {
  if (const int err = WriteAll(fd_, bytes)) throw ExceptieSistem(err);
}

FileOutputStream::~FileOutputStream() { ::close(fd_); }

void FileOutputStream::Write(std::string_view bytes) {
  if (const int err = WriteAll(fd_, bytes)) throw ExceptieSistem(err);
}

}  // namespace kavelo
