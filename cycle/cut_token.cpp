#include "cycle/cut_token.h"

namespace {
// How much of the source stays after a cut; the texts cut are single-byte Windows-1251 report
// names and report lines, so characters are bytes.
constexpr std::size_t kKeptAfterCut = 2000;
}  // namespace

std::string CutToken(std::string& source, const std::string& delimiter) {
  // An empty delimiter occurs nowhere, as in the classic Pos().
  const std::size_t at = delimiter.empty() ? std::string::npos : source.find(delimiter);
  if (at == std::string::npos) return {};
  std::string token = source.substr(0, at);
  source = source.substr(at + delimiter.size(), kKeptAfterCut);
  return token;
}
