#include "platform/private_profile.h"

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
#include <optional>
#include <string_view>

#include "platform/cp1251.h"
#include "platform/utf8.h"

namespace {

// ---- the file's bytes and its encoding ----

enum class FileEncoding { Utf8, Utf8Bom, Utf16Le, Cp1251 };

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeBom = "\xFF\xFE";

struct IniText {
  FileEncoding encoding = FileEncoding::Utf8;
  std::string utf8;
};

enum class ReadResult { Ok, Missing, Failed };

ReadResult ReadFileBytes(const std::string& path, std::string& bytes) {
  std::error_code error;
  const auto status = std::filesystem::status(path, error);
  if (status.type() == std::filesystem::file_type::not_found) return ReadResult::Missing;
  if (status.type() != std::filesystem::file_type::regular) return ReadResult::Failed;
  std::ifstream file(path, std::ios::binary);
  if (!file) return ReadResult::Failed;
  bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
  return file.bad() ? ReadResult::Failed : ReadResult::Ok;
}

std::string Utf16LeToUtf8(std::string_view bytes) {
  std::string out;
  const auto unit = [&](std::size_t i) {
    return static_cast<char32_t>(static_cast<std::uint8_t>(bytes[2 * i]) |
                                 static_cast<std::uint8_t>(bytes[2 * i + 1]) << 8);
  };
  const std::size_t units = bytes.size() / 2;
  for (std::size_t i = 0; i < units; ++i) {
    char32_t cp = unit(i);
    if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < units && unit(i + 1) >= 0xDC00 &&
        unit(i + 1) <= 0xDFFF) {
      cp = 0x10000 + ((cp - 0xD800) << 10) + (unit(++i) - 0xDC00);
    } else if (cp >= 0xD800 && cp <= 0xDFFF) {
      cp = 0xFFFD;  // an unpaired surrogate
    }
    AppendUtf8(out, cp);
  }
  return out;
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

// A file without BOM is UTF-8 when it is well-formed UTF-8 (pure ASCII included), else Windows-1251.
IniText DecodeFile(std::string_view bytes) {
  if (bytes.starts_with(kUtf8Bom)) return {FileEncoding::Utf8Bom, std::string(bytes.substr(3))};
  if (bytes.starts_with(kUtf16LeBom)) {
    return {FileEncoding::Utf16Le, Utf16LeToUtf8(bytes.substr(2))};
  }
  if (IsValidUtf8(bytes)) return {FileEncoding::Utf8, std::string(bytes)};
  return {FileEncoding::Cp1251, Cp1251ToUtf8(bytes)};
}

std::string EncodeFile(const IniText& text) {
  switch (text.encoding) {
    case FileEncoding::Utf8Bom: return std::string(kUtf8Bom) + text.utf8;
    case FileEncoding::Utf16Le: return std::string(kUtf16LeBom) + Utf8ToUtf16Le(text.utf8);
    case FileEncoding::Cp1251: return Utf8ToCp1251(text.utf8);
    case FileEncoding::Utf8: break;
  }
  return text.utf8;
}

// Writes bytes to a new file beside path and renames it over path, so that a crash leaves either
// the old file or the new one, never a half-written one. Keeps the old file's permissions.
bool ReplaceFile(const std::string& path, const std::string& bytes) {
  std::error_code error;
  std::string target = path;
  if (std::filesystem::is_symlink(path, error)) {
    const auto resolved = std::filesystem::weakly_canonical(path, error);
    if (!error) target = resolved.string();
  }
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

// ---- lines, sections and keys ----

constexpr std::string_view kBlanks = " \t";

std::string_view Trim(std::string_view s) {
  const auto first = s.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return s.substr(first, s.find_last_not_of(kBlanks) - first + 1);
}

// Lower case of the Latin and Cyrillic letters, so that names match as Windows matches them.
char32_t FoldCase(char32_t c) {
  if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) return c + 0x20;
  if (c >= 0x0410 && c <= 0x042F) return c + 0x20;  // А..Я
  if (c >= 0x0400 && c <= 0x040F) return c + 0x50;  // Ѐ..Џ, Ё among them
  if (c >= 0x0460 && c <= 0x04BF && c % 2 == 0 && (c < 0x0482 || c >= 0x048A)) return c + 1;
  return c;
}

bool SameName(std::string_view a, std::string_view b) {
  std::size_t i = 0, j = 0;
  while (i < a.size() && j < b.size()) {
    char32_t ca = 0, cb = 0;
    const std::size_t la = DecodeUtf8(a, i, ca), lb = DecodeUtf8(b, j, cb);
    if (la == 0 || lb == 0) {  // malformed bytes compare as they are
      if (a[i] != b[j]) return false;
      ++i, ++j;
      continue;
    }
    if (FoldCase(ca) != FoldCase(cb)) return false;
    i += la, j += lb;
  }
  return i == a.size() && j == b.size();
}

struct Line {
  std::size_t begin = 0, end = 0, next = 0;  // text, line break excluded; start of the next line
};

// The line that starts at pos; a line ends at LF, CR LF or the end of the text.
Line LineAt(std::string_view text, std::size_t pos) {
  const std::size_t lf = text.find('\n', pos);
  if (lf == std::string_view::npos) return {pos, text.size(), text.size()};
  const std::size_t end = (lf > pos && text[lf - 1] == '\r') ? lf - 1 : lf;
  return {pos, end, lf + 1};
}

std::optional<std::string_view> SectionName(std::string_view line) {
  const std::string_view trimmed = Trim(line);
  if (!trimmed.starts_with('[')) return std::nullopt;
  return Trim(trimmed.substr(1, trimmed.find(']') - 1));
}

// Where a key is, or where it would go.
struct Location {
  bool sectionFound = false;
  std::size_t sectionEnd = 0;  // just after the section's last non-blank line
  std::optional<Line> keyLine;
  std::size_t equals = 0;      // position of the key line's '='
};

// The first section of that name and the first key of that name in it, as Windows finds them.
Location Find(std::string_view text, std::string_view section, std::string_view key) {
  Location found;
  bool inSection = false;
  for (std::size_t pos = 0; pos < text.size();) {
    const Line line = LineAt(text, pos);
    pos = line.next;
    const std::string_view content = text.substr(line.begin, line.end - line.begin);
    if (const auto name = SectionName(content)) {
      if (inSection) break;
      inSection = SameName(*name, Trim(section));
      if (inSection) found.sectionFound = true, found.sectionEnd = line.next;
      continue;
    }
    if (!inSection) continue;
    if (!Trim(content).empty()) found.sectionEnd = line.next;
    const std::size_t equals = content.find('=');
    if (equals != std::string_view::npos && SameName(Trim(content.substr(0, equals)), Trim(key))) {
      found.keyLine = line;
      found.equals = line.begin + equals;
      return found;
    }
  }
  return found;
}

// Windows drops one pair of matching quotes around a value.
std::string_view Unquote(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

// The first maxChars - 1 characters (code points; a malformed byte counts as one).
std::string FitBuffer(std::string_view value, int maxChars) {
  std::size_t pos = 0;
  for (int chars = 0; chars < maxChars - 1 && pos < value.size(); ++chars) {
    char32_t cp = 0;
    const std::size_t length = DecodeUtf8(value, pos, cp);
    pos += length == 0 ? 1 : length;
  }
  return std::string(value.substr(0, pos));
}

std::string_view LineBreakOf(std::string_view text) {
  const std::size_t lf = text.find('\n');
  return (lf != std::string_view::npos && (lf == 0 || text[lf - 1] != '\r')) ? "\n" : "\r\n";
}

// A line break in any argument, a ']' in the section or a '=' in the key would write lines that
// read back as something else.
bool IsWritable(std::string_view section, std::string_view key, std::string_view value) {
  const auto hasBreak = [](std::string_view s) { return s.find_first_of("\r\n") != s.npos; };
  return !hasBreak(section) && !hasBreak(key) && !hasBreak(value) &&
         section.find(']') == section.npos && key.find('=') == key.npos &&
         !Trim(key).empty() && !Trim(key).starts_with('[');
}

}  // namespace

std::string GetPrivateProfileString(const std::string& path, const std::string& section,
                                    const std::string& key, const std::string& defaultValue,
                                    int maxChars) {
  // Like Windows, the default loses its trailing blanks.
  const std::string_view fallback(defaultValue.data(),
                                  defaultValue.find_last_not_of(kBlanks) + 1);
  std::string bytes;
  if (ReadFileBytes(path, bytes) != ReadResult::Ok) return FitBuffer(fallback, maxChars);
  const IniText text = DecodeFile(bytes);
  const Location found = Find(text.utf8, section, key);
  if (!found.keyLine) return FitBuffer(fallback, maxChars);
  const std::string_view line(text.utf8.data() + found.equals + 1,
                              found.keyLine->end - found.equals - 1);
  return FitBuffer(Unquote(Trim(line)), maxChars);
}

bool WritePrivateProfileString(const std::string& path, const std::string& section,
                               const std::string& key, const std::string& value) {
  if (!IsWritable(section, key, value)) return false;
  std::string bytes;
  const ReadResult read = ReadFileBytes(path, bytes);
  // A file we may not write stays as it is, although its folder would let us replace it.
  if (read == ReadResult::Failed || (read == ReadResult::Ok && access(path.c_str(), W_OK) != 0)) {
    return false;
  }
  IniText text = DecodeFile(bytes);
  std::string& s = text.utf8;
  const std::string eol(LineBreakOf(s));
  const Location found = Find(s, section, key);
  if (found.keyLine) {
    s.replace(found.equals + 1, found.keyLine->end - found.equals - 1, value);
  } else if (found.sectionFound) {
    std::string insert = key + "=" + value + eol;
    const bool lastLineOpen = found.sectionEnd == s.size() && !s.empty() && s.back() != '\n';
    s.insert(found.sectionEnd, lastLineOpen ? eol + insert : insert);
  } else {
    if (!s.empty() && s.back() != '\n') s += eol;
    s += "[" + section + "]" + eol + key + "=" + value + eol;
  }
  return ReplaceFile(path, EncodeFile(text));
}
