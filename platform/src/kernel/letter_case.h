// Capital and small letters of UTF-16 text, by Unicode's one-to-one case mapping: Latin
// (Latin-1 and Extended-A), Greek and Cyrillic. Characters without a case, or whose
// capital is more than one letter (ß), stay as they are.
#pragma once

namespace platform {

char16_t UpperCase(char16_t c);
char16_t LowerCase(char16_t c);

}  // namespace platform
