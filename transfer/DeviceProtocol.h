// The pieces of the exchange with the device, one function per step, kept
// free of Win32 so that the loopback tests run them as the program does.
// Framing and texts are fixed by the device's firmware.
#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>

#include "transfer/ReceivedMessage.h"
#include "transfer/SocketHolder.h"

class ProgressMeter;

const uint16_t kDevicePort = 9835;
const size_t kDatagramCapacity = 1024;  // at most 1023 bytes are read
// Files are streamed in pieces of this size, each read and passed to one
// send: never a whole file in memory.
const size_t kFileChunk = 8192;
// The longest request taken: a request is a file name, so anything longer
// is refused rather than allocated.
const size_t kMaxRequestLength = 4096;

// A connect gives up after this long: a device that is off or elsewhere
// must not leave the dialog waiting for minutes.
const int kConnectLimitMs = 5000;

extern const char kDiscoveryText[];  // "<GETPROYECTO>"
extern const char kEndText[];        // "<FIN>"

// A failure of the exchange; what() is the short text shown to the user.
class TransferError : public std::runtime_error {
public:
    explicit TransferError(const std::string& text) : std::runtime_error(text) {}
};

// True when the datagram's text, up to its first zero byte, is exactly
// "<GETPROYECTO>".
bool isDiscoveryDatagram(const char* data, size_t length);

// UDP socket with SO_REUSEADDR, bound to every address on `port`, with a
// 1024-byte receive buffer.
void openDiscoverySocket(SocketHolder& holder, uint16_t port);
void connectToDevice(const std::string& address, SocketHolder& holder, uint16_t port);
// Reads one framed message; lengths that are negative or above `limit`
// raise "recv error".
void receiveMessage(SocketHolder& holder, ReceivedMessage& message, size_t limit);
// Sends the file at `path` as one framed message; `shownName` is the name
// an error speaks of. Each piece sent is added to `meter` when there is one.
void sendFile(const std::string& path, SocketHolder& holder, const std::string& shownName,
              ProgressMeter* meter = nullptr);
// sendFile for a picture: a file whose bytes are not a PNG is refused as
// one that cannot be opened, and nothing of it is sent.
void sendPicture(const std::string& path, SocketHolder& holder, const std::string& shownName,
                 ProgressMeter* meter = nullptr);
// Sends `bytes` as one framed message (the device's side uses it too).
void sendMessage(SocketHolder& holder, const std::string& bytes);
