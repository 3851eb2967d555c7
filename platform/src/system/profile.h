// Profile (INI) files as GetPrivateProfileString reads them.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace platform {

// The value of KEY in [SECTION] of an INI text: names compare without regard to case,
// blanks around names and values are dropped, and a value in double quotes loses them.
// The first of repeated sections and keys counts. Lines starting with ';' are comments.
std::optional<std::string> ProfileValue(std::string_view text, std::string_view section, std::string_view key);

}  // namespace platform
