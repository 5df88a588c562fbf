// One socket of the transfer and the IPv4 address that goes with it (the
// sender of the last datagram, for the discovery socket). Another thread may
// interrupt it: a call blocked on the socket then returns at once.
#pragma once

#include <mutex>

#include "transfer/Sockets.h"

class SocketHolder {
public:
    SocketHolder();
    ~SocketHolder();  // closes the socket
    SocketHolder(const SocketHolder&) = delete;
    SocketHolder& operator=(const SocketHolder&) = delete;

    // Takes `socket` and zeroes the address. False when the holder was
    // interrupted meanwhile: the socket is then closed at once.
    bool open(net::Handle socket);
    void close();
    // From any thread: shuts the socket down and refuses later opens.
    void interrupt();
    // From any thread: shuts the socket down, so that a wait on it ends at
    // once; later opens go ahead.
    void wake();

    net::Handle handle() const { return handle_; }

    net::Address address;

private:
    std::mutex lock_;  // open/close against interrupt: never shut down a reused descriptor
    net::Handle handle_;
    bool interrupted_;
};
