// The emulated device of the GUI tests of the transfer: tools/device_emulator,
// a Linux program (its path in QUENDA_DEVICE_EMULATOR, set by the test
// runner). Wine starts it like any program; it cannot be waited for, so it writes what it
// received into a folder of its own and its report there last.
#pragma once

#include <cstdint>
#include <string>

#include "tests/gui/GuiTest.h"

class GuiDevice {
public:
    // Starts the device playing `mode` ("normal", "silent", ...: see
    // tools/device_emulator.cpp) on port 9835.
    explicit GuiDevice(const std::string& mode, int timeoutSeconds = 20);

    bool started() const { return started_; }
    // Waits up to `timeoutMs` for the report; true when the exchange went as
    // the mode expects. The report's text is kept in report().
    bool finish(DWORD timeoutMs);
    const std::string& report() const { return report_; }
    // The bytes of a file the device received ("trdev.xml" for the project).
    std::string received(const std::string& name) const { return readFileBytes(folder_.path(name)); }

private:
    TempFolder folder_;
    bool started_ = false;
    std::string report_;
};

// True when nothing holds UDP `port` (a bind without SO_REUSEADDR succeeds):
// the editor's worker has closed its discovery socket.
bool udpPortFree(uint16_t port);
