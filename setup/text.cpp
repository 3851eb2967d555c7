#include "text.h"

#include <cstring>

namespace {

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

}  // namespace

bool AppendTo(char* buffer, size_t size, std::string_view text) {
    size_t used = std::strlen(buffer);
    size_t room = size - 1 - used;
    size_t count = text.size();
    if (count > room) {
        count = room;
        // A character cut in two would show as rubbish; drop the whole of it instead.
        while (count > 0 && IsContinuationByte(text[count])) --count;
    }
    std::memcpy(buffer + used, text.data(), count);
    buffer[used + count] = 0;
    return count == text.size();
}

bool JoinInto(char* buffer, size_t size, std::initializer_list<std::string_view> pieces) {
    buffer[0] = 0;
    // Stop at the first cut: a later piece could otherwise fill the room a dropped
    // character left and read as if it followed on.
    for (std::string_view piece : pieces)
        if (!AppendTo(buffer, size, piece)) return false;
    return true;
}
