// The listening side of the single-instance rule, driven by the windowed backend.
#pragma once

#include <string>

namespace platform {

// Copies of the same program (by name) find each other; other programs do not answer.
void StartInstanceListener(const std::string& program);
int InstanceListenerFd();  // -1 when this copy does not listen
void ServeInstanceRequests();

}  // namespace platform
