#include "transfer/Sockets.h"

#include <arpa/inet.h>
#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <cstring>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace net {

static int fdOf(Handle socket) {
    return static_cast<int>(socket);
}

static bool setIntOption(Handle socket, int level, int name, int value) {
    return ::setsockopt(fdOf(socket), level, name, &value, sizeof value) == 0;
}

Handle openUdp() {
    int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, IPPROTO_UDP);
    return fd < 0 ? kNoSocket : fd;
}

Handle openTcp() {
    int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, IPPROTO_TCP);
    return fd < 0 ? kNoSocket : fd;
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
    return ::bind(fdOf(socket), reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
}

int waitReadable(Handle socket, int milliseconds) {
    // poll rather than select: select cannot watch descriptors past FD_SETSIZE.
    pollfd watched = {fdOf(socket), POLLIN, 0};
    int result = ::poll(&watched, 1, milliseconds);
    if (result < 0)
        return errno == EINTR ? 0 : -1;
    return result > 0 ? 1 : 0;
}

long receiveDatagram(Handle socket, char* buffer, size_t capacity, Address& sender) {
    static_assert(sizeof(sockaddr_in) == sizeof sender.bytes, "IPv4 address size");
    sockaddr_in from;
    socklen_t fromLength = sizeof from;
    std::memset(&from, 0, sizeof from);
    ssize_t n = ::recvfrom(fdOf(socket), buffer, capacity, 0, reinterpret_cast<sockaddr*>(&from),
                           &fromLength);
    if (n > 0)
        std::memcpy(sender.bytes, &from, sizeof from);
    return static_cast<long>(n);
}

// Waits for a connect in progress. A shutdown from another thread ends the
// attempt at once: the socket then reports itself writable and failed.
static bool finishConnect(int fd, int milliseconds) {
    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(milliseconds);
    for (;;) {
        int left = static_cast<int>(
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count());
        if (left <= 0)
            return false;
        pollfd watched = {fd, POLLOUT, 0};
        int result = ::poll(&watched, 1, left);
        if (result < 0 && errno == EINTR)
            continue;
        if (result <= 0)
            return false;
        int error = 0;
        socklen_t length = sizeof error;
        return ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &length) == 0 && error == 0;
    }
}

bool connectTo(Handle socket, const std::string& host, uint16_t port, int milliseconds) {
    sockaddr_in address;
    std::memset(&address, 0, sizeof address);
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = ::inet_addr(host.c_str());
    address.sin_port = htons(port);
    // Without a limit a device that is off keeps connect() waiting for
    // minutes: connect without blocking, wait for it, then block again.
    int fd = fdOf(socket);
    int flags = ::fcntl(fd, F_GETFL);
    if (flags < 0 || ::fcntl(fd, F_SETFL, flags | O_NONBLOCK) != 0)
        return false;
    bool connected = ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 ||
                     (errno == EINPROGRESS && finishConnect(fd, milliseconds));
    return ::fcntl(fd, F_SETFL, flags) == 0 && connected;
}

bool sendAll(Handle socket, const char* data, size_t length, bool more) {
    // MSG_NOSIGNAL: a device that hangs up must give an error, not SIGPIPE.
    int flags = MSG_NOSIGNAL | (more ? MSG_MORE : 0);
    while (length > 0) {
        ssize_t n = ::send(fdOf(socket), data, length, flags);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data += n;
        length -= static_cast<size_t>(n);
    }
    return true;
}

long receiveSome(Handle socket, char* buffer, size_t capacity) {
    for (;;) {
        ssize_t n = ::recv(fdOf(socket), buffer, capacity, 0);
        if (n >= 0 || errno != EINTR)
            return static_cast<long>(n);
    }
}

void shutdownBoth(Handle socket) {
    ::shutdown(fdOf(socket), SHUT_RDWR);
}

void closeSocket(Handle socket) {
    ::close(fdOf(socket));
}

std::string addressText(const Address& address) {
    sockaddr_in in;
    std::memcpy(&in, address.bytes, sizeof in);
    // inet_ntop: the same text as inet_ntoa, without its shared buffer.
    char text[INET_ADDRSTRLEN] = "";
    ::inet_ntop(AF_INET, &in.sin_addr, text, sizeof text);
    return text;
}

}  // namespace net
