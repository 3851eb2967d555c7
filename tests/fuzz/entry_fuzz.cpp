// The number-entry rules and the result formatting: any typed text is judged, and what
// passes is converted and written back as a result.
#include <cstdint>
#include <string>

#include "entry/entry.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::u16string text;
    for (size_t i = 0; i + 1 < size; i += 2) text.push_back(char16_t(data[i] | data[i + 1] << 8));
    if (!IsValidNumberText(text.c_str())) return 0;
    IsZeroText(text.c_str());
    double value = ConvertNumber(text.c_str());
    WCHAR out[kResultTextSize];
    FormatResult(value, out);
    return 0;
}
