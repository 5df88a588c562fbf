#include "transfer/ReceivedMessage.h"

#include <cstring>

#include "model/BigEndian.h"

size_t ReceivedMessage::size() const {
    unsigned char wire[4];
    std::memcpy(wire, &length, sizeof wire);
    return readBigEndian32(wire);
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
