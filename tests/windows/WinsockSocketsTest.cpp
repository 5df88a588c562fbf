// The transfer's sockets over Winsock, cross-built and run under Wine, with
// a peer on loopback made of plain Winsock calls: data both ways, and a stop
// from another thread that ends a wait on a silent peer within a second.
#include <winsock2.h>
#include <ws2tcpip.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "transfer/Sockets.h"

namespace {

using Clock = std::chrono::steady_clock;

// A TCP listener on 127.0.0.1 with a free port.
class LoopbackPeer {
public:
    explicit LoopbackPeer(int backlog = 4) {
        listener_ = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
        sockaddr_in address = {};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address);
        ::listen(listener_, backlog);
        int length = sizeof address;
        ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length);
        port = ntohs(address.sin_port);
    }
    ~LoopbackPeer() {
        if (connection != INVALID_SOCKET)
            ::closesocket(connection);
        ::closesocket(listener_);
    }
    bool accept() {
        connection = ::accept(listener_, nullptr, nullptr);
        return connection != INVALID_SOCKET;
    }
    std::string receive(size_t length) {
        std::string bytes(length, '\0');
        size_t at = 0;
        while (at < length) {
            int n = ::recv(connection, &bytes[at], static_cast<int>(length - at), 0);
            if (n <= 0)
                break;
            at += static_cast<size_t>(n);
        }
        bytes.resize(at);
        return bytes;
    }

    uint16_t port = 0;
    SOCKET connection = INVALID_SOCKET;

private:
    SOCKET listener_;
};

struct Connected {
    LoopbackPeer peer;
    net::Handle socket = net::openTcp();
    bool ok = socket != net::kNoSocket && net::connectTo(socket, "127.0.0.1", peer.port, 5000) && peer.accept();
    ~Connected() { net::closeSocket(socket); }
};

struct WaitTimes {
    double waited = 0;          // from the start of the wait to its end
    double afterShutdown = 0;   // from the shutdown to the end of the wait
};

// Runs `wait` while another thread shuts the socket down after 300 ms. A
// wait that fails at once, before the shutdown, shows as waited < 0.3 s.
template <typename Wait>
WaitTimes timesAroundShutdown(net::Handle socket, Wait wait) {
    Clock::time_point stoppedAt;
    const Clock::time_point started = Clock::now();
    std::thread stopper([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        stoppedAt = Clock::now();
        net::shutdownBoth(socket);
    });
    wait();
    Clock::time_point ended = Clock::now();
    stopper.join();
    WaitTimes times;
    times.waited = std::chrono::duration<double>(ended - started).count();
    times.afterShutdown = std::chrono::duration<double>(ended - stoppedAt).count();
    return times;
}

}  // namespace

TEST(WinsockSockets, SendsAndReceivesOnLoopbackAndSeesTheClose) {
    Connected link;
    ASSERT_TRUE(link.ok);
    EXPECT_TRUE(net::sendAll(link.socket, "\0\0\0\x05hello", 9));
    EXPECT_EQ(link.peer.receive(9), std::string("\0\0\0\x05hello", 9));
    ::send(link.peer.connection, "inicio.png", 10, 0);
    char buffer[64];
    long n = net::receiveSome(link.socket, buffer, sizeof buffer);
    EXPECT_EQ(std::string(buffer, n > 0 ? static_cast<size_t>(n) : 0), "inicio.png");
    ::closesocket(link.peer.connection);
    link.peer.connection = INVALID_SOCKET;
    EXPECT_EQ(net::receiveSome(link.socket, buffer, sizeof buffer), 0);
}

TEST(WinsockSockets, ConnectionRefusedFails) {
    uint16_t port;
    {
        LoopbackPeer closed;
        port = closed.port;
    }
    net::Handle socket = net::openTcp();
    EXPECT_FALSE(net::connectTo(socket, "127.0.0.1", port, 5000));
    net::closeSocket(socket);
}

