#pragma once
#include <string>

// Returns the text before the first occurrence of delimiter and removes it and the delimiter
// from source, which keeps at most its next 2000 characters. Without the delimiter: returns ""
// and leaves source unchanged.
std::string CutToken(std::string& source, const std::string& delimiter);
