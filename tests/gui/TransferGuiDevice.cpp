#include "tests/gui/TransferGuiDevice.h"

#include <cstdlib>

#include "tests/gui/DialogsGuiTest.h"
#include "transfer/Sockets.h"

namespace {

const char kReportName[] = "report.txt";

}  // namespace

GuiDevice::GuiDevice(const std::string& mode, int timeoutSeconds) {
    const char* emulator = std::getenv("QUENDA_DEVICE_EMULATOR");
    if (!emulator || folder_.dir().empty())
        return;
    // The device's own folder is its current directory: no Unix path needed.
    std::string command = std::string("\"") + emulator + "\" --port 9835 --out . --mode " + mode +
                          " --timeout " + std::to_string(timeoutSeconds) + " --report " + kReportName;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    started_ = CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, folder_.dir().c_str(),
                              &startup, &process) != 0;
    if (started_) {
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
}

bool GuiDevice::finish(DWORD timeoutMs) {
    const std::string path = folder_.path(kReportName);
    if (!started_ || !waitFor([&path] { return fileExists(path); }, timeoutMs))
        return false;
    report_ = readFileBytes(path);
    return report_.compare(0, 3, "ok\n") == 0;
}

bool udpPortFree(uint16_t port) {
    net::Handle probe = net::openUdp();
    if (probe == net::kNoSocket)
        return false;
    bool free = net::bindAnyAddress(probe, port);
    net::closeSocket(probe);
    return free;
}
