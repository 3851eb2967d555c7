// Starting outside programs: what the tests reach of it.
#pragma once

#include <string>
#include <vector>

namespace platform {

// A Windows command line split as Windows programs split theirs: the program name up
// to a blank (or within quotes, taken as it stands), then arguments separated by blanks,
// where quotes group, "" inside quotes is a quote, and backslashes escape a quote only
// (2n backslashes and a quote: n backslashes and a grouping quote; 2n+1: n and a quote).
std::vector<std::string> SplitWindowsCommandLine(const std::string& line);
// The arguments written as a Windows command line's arguments, so that splitting it
// gives them back.
std::string JoinWindowsArguments(const std::vector<std::string>& args);
// The folder of the running program's executable (links followed).
std::string ProgramDirectory();

}  // namespace platform
