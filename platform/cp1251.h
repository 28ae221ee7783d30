#pragma once
// Windows-1251, the single-byte encoding of report files. The program keeps text as UTF-8
// and converts only at the file boundary. Characters the code page lacks become "?".
#include <string>
#include <string_view>

std::string Utf8ToCp1251(std::string_view utf8);
std::string Cp1251ToUtf8(std::string_view cp1251);
