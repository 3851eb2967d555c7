// The listening side of the single-instance rule, driven by the windowed backend.
#pragma once

namespace platform {

void StartInstanceListener();
int InstanceListenerFd();  // -1 when this copy does not listen
void ServeInstanceRequests();

}  // namespace platform
