// The transfer's sockets over Windows Sockets 2.2, for the program; the
// Linux build of the core uses PosixSockets.cpp.
// Winsock's headers come before any C library header (they define timeval).
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <winsock2.h>
#include <ws2tcpip.h>

#include "transfer/Sockets.h"

#include <chrono>
#include <cstring>
#include <mutex>
#include <set>

namespace {

// Windows Sockets 2.2 is started before the program's entry routine and
// never shut down; a failure shows up as "create socket" later.
struct WinsockStart {
    WSADATA data;
    int result;
    WinsockStart() { result = WSAStartup(0x0202, &data); }
};
WinsockStart winsockStart;

SOCKET socketOf(net::Handle socket) {
    return static_cast<SOCKET>(socket);
}

bool setIntOption(net::Handle socket, int level, int name, int value) {
    return setsockopt(socketOf(socket), level, name, reinterpret_cast<const char*>(&value),
                      sizeof value) == 0;
}

net::Handle handleOf(SOCKET socket) {
    return socket == INVALID_SOCKET ? net::kNoSocket : static_cast<net::Handle>(socket);
}

// Under Wine a shutdown from another thread does not wake a recv, send or
// connect blocked on a silent peer. So the connection socket never blocks:
// each call waits in short select() slices and gives up as soon as the
// socket has been shut down.
const long kWaitSliceMicroseconds = 100 * 1000;
std::mutex shutDownLock;
std::set<SOCKET> shutDownSockets;

bool isShutDown(SOCKET socket) {
    std::lock_guard<std::mutex> guard(shutDownLock);
    return shutDownSockets.count(socket) > 0;
}

// Waits up to `milliseconds` (forever when negative) until `socket` can be
// read (or written): 1 ready, 0 timed out, -1 shut down or failed. A
// pending error also counts as ready: the next call then reports it.
int waitSliced(SOCKET socket, bool forWriting, int milliseconds) {
    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(milliseconds);
    for (;;) {
        if (isShutDown(socket))
            return -1;
        fd_set ready, failed;
        FD_ZERO(&ready);
        FD_ZERO(&failed);
        FD_SET(socket, &ready);
        FD_SET(socket, &failed);
        timeval slice = {0, kWaitSliceMicroseconds};
        int result = ::select(0, forWriting ? nullptr : &ready, forWriting ? &ready : nullptr, &failed, &slice);
        if (result == SOCKET_ERROR)
            return -1;
        if (result > 0)
            return isShutDown(socket) ? -1 : 1;
        if (milliseconds >= 0 && Clock::now() >= deadline)
            return 0;
    }
}

bool waitUntilReady(SOCKET socket, bool forWriting) {
    return waitSliced(socket, forWriting, -1) == 1;
}

bool wouldBlock() {
    return WSAGetLastError() == WSAEWOULDBLOCK;
}

}  // namespace

namespace net {

Handle openUdp() {
    return handleOf(::socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP));
}

Handle openTcp() {
    SOCKET socket = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    u_long nonBlocking = 1;
    if (socket != INVALID_SOCKET && ::ioctlsocket(socket, FIONBIO, &nonBlocking) != 0) {
        ::closesocket(socket);
        socket = INVALID_SOCKET;
    }
    return handleOf(socket);
}

bool setReuseAddress(Handle socket) {
    return setIntOption(socket, SOL_SOCKET, SO_REUSEADDR, 1);
}

bool setReceiveBuffer(Handle socket, int bytes) {
    return setIntOption(socket, SOL_SOCKET, SO_RCVBUF, bytes);
}

bool setNoDelay(Handle socket) {
    return setIntOption(socket, IPPROTO_TCP, TCP_NODELAY, 1);
}

bool bindAnyAddress(Handle socket, uint16_t port) {
    sockaddr_in address;
    std::memset(&address, 0, sizeof address);
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_ANY);
    address.sin_port = htons(port);
    return ::bind(socketOf(socket), reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
}

int waitReadable(Handle socket, int milliseconds) {
    return waitSliced(socketOf(socket), false, milliseconds);
}

long receiveDatagram(Handle socket, char* buffer, size_t capacity, Address& sender) {
    sockaddr_in from;
    int fromLength = sizeof from;
    std::memset(&from, 0, sizeof from);
    int n = ::recvfrom(socketOf(socket), buffer, static_cast<int>(capacity), 0,
                       reinterpret_cast<sockaddr*>(&from), &fromLength);
    if (n > 0)
        std::memcpy(sender.bytes, &from, sizeof from);
    return n;
}

bool connectTo(Handle socket, const std::string& host, uint16_t port, int milliseconds) {
    sockaddr_in address;
    std::memset(&address, 0, sizeof address);
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = inet_addr(host.c_str());
    address.sin_port = htons(port);
    if (::connect(socketOf(socket), reinterpret_cast<sockaddr*>(&address), sizeof address) == 0)
        return true;
    // A refused connect shows as failed (select's third set): the socket
    // error below then tells it apart.
    if (!wouldBlock() || waitSliced(socketOf(socket), true, milliseconds) != 1)
        return false;
    int error = 0;
    int length = sizeof error;
    return ::getsockopt(socketOf(socket), SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&error), &length) == 0 &&
           error == 0;
}

bool sendAll(Handle socket, const char* data, size_t length, bool) {
    while (length > 0) {
        int n = ::send(socketOf(socket), data, static_cast<int>(length), 0);
        if (n == SOCKET_ERROR && wouldBlock() && waitUntilReady(socketOf(socket), true))
            continue;
        if (n == SOCKET_ERROR || n == 0)
            return false;
        data += n;
        length -= static_cast<size_t>(n);
    }
    return true;
}

long receiveSome(Handle socket, char* buffer, size_t capacity) {
    for (;;) {
        int n = ::recv(socketOf(socket), buffer, static_cast<int>(capacity), 0);
        if (n != SOCKET_ERROR)
            return n;
        if (!wouldBlock() || !waitUntilReady(socketOf(socket), false))
            return -1;
    }
}

void shutdownBoth(Handle socket) {
    {
        std::lock_guard<std::mutex> guard(shutDownLock);
        shutDownSockets.insert(socketOf(socket));
    }
    ::shutdown(socketOf(socket), SD_BOTH);
}

void closeSocket(Handle socket) {
    {
        // Windows reuses socket values: a new socket must not start shut down.
        std::lock_guard<std::mutex> guard(shutDownLock);
        shutDownSockets.erase(socketOf(socket));
    }
    ::closesocket(socketOf(socket));
}

std::string addressText(const Address& address) {
    sockaddr_in in;
    std::memcpy(&in, address.bytes, sizeof in);
    return inet_ntoa(in.sin_addr);
}

}  // namespace net
