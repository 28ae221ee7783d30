#pragma once
// Text files kept in the encoding they were found in: read into UTF-8, written back in the same
// encoding, replaced atomically. Files in Windows-1251, UTF-8 (with or without BOM) and UTF-16LE
// with BOM are told apart; a file without BOM that is well-formed UTF-8 (pure ASCII included) is
// UTF-8, any other is Windows-1251.
#include <string>

enum class TextFileEncoding { Utf8, Utf8Bom, Utf16Le, Cp1251 };

struct EncodedText {
  TextFileEncoding encoding = TextFileEncoding::Utf8;  // what a new file gets
  std::string utf8;
};

enum class ReadStatus { Ok, Missing, Failed };

// Reads and decodes the file at path. Missing: there is no file (text is left as it is).
// Failed: there is something that cannot be read as a file.
ReadStatus ReadEncodedTextFile(const std::string& path, EncodedText& text);

// Encodes text and replaces the file at path (the target of a symbolic link) through a temporary
// file and a rename, so that a crash leaves the old file or the new one, never a half-written one.
// Keeps the old file's permissions. Returns false, and leaves the file as it was, when the file may
// not be written or the folder refuses the new file.
bool ReplaceEncodedTextFile(const std::string& path, const EncodedText& text);
