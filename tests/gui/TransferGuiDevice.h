// The emulated device for the GUI tests of the transfer. Its code uses the
// C library's sockets only, so it lives in a file of its own that never meets
// windows.h; the GUI test runs it on a CreateThread thread.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

struct GuiDeviceRun {
    // In
    uint16_t port = 9835;
    std::vector<std::string> pictures;  // asked for in this order, then "<FIN>"
    int timeoutMs = 20000;
    // Out
    bool ok = false;
    std::string failure;
    std::string project;
    std::vector<std::pair<std::string, std::string>> files;
};

// Listens on 127.0.0.1:port, announces itself until the editor connects and
// plays one normal exchange.
void playGuiDevice(GuiDeviceRun& run);

// True when nothing holds UDP `port` (a bind without SO_REUSEADDR succeeds):
// the editor's worker has closed its discovery socket.
bool udpPortFree(uint16_t port);
