// A message from the device. Its length is kept as it arrived so that tests
// can compare it with the wire bytes; the bytes carry no terminator.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

class ReceivedMessage {
public:
    uint32_t length = 0;  // network byte order, as received
    std::unique_ptr<char[]> bytes;

    // The length in host order.
    size_t size() const;
    std::string text() const { return bytes ? std::string(bytes.get(), size()) : std::string(); }
    // Replaces the buffer with one of `size` bytes.
    void allocate(uint32_t networkLength, size_t size);
    void release();
};
