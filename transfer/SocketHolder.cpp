#include "transfer/SocketHolder.h"

#include <cstring>

SocketHolder::SocketHolder() : handle_(net::kNoSocket), interrupted_(false) {
    std::memset(address.bytes, 0, sizeof address.bytes);
}

SocketHolder::~SocketHolder() {
    close();
}

bool SocketHolder::open(net::Handle socket) {
    std::lock_guard<std::mutex> guard(lock_);
    if (handle_ != net::kNoSocket)
        net::closeSocket(handle_);
    handle_ = net::kNoSocket;
    std::memset(address.bytes, 0, sizeof address.bytes);
    if (interrupted_) {
        net::closeSocket(socket);
        return false;
    }
    handle_ = socket;
    return true;
}

void SocketHolder::close() {
    std::lock_guard<std::mutex> guard(lock_);
    if (handle_ == net::kNoSocket)
        return;
    net::closeSocket(handle_);
    handle_ = net::kNoSocket;
}

void SocketHolder::interrupt() {
    std::lock_guard<std::mutex> guard(lock_);
    interrupted_ = true;
    if (handle_ != net::kNoSocket)
        net::shutdownBoth(handle_);
}

void SocketHolder::wake() {
    std::lock_guard<std::mutex> guard(lock_);
    if (handle_ != net::kNoSocket)
        net::shutdownBoth(handle_);
}
