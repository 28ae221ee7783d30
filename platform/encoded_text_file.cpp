#include "platform/encoded_text_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string_view>

#include "platform/cp1251.h"
#include "platform/utf8.h"

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeBom = "\xFF\xFE";

ReadStatus ReadFileBytes(const std::string& path, std::string& bytes) {
  std::error_code error;
  const auto status = std::filesystem::status(path, error);
  if (status.type() == std::filesystem::file_type::not_found) return ReadStatus::Missing;
  if (status.type() != std::filesystem::file_type::regular) return ReadStatus::Failed;
  std::ifstream file(path, std::ios::binary);
  if (!file) return ReadStatus::Failed;
  bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
  return file.bad() ? ReadStatus::Failed : ReadStatus::Ok;
}

std::string Utf8ToUtf16Le(std::string_view utf8) {
  std::string out;
  const auto put = [&](char32_t u) {
    out += static_cast<char>(u & 0xFF);
    out += static_cast<char>(u >> 8);
  };
  for (std::size_t pos = 0; pos < utf8.size();) {
    char32_t cp = 0;
    const std::size_t length = DecodeUtf8(utf8, pos, cp);
    pos += length == 0 ? 1 : length;
    if (length == 0) cp = 0xFFFD;
    if (cp >= 0x10000) {
      put(0xD800 + ((cp - 0x10000) >> 10));
      put(0xDC00 + ((cp - 0x10000) & 0x3FF));
    } else {
      put(cp);
    }
  }
  return out;
}

EncodedText DecodeFile(std::string_view bytes) {
  if (bytes.starts_with(kUtf8Bom)) return {TextFileEncoding::Utf8Bom, std::string(bytes.substr(3))};
  if (bytes.starts_with(kUtf16LeBom)) {
    return {TextFileEncoding::Utf16Le, Utf16LeToUtf8(bytes.substr(2))};
  }
  if (IsValidUtf8(bytes)) return {TextFileEncoding::Utf8, std::string(bytes)};
  return {TextFileEncoding::Cp1251, Cp1251ToUtf8(bytes)};
}

std::string EncodeFile(const EncodedText& text) {
  switch (text.encoding) {
    case TextFileEncoding::Utf8Bom: return std::string(kUtf8Bom) + text.utf8;
    case TextFileEncoding::Utf16Le: return std::string(kUtf16LeBom) + Utf8ToUtf16Le(text.utf8);
    case TextFileEncoding::Cp1251: return Utf8ToCp1251(text.utf8);
    case TextFileEncoding::Utf8: break;
  }
  return text.utf8;
}

// Writes bytes to a new file beside the target and renames it over the target.
bool ReplaceFileBytes(const std::string& path, const std::string& bytes) {
  std::error_code error;
  std::string target = path;
  if (std::filesystem::is_symlink(path, error)) {
    const auto resolved = std::filesystem::weakly_canonical(path, error);
    if (!error) target = resolved.string();
  }
  // A file we may not write stays as it is, although its folder would let us replace it.
  if (access(target.c_str(), F_OK) == 0 && access(target.c_str(), W_OK) != 0) return false;
  static std::atomic<unsigned> counter{0};
  std::string temp;
  int fd = -1;
  for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
    temp = target + ".tmp" + std::to_string(getpid()) + "-" + std::to_string(counter++);
    fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && errno != EEXIST) return false;
  }
  if (fd < 0) return false;
  struct stat old {};
  bool ok = stat(target.c_str(), &old) != 0 || fchmod(fd, old.st_mode & 07777) == 0;
  for (std::size_t done = 0; ok && done < bytes.size();) {
    const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    ok = n > 0;
    if (ok) done += static_cast<std::size_t>(n);
  }
  ok = ok && fsync(fd) == 0;
  ok = close(fd) == 0 && ok;
  ok = ok && std::rename(temp.c_str(), target.c_str()) == 0;
  if (!ok) unlink(temp.c_str());
  return ok;
}

}  // namespace

ReadStatus ReadEncodedTextFile(const std::string& path, EncodedText& text) {
  std::string bytes;
  const ReadStatus status = ReadFileBytes(path, bytes);
  if (status == ReadStatus::Ok) text = DecodeFile(bytes);
  return status;
}

bool ReplaceEncodedTextFile(const std::string& path, const EncodedText& text) {
  return ReplaceFileBytes(path, EncodeFile(text));
}
