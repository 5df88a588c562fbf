// The transfer's sockets over Windows Sockets 2.2, for a Windows build; the
// Linux and winelib builds use PosixSockets.cpp.
// Winsock's headers come before any C library header (they define timeval).
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <winsock2.h>
#include <ws2tcpip.h>

#include "transfer/Sockets.h"

#include <cstring>

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

}  // namespace

namespace net {

Handle openUdp() {
    return handleOf(::socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP));
}

Handle openTcp() {
    return handleOf(::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP));
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
    fd_set readable;
    FD_ZERO(&readable);
    FD_SET(socketOf(socket), &readable);
    timeval timeout = {milliseconds / 1000, (milliseconds % 1000) * 1000};
    int result = ::select(0, &readable, nullptr, nullptr, &timeout);
    if (result == SOCKET_ERROR)
        return -1;
    return result > 0 ? 1 : 0;
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

bool connectTo(Handle socket, const std::string& host, uint16_t port) {
    sockaddr_in address;
    std::memset(&address, 0, sizeof address);
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = inet_addr(host.c_str());
    address.sin_port = htons(port);
    return ::connect(socketOf(socket), reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
}

bool sendAll(Handle socket, const char* data, size_t length, bool) {
    while (length > 0) {
        int n = ::send(socketOf(socket), data, static_cast<int>(length), 0);
        if (n == SOCKET_ERROR || n == 0)
            return false;
        data += n;
        length -= static_cast<size_t>(n);
    }
    return true;
}

long receiveSome(Handle socket, char* buffer, size_t capacity) {
    int n = ::recv(socketOf(socket), buffer, static_cast<int>(capacity), 0);
    return n == SOCKET_ERROR ? -1 : n;
}

void shutdownBoth(Handle socket) {
    ::shutdown(socketOf(socket), SD_BOTH);
}

void closeSocket(Handle socket) {
    ::closesocket(socketOf(socket));
}

std::string addressText(const Address& address) {
    sockaddr_in in;
    std::memcpy(&in, address.bytes, sizeof in);
    return inet_ntoa(in.sin_addr);
}

}  // namespace net
