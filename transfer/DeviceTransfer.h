// The network transfer without any window: the progress dialog and the
// tests drive the same code. It runs on its own thread; a stop asked from
// another thread must also free it from a device that went silent, or the
// dialog could never close.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class TransferObserver;

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
    // From any thread: stop waiting for the announcement and connect to
    // `address` (dotted IPv4) instead; an announcement that came first wins.
    void connectToAddress(const std::string& address);
    bool keepRunning() const;

private:
    struct State;
    std::unique_ptr<State> state_;
};
