// The body of the network transfer worker: waits for the device's datagram,
// connects to it, sends the project file and serves the pictures it asks for
// until "<FIN>". Runs on a thread of its own; any other thread may ask it to
// stop, which also breaks off a wait on a silent device at once.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class TransferObserver;

extern const char kTransferringText[];  // "Transfiriendo..."
extern const char kDoneText[];          // "Operación concluída"
extern const char kErrorPrefix[];       // "Error en la operación: "
extern const char kOkLabel[];           // "OK"

class DeviceTransfer {
public:
    // `pictureNames` are the only files served, each read from where
    // picturePath puts it for `projectFile`.
    DeviceTransfer(TransferObserver& observer, const std::string& projectFile,
                   const std::vector<std::string>& pictureNames, uint16_t port);
    ~DeviceTransfer();
    DeviceTransfer(const DeviceTransfer&) = delete;
    DeviceTransfer& operator=(const DeviceTransfer&) = delete;

    // 0 when done or stopped, -1 after a failure (shown to the observer).
    int run();
    // From any thread.
    void requestStop();
    bool keepRunning() const;

private:
    struct State;
    std::unique_ptr<State> state_;
};
