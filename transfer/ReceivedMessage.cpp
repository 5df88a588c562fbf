#include "transfer/ReceivedMessage.h"

#include <cstring>

size_t ReceivedMessage::size() const {
    unsigned char wire[4];
    std::memcpy(wire, &length, sizeof wire);
    return (size_t(wire[0]) << 24) | (size_t(wire[1]) << 16) | (size_t(wire[2]) << 8) | wire[3];
}

void ReceivedMessage::allocate(uint32_t networkLength, size_t size) {
    bytes.reset();
    length = networkLength;
    bytes.reset(new char[size == 0 ? 1 : size]);
}

void ReceivedMessage::release() {
    bytes.reset();
    length = 0;
}
