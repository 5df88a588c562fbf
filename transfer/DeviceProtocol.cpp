#include "transfer/DeviceProtocol.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "model/BigEndian.h"
#include "model/FileAccess.h"
#include "model/PngChunks.h"
#include "base/texts.h"
#include "transfer/TransferProgress.h"

const char kDiscoveryText[] = "<GETPROYECTO>";
const char kEndText[] = "<FIN>";

bool isDiscoveryDatagram(const char* data, size_t length) {
    size_t textLength = 0;
    while (textLength < length && data[textLength] != '\0')
        ++textLength;
    return std::string(data, textLength) == kDiscoveryText;
}

static void openSocket(SocketHolder& holder, net::Handle socket) {
    if (socket == net::kNoSocket)
        throw TransferError("create socket");
    // An interrupted holder closes the new socket itself; the stop that
    // interrupted it is noticed by the caller.
    if (!holder.open(socket))
        throw TransferError("closed socket error");
}

void openDiscoverySocket(SocketHolder& holder, uint16_t port) {
    openSocket(holder, net::openUdp());
    if (!net::setReuseAddress(holder.handle()))
        throw TransferError("setsockopt rcvbuf error");
    if (!net::bindAnyAddress(holder.handle(), port))
        throw TransferError("bind");
    if (!net::setReceiveBuffer(holder.handle(), kDatagramCapacity))
        throw TransferError("setsockopt rcvbuf error");
}

void connectToDevice(const std::string& address, SocketHolder& holder, uint16_t port) {
    openSocket(holder, net::openTcp());
    if (!net::connectTo(holder.handle(), address, port, kConnectLimitMs))
        throw TransferError(kConnectErrorText);
    if (!net::setReuseAddress(holder.handle()))
        throw TransferError("setsockopt rcvbuf error");
    net::setNoDelay(holder.handle());
}

static void receiveExactly(SocketHolder& holder, char* buffer, size_t length) {
    while (length > 0) {
        long n = net::receiveSome(holder.handle(), buffer, length);
        if (n == 0)
            throw TransferError("closed socket error");
        if (n < 0)
            throw TransferError(kReceiveErrorText);
        buffer += n;
        length -= static_cast<size_t>(n);
    }
}

void receiveMessage(SocketHolder& holder, ReceivedMessage& message, size_t limit) {
    unsigned char header[4];
    receiveExactly(holder, reinterpret_cast<char*>(header), sizeof header);
    uint32_t length = readBigEndian32(header);
    // Above 2^31 - 1 the length is negative as the device writes it.
    if (length > 0x7FFFFFFFu || length > limit)
        throw TransferError(kReceiveErrorText);
    uint32_t wireLength;
    std::memcpy(&wireLength, header, sizeof wireLength);
    message.allocate(wireLength, length);
    receiveExactly(holder, message.bytes.get(), length);
}

static void sendLength(SocketHolder& holder, uint32_t length) {
    unsigned char header[4];
    writeBigEndian32(length, header);
    if (!net::sendAll(holder.handle(), reinterpret_cast<const char*>(header), sizeof header, length > 0))
        throw TransferError("send");
}

void sendMessage(SocketHolder& holder, const std::string& bytes) {
    sendLength(holder, static_cast<uint32_t>(bytes.size()));
    if (!net::sendAll(holder.handle(), bytes.data(), bytes.size()))
        throw TransferError("send");
}

static std::unique_ptr<InputFile> openToSend(const std::string& path, const std::string& shownName) {
    std::unique_ptr<InputFile> file = FileAccess::current().openRead(path);
    if (!file)
        throw TransferError(kCannotOpenFileText + shownName);
    return file;
}

// Up to `length` bytes from where `file` stands; fewer only at its end.
static std::string readUpTo(InputFile& file, size_t length) {
    std::string bytes(length, '\0');
    size_t got = 0;
    while (got < length) {
        long n = file.read(&bytes[got], length - got);
        if (n <= 0)
            break;
        got += static_cast<size_t>(n);
    }
    bytes.resize(got);
    return bytes;
}

// Sends `file` as one framed message, `alreadyRead` being its first bytes,
// taken from it before.
static void streamFile(InputFile& file, SocketHolder& holder, const std::string& shownName, ProgressMeter* meter,
                       const std::string& alreadyRead) {
    // The length goes out first, so the file must fit it and the stream must
    // hold exactly that many bytes: a file that cannot be read to its end
    // ends the exchange rather than leave the device waiting for bytes.
    uint64_t size = file.size();
    if (size > 0xFFFFFFFFu || size < alreadyRead.size())
        throw TransferError("no pude leer el archivo " + shownName);
    sendLength(holder, static_cast<uint32_t>(size));
    uint64_t remaining = size - alreadyRead.size();
    if (!alreadyRead.empty()) {
        if (!net::sendAll(holder.handle(), alreadyRead.data(), alreadyRead.size(), remaining > 0))
            throw TransferError("send");
        if (meter)
            meter->addBytes(alreadyRead.size());
    }
    char chunk[kFileChunk];
    while (remaining > 0) {
        long n = file.read(chunk, static_cast<size_t>(std::min<uint64_t>(kFileChunk, remaining)));
        if (n <= 0)
            throw TransferError("no pude leer el archivo " + shownName);
        remaining -= static_cast<uint64_t>(n);
        if (!net::sendAll(holder.handle(), chunk, static_cast<size_t>(n), remaining > 0))
            throw TransferError("send");
        if (meter)
            meter->addBytes(static_cast<size_t>(n));
    }
}

void sendFile(const std::string& path, SocketHolder& holder, const std::string& shownName, ProgressMeter* meter) {
    std::unique_ptr<InputFile> file = openToSend(path, shownName);
    streamFile(*file, holder, shownName, meter, std::string());
}

void sendPicture(const std::string& path, SocketHolder& holder, const std::string& shownName, ProgressMeter* meter) {
    std::unique_ptr<InputFile> file = openToSend(path, shownName);
    // Checked on the very file then sent: nothing can put another file in
    // its place between the check and the send.
    std::string header = readUpTo(*file, kPngHeaderBytes);
    if (!hasPngHeader(header))
        throw TransferError(kCannotOpenFileText + shownName);
    streamFile(*file, holder, shownName, meter, header);
}
