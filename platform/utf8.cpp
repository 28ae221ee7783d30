#include "platform/utf8.h"

#include <cstdint>

std::size_t DecodeUtf8(std::string_view text, std::size_t pos, char32_t& cp) {
  const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(text[i]); };
  const std::uint8_t lead = byte(pos);
  std::size_t length = 0;
  char32_t min = 0;
  if (lead < 0x80) {
    cp = lead;
    return 1;
  } else if ((lead & 0xE0) == 0xC0) {
    length = 2, cp = lead & 0x1F, min = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3, cp = lead & 0x0F, min = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4, cp = lead & 0x07, min = 0x10000;
  } else {
    return 0;
  }
  if (length > text.size() - pos) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    const std::uint8_t next = byte(pos + i);
    if ((next & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (next & 0x3F);
  }
  if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  return length;
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

bool IsValidUtf8(std::string_view text) {
  for (std::size_t pos = 0; pos < text.size();) {
    char32_t cp = 0;
    const std::size_t length = DecodeUtf8(text, pos, cp);
    if (length == 0) return false;
    pos += length;
  }
  return true;
}

std::string Utf16LeToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  auto unit = [&](std::size_t i) {
    return static_cast<char16_t>(static_cast<std::uint8_t>(bytes[i]) |
                                 (static_cast<std::uint8_t>(bytes[i + 1]) << 8));
  };
  std::size_t i = 0;
  while (i + 1 < bytes.size()) {
    const char16_t first = unit(i);
    i += 2;
    if (first < 0xD800 || first > 0xDFFF) {
      AppendUtf8(out, first);
    } else if (first <= 0xDBFF && i + 1 < bytes.size() && unit(i) >= 0xDC00 && unit(i) <= 0xDFFF) {
      AppendUtf8(out, 0x10000 + ((static_cast<char32_t>(first) - 0xD800) << 10) + (unit(i) - 0xDC00));
      i += 2;
    } else {
      AppendUtf8(out, char32_t{0xFFFD});
    }
  }
  if (i < bytes.size()) AppendUtf8(out, char32_t{0xFFFD});
  return out;
}
