#pragma once
// INI files with the semantics of the Windows private-profile functions: sections and keys
// compared without regard to case (Latin and Cyrillic), everything else in the file kept as it is,
// a missing file, section or key gives the default. Files in Windows-1251, UTF-8 (with or without
// BOM) and UTF-16LE with BOM are read; a file is rewritten in the encoding it has. A file created
// here is UTF-8 without BOM. Arguments and results are UTF-8.
#include <string>

// At most maxChars - 1 characters of the value are returned (the Windows buffer rule).
std::string GetPrivateProfileString(const std::string& path, const std::string& section,
                                    const std::string& key, const std::string& defaultValue,
                                    int maxChars = 254);
// Creates the file, section or key as needed. Returns false when the file cannot be written.
bool WritePrivateProfileString(const std::string& path, const std::string& section,
                               const std::string& key, const std::string& value);
