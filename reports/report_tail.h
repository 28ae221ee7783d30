#pragma once
// The description of a stored report as the report list shows it: the last line of the file's
// last 100 bytes. A description of up to 90 characters with its CR LF always lies in that tail;
// the first line of the tail may be cut off and is never used.
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

inline constexpr std::size_t ReportTailBytes = 100;

// The last line of a tail of Windows-1251 bytes, as UTF-8; "" when the tail has no line.
std::string LastLineOfTail(std::string_view tail);

// Reads at most the last ReportTailBytes of the file and returns LastLineOfTail of them;
// nullopt when the file cannot be opened or read.
std::optional<std::string> ReadReportDescription(const std::filesystem::path& file);
