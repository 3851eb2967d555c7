// Every sound played can also be kept, in order, in one wave file (--record-sound), so
// that what a person would hear can be checked by ear or by another program.
#pragma once

#include <string>

namespace platform {

// Opens FILE now, so that a path that cannot be written is reported before anything
// runs; answers an empty text, or why it cannot be written.
std::string StartSoundRecording(const std::string& file);
// Writes the recording out whole. Answers an empty text, or why it failed.
std::string FinishSoundRecording();

}  // namespace platform
