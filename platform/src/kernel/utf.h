// Conversions between the program's UTF-16 text and the host's UTF-8.
#pragma once

#include <string>

namespace platform {

std::string ToUtf8(const std::u16string& text);
std::u16string FromUtf8(const std::string& text);

}  // namespace platform
