// WinExec's splitting, and its inverse: arguments written as a command line split back into
// the same arguments, whatever they hold.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "system/process.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string input(reinterpret_cast<const char*>(data), size);
    platform::SplitWindowsCommandLine(input);
    // NUL-separated arguments after a plain program name.
    std::vector<std::string> args{"program"};
    size_t start = 0;
    for (size_t zero; (zero = input.find('\0', start)) != std::string::npos; start = zero + 1)
        args.push_back(input.substr(start, zero - start));
    args.push_back(input.substr(start));
    if (platform::SplitWindowsCommandLine(platform::JoinWindowsArguments(args)) != args) std::abort();
    return 0;
}
