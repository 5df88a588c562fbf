// The few socket operations the device transfer needs, over the platform's
// sockets: POSIX (PosixSockets.cpp) in the Linux build of the core (unit
// tests, tools), Winsock (WinsockSockets.cpp) in the program. No socket header leaks from here.
// The transfer fuzzer links a byte stream in their place
// (tests/fuzz/DeviceStream.cpp): this set of calls is the worker's only way
// to the network.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace net {

using Handle = intptr_t;
const Handle kNoSocket = -1;

// The IPv4 socket address as the platform stores it (16 bytes).
struct Address {
    uint8_t bytes[16];
};

Handle openUdp();
Handle openTcp();
bool setReuseAddress(Handle socket);
bool setReceiveBuffer(Handle socket, int bytes);
// Sends small messages at once: a request/answer exchange must not wait
// for delayed acknowledgements.
bool setNoDelay(Handle socket);
bool bindAnyAddress(Handle socket, uint16_t port);

// 1 readable, 0 timed out, -1 failed.
int waitReadable(Handle socket, int milliseconds);
// Reads one datagram of at most `capacity` bytes and its sender; the
// count read, or 0 / -1 as recvfrom gives them.
long receiveDatagram(Handle socket, char* buffer, size_t capacity, Address& sender);

// Connects to the dotted IPv4 address `host` on `port`, giving up after
// `milliseconds` or as soon as the socket is shut down from another thread.
bool connectTo(Handle socket, const std::string& host, uint16_t port, int milliseconds);
// Sends all `length` bytes; false when the connection fails. `more` says
// that further bytes follow at once, so the system may join them into
// larger packets; the last piece of a message goes without it.
bool sendAll(Handle socket, const char* data, size_t length, bool more = false);
// Up to `capacity` bytes: the count, 0 when the peer closed, -1 on failure.
long receiveSome(Handle socket, char* buffer, size_t capacity);

// Ends every transfer on the socket: a call blocked in it returns at once.
void shutdownBoth(Handle socket);
void closeSocket(Handle socket);

// The address part as dotted text ("127.0.0.1").
std::string addressText(const Address& address);

}  // namespace net