TEST(WinsockSockets, ShutdownEndsAReceiveFromASilentPeerWithinASecond) {
    Connected link;
    ASSERT_TRUE(link.ok);
    long received = 1;
    char buffer[16];
    WaitTimes times = timesAroundShutdown(link.socket, [&] { received = net::receiveSome(link.socket, buffer, 16); });
    EXPECT_EQ(received, -1);
    EXPECT_GE(times.waited, 0.29);
    EXPECT_LT(times.afterShutdown, 1.0);
}

TEST(WinsockSockets, ShutdownEndsASendToAPeerThatDoesNotReadWithinASecond) {
    Connected link;
    ASSERT_TRUE(link.ok);
    const std::vector<char> picture(64 * 1024 * 1024, 'x');
    bool sent = true;
    WaitTimes times =
        timesAroundShutdown(link.socket, [&] { sent = net::sendAll(link.socket, picture.data(), picture.size()); });
    EXPECT_FALSE(sent);
    EXPECT_GE(times.waited, 0.29);
    EXPECT_LT(times.afterShutdown, 1.0);
}

TEST(WinsockSockets, DatagramArrivesWithItsSenderAndAWaitEndsOnShutdown) {
    net::Handle udp = net::openUdp();
    ASSERT_TRUE(net::setReuseAddress(udp));
    ASSERT_TRUE(net::bindAnyAddress(udp, 0));
    sockaddr_in address = {};
    int length = sizeof address;
    ::getsockname(static_cast<SOCKET>(udp), reinterpret_cast<sockaddr*>(&address), &length);
    EXPECT_EQ(net::waitReadable(udp, 100), 0);

    SOCKET sender = ::socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::sendto(sender, "<GETPROYECTO>", 13, 0, reinterpret_cast<sockaddr*>(&address), sizeof address);
    ::closesocket(sender);
    ASSERT_EQ(net::waitReadable(udp, 2000), 1);
    char datagram[64];
    net::Address from;
    EXPECT_EQ(net::receiveDatagram(udp, datagram, sizeof datagram, from), 13);
    EXPECT_EQ(net::addressText(from), "127.0.0.1");

    int ready = 0;
    WaitTimes times = timesAroundShutdown(udp, [&] { ready = net::waitReadable(udp, 10000); });
    EXPECT_EQ(ready, -1);
    EXPECT_GE(times.waited, 0.29);
    EXPECT_LT(times.afterShutdown, 1.0);
    net::closeSocket(udp);
}

namespace {

// A listener whose queue is full: a further connect gets no answer at all,
// as with a device that is off.
struct UnansweredPeer {
    LoopbackPeer peer{0};
    SOCKET filler = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    bool ready = false;
    UnansweredPeer() {
        sockaddr_in address = {};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        address.sin_port = htons(peer.port);
        ready = ::connect(filler, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    }
    ~UnansweredPeer() { ::closesocket(filler); }
};

}  // namespace

TEST(WinsockConnect, AnUnansweredConnectGivesUpAtItsLimitAndAShutdownEndsItAtOnce) {
    UnansweredPeer device;
    ASSERT_TRUE(device.ready);
    net::Handle socket = net::openTcp();
    Clock::time_point started = Clock::now();
    EXPECT_FALSE(net::connectTo(socket, "127.0.0.1", device.peer.port, 1500));
    double seconds = std::chrono::duration<double>(Clock::now() - started).count();
    std::printf("unanswered connect gave up after %.3f s (limit 1.5 s)\n", seconds);
    EXPECT_GE(seconds, 1.4);
    EXPECT_LT(seconds, 2.5);
    net::closeSocket(socket);

    socket = net::openTcp();
    bool connected = true;
    WaitTimes times = timesAroundShutdown(
        socket, [&] { connected = net::connectTo(socket, "127.0.0.1", device.peer.port, 10000); });
    std::printf("shutdown ended the connect after %.3f s\n", times.afterShutdown);
    EXPECT_FALSE(connected);
    EXPECT_GE(times.waited, 0.29);
    EXPECT_LT(times.afterShutdown, 1.0);
    net::closeSocket(socket);
}
