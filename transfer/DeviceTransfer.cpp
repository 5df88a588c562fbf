#include "transfer/DeviceTransfer.h"

#include <algorithm>
#include <atomic>
#include <mutex>

#include "model/FileAccess.h"
#include "base/texts.h"
#include "transfer/DeviceProtocol.h"
#include "transfer/TransferObserver.h"
#include "transfer/TransferProgress.h"

struct DeviceTransfer::State {
    TransferObserver& observer;
    std::string projectFile;
    std::vector<std::string> pictureNames;
    uint16_t port;
    std::atomic<bool> keepRunning{true};
    SocketHolder discovery;
    SocketHolder connection;
    std::unique_ptr<ProgressMeter> meter;  // only when the observer shows progress
    std::mutex typedLock;
    std::string typedAddress;  // "" until the user types one

    bool takeTypedAddress(std::string& address);
    State(TransferObserver& observer, const std::string& projectFile,
          const std::vector<std::string>& pictureNames, uint16_t port)
        : observer(observer), projectFile(projectFile), pictureNames(pictureNames), port(port) {}

    bool discoverDevice(std::string& deviceAddress);
    void serveRequests(const std::string& deviceAddress);
    void serveRequest(const std::string& request);
    void startMeter();
    int exchange();
};

DeviceTransfer::DeviceTransfer(TransferObserver& observer, const std::string& projectFile,
                               const std::vector<std::string>& pictureNames, uint16_t port)
    : state_(new State(observer, projectFile, pictureNames, port)) {}

DeviceTransfer::~DeviceTransfer() = default;

bool DeviceTransfer::keepRunning() const {
    return state_->keepRunning.load();
}

void DeviceTransfer::connectToAddress(const std::string& address) {
    {
        std::lock_guard<std::mutex> guard(state_->typedLock);
        state_->typedAddress = address;
    }
    // Ends the wait for the datagram at once; the discovery socket is not
    // used again.
    state_->discovery.wake();
}

bool DeviceTransfer::State::takeTypedAddress(std::string& address) {
    std::lock_guard<std::mutex> guard(typedLock);
    if (typedAddress.empty())
        return false;
    address = typedAddress;
    return true;
}

void DeviceTransfer::requestStop() {
    state_->keepRunning.store(false);
    state_->discovery.interrupt();
    state_->connection.interrupt();
}

// Waits for "<GETPROYECTO>" or a typed address, waking every second to
// notice a stop.
bool DeviceTransfer::State::discoverDevice(std::string& deviceAddress) {
    openDiscoverySocket(discovery, port);
    char datagram[kDatagramCapacity];
    while (keepRunning.load()) {
        if (takeTypedAddress(deviceAddress))
            break;
        int ready = net::waitReadable(discovery.handle(), 1000);
        if (takeTypedAddress(deviceAddress))
            break;
        if (ready < 0)
            throw TransferError(kReceiveErrorText);
        if (ready == 0)
            continue;
        net::Address sender;
        long n = net::receiveDatagram(discovery.handle(), datagram, kDatagramCapacity - 1, sender);
        if (n <= 0)
            continue;
        datagram[n] = '\0';
        if (isDiscoveryDatagram(datagram, static_cast<size_t>(n))) {
            discovery.address = sender;
            deviceAddress = net::addressText(sender);
            break;
        }
    }
    discovery.close();
    return keepRunning.load();
}

void DeviceTransfer::State::serveRequest(const std::string& request) {
    // Only the pictures the pages name leave the disk, matched byte for byte,
    // and only when they are PNG pictures: a page naming a document by
    // mistake (or in a hostile file) must not send it to whatever answers.
    // Any other name is answered as a missing file, without opening anything.
    bool served = std::find(pictureNames.begin(), pictureNames.end(), request) != pictureNames.end();
    if (!served)
        throw TransferError(kCannotOpenFileText + request);
    // A picture's bytes count towards the progress the first time only.
    ProgressMeter* counting = meter && meter->firstSending(request) ? meter.get() : nullptr;
    sendPicture(picturePath(projectFile, request), connection, request, counting);
    if (counting)
        counting->pictureSent();
}

void DeviceTransfer::State::serveRequests(const std::string& deviceAddress) {
    ReceivedMessage request;
    while (keepRunning.load()) {
        receiveMessage(connection, request, kMaxRequestLength);
        std::string name = request.text();
        request.release();
        if (name == kEndText) {
            if (meter)
                meter->finish();
            observer.setStatus(kDoneText);
            observer.setButtonLabel(kOkLabel);
            observer.deviceServed(deviceAddress);
            keepRunning.store(false);
            break;
        }
        serveRequest(name);
    }
}

void DeviceTransfer::State::startMeter() {
    if (!observer.showsProgress())
        return;
    std::vector<std::string> paths;
    for (const std::string& name : pictureNames)
        paths.push_back(picturePath(projectFile, name));
    meter.reset(new ProgressMeter(observer, projectFile, pictureNames, paths));
    meter->start();
}

int DeviceTransfer::State::exchange() {
    std::string deviceAddress;
    if (!discoverDevice(deviceAddress))
        return 0;
    observer.deviceFound(deviceAddress);
    observer.setStatus(kTransferringText);
    startMeter();
    connectToDevice(deviceAddress, connection, port);
    sendFile(projectFile, connection, projectFile, meter.get());
    serveRequests(deviceAddress);
    connection.close();
    return 0;
}

int DeviceTransfer::run() {
    std::string failure;
    try {
        return state_->exchange();
    } catch (const TransferError& error) {
        failure = error.what();
    } catch (const std::bad_alloc&) {
        failure = kReceiveErrorText;
    } catch (const std::exception& error) {
        // Nothing else is expected here, but the user must still learn that
        // the exchange is over.
        failure = error.what();
    } catch (...) {
        failure = "unexpected error";
    }
    state_->discovery.close();
    state_->connection.close();
    // A stop breaks the sockets on purpose: the dialog is closing and its
    // status line stays as it is.
    if (!state_->keepRunning.load())
        return 0;
    if (failure == kConnectErrorText)
        failure += kConnectHint;
    state_->observer.setStatus(kErrorPrefix + failure);
    state_->observer.setButtonLabel(kOkLabel);
    state_->observer.transferFailed();
    return -1;
}
