#include "platform/private_profile.h"

#include <optional>
#include <string_view>

#include "platform/encoded_text_file.h"
#include "platform/utf8.h"

namespace {

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
  EncodedText text;
  if (ReadEncodedTextFile(path, text) != ReadStatus::Ok) return FitBuffer(fallback, maxChars);
  const Location found = Find(text.utf8, section, key);
  if (!found.keyLine) return FitBuffer(fallback, maxChars);
  const std::string_view line(text.utf8.data() + found.equals + 1,
                              found.keyLine->end - found.equals - 1);
  return FitBuffer(Unquote(Trim(line)), maxChars);
}

bool WritePrivateProfileString(const std::string& path, const std::string& section,
                               const std::string& key, const std::string& value) {
  if (!IsWritable(section, key, value)) return false;
  EncodedText text;
  const ReadStatus read = ReadEncodedTextFile(path, text);
  if (read == ReadStatus::Failed) return false;
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
  return ReplaceEncodedTextFile(path, text);
}
