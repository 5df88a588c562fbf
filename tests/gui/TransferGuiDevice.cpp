// No windows.h here: the device's POSIX sockets and Win32 cannot meet.
#include "tests/gui/TransferGuiDevice.h"

#include "tools/DeviceEmulator.h"

void playGuiDevice(GuiDeviceRun& run) {
    DeviceLink link(run.port);
    if (!link.listening()) {
        run.failure = "cannot listen on the device port";
        return;
    }
    EmulatorRun played = emulateDevice(
        link, EmulatorMode::Normal, [&run](const std::string&) { return run.pictures; }, run.timeoutMs);
    run.ok = played.ok;
    run.failure = played.failure;
    run.project = played.project;
    run.files = played.files;
}

bool udpPortFree(uint16_t port) {
    int probe = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    sockaddr_in address;
    std::memset(&address, 0, sizeof address);
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    bool free = ::bind(probe, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    ::close(probe);
    return free;
}
