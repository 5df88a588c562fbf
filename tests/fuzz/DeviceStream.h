// The device's side of the transfer as a byte stream, standing in for the
// platform's sockets (transfer/Sockets.h is implemented by DeviceStream.cpp
// in the transfer fuzzer): the datagram "<GETPROYECTO>" arrives at once, the
// TCP connection then delivers the stream in small pieces and closes at its
// end, and whatever the worker sends is kept.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace deviceStream {

// The stream of the next exchange; forgets what was sent before.
void start(const uint8_t* data, size_t size);
// Every byte the worker sent on the TCP connection.
const std::string& sent();
// Sockets opened and not closed yet.
int openSockets();

}  // namespace deviceStream
