// Text put together in fixed buffers, as the setup program's messages are: what does not
// fit is cut at the buffer's end, never inside a character, and the buffer always ends
// in its terminator.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <string_view>

// Both answer whether all of the text fitted.
bool AppendTo(char* buffer, size_t size, std::string_view text);
bool JoinInto(char* buffer, size_t size, std::initializer_list<std::string_view> pieces);

template <size_t N>
bool AppendTo(char (&buffer)[N], std::string_view text) {
    return AppendTo(buffer, N, text);
}

template <size_t N>
bool JoinInto(char (&buffer)[N], std::initializer_list<std::string_view> pieces) {
    return JoinInto(buffer, N, pieces);
}
