#include "DeviceStream.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "transfer/Sockets.h"

namespace {

const char kDeviceAddress[] = "192.168.1.50";

struct Stream {
    const uint8_t* data = nullptr;
    size_t size = 0;
    size_t at = 0;
    unsigned reads = 0;
    std::string sent;
    int open = 0;
    net::Handle next = 3;
};

Stream stream;

net::Handle openOne() {
    ++stream.open;
    return stream.next++;
}

}  // namespace

namespace deviceStream {

void start(const uint8_t* data, size_t size) {
    stream.data = data;
    stream.size = size;
    stream.at = 0;
    stream.reads = 0;
    stream.sent.clear();
}

const std::string& sent() {
    return stream.sent;
}

int openSockets() {
    return stream.open;
}

}  // namespace deviceStream

namespace net {

Handle openUdp() {
    return openOne();
}

Handle openTcp() {
    return openOne();
}

bool setReuseAddress(Handle) {
    return true;
}

bool setReceiveBuffer(Handle, int) {
    return true;
}

bool setNoDelay(Handle) {
    return true;
}

bool bindAnyAddress(Handle, uint16_t) {
    return true;
}

int waitReadable(Handle, int) {
    return 1;
}

long receiveDatagram(Handle, char* buffer, size_t capacity, Address& sender) {
    const size_t length = sizeof "<GETPROYECTO>" - 1;
    if (capacity < length)
        abort();
    std::memcpy(buffer, "<GETPROYECTO>", length);
    std::memset(sender.bytes, 0, sizeof sender.bytes);
    return static_cast<long>(length);
}

bool connectTo(Handle, const std::string&, uint16_t, int) {
    return true;
}

bool sendAll(Handle, const char* data, size_t length, bool) {
    stream.sent.append(data, length);
    return true;
}

// Pieces of 1 to 7 bytes in turn, so that every read of a length or a
// name is split somewhere.
long receiveSome(Handle, char* buffer, size_t capacity) {
    size_t piece = std::min({capacity, stream.size - stream.at, size_t(stream.reads++ % 7 + 1)});
    if (piece == 0)
        return 0;  // the device hung up
    std::memcpy(buffer, stream.data + stream.at, piece);
    stream.at += piece;
    return static_cast<long>(piece);
}

void shutdownBoth(Handle) {}

void closeSocket(Handle) {
    --stream.open;
}

std::string addressText(const Address&) {
    return kDeviceAddress;
}

}  // namespace net
