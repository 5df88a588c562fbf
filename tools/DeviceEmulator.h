// A stand-in for the remote on loopback, so that the transfer can be tested
// and measured without the hardware (Linux only; the editor's side lives in
// transfer/). Shared by the emulator program, the tests and the benchmark.
#pragma once

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstring>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "model/BigEndian.h"

class DeviceLink {
public:
    // Listens on 127.0.0.1:`port`; 0 takes any free port (see port()).
    explicit DeviceLink(uint16_t port = 0) {
        listener_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        int yes = 1;
        ::setsockopt(listener_, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
        sockaddr_in address = loopback(port);
        if (::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
            ::listen(listener_, 4) != 0) {
            closeFd(listener_);
            return;
        }
        socklen_t length = sizeof address;
        ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length);
        port_ = ntohs(address.sin_port);
    }
    ~DeviceLink() {
        closeFd(connection_);
        closeFd(listener_);
    }
    DeviceLink(const DeviceLink&) = delete;
    DeviceLink& operator=(const DeviceLink&) = delete;

    bool listening() const { return listener_ >= 0; }
    uint16_t port() const { return port_; }
    bool connected() const { return connection_ >= 0; }

    // Sends one datagram to the editor's port on 127.0.0.1.
    bool announce(const std::string& datagram = "<GETPROYECTO>") const {
        int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
        sockaddr_in to = loopback(port_);
        ssize_t sent = ::sendto(fd, datagram.data(), datagram.size(), 0,
                                reinterpret_cast<sockaddr*>(&to), sizeof to);
        ::close(fd);
        return sent == static_cast<ssize_t>(datagram.size());
    }

    // Announces every `intervalMs` until the editor connects (true) or
    // `timeoutMs` passes: the editor may not be listening yet.
    bool announceUntilConnected(int timeoutMs, int intervalMs = 20) {
        auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
        while (Clock::now() < deadline) {
            announce();
            if (acceptEditor(intervalMs))
                return true;
        }
        return false;
    }

    bool acceptEditor(int timeoutMs) {
        if (!waitFor(listener_, timeoutMs))
            return false;
        connection_ = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
        int yes = 1;
        ::setsockopt(connection_, IPPROTO_TCP, TCP_NODELAY, &yes, sizeof yes);
        return connection_ >= 0;
    }

    // Stops taking connections: an editor that connects now is refused.
    void stopListening() { closeFd(listener_); }
    void closeConnection() { closeFd(connection_); }

    // One framed message; false when the editor closed, failed or was silent
    // for `timeoutMs`. With `counted` the bytes are only counted there.
    bool receiveFrame(std::string& bytes, int timeoutMs, uint64_t* counted = nullptr) {
        unsigned char header[4];
        if (!receiveExactly(reinterpret_cast<char*>(header), 4, timeoutMs))
            return false;
        uint32_t length = readBigEndian32(header);
        bytes.clear();
        char chunk[65536];
        while (length > 0) {
            size_t part = length < sizeof chunk ? length : sizeof chunk;
            if (!receiveExactly(chunk, part, timeoutMs))
                return false;
            if (counted)
                *counted += part;
            else
                bytes.append(chunk, part);
            length -= static_cast<uint32_t>(part);
        }
        return true;
    }

    bool sendFrame(const std::string& bytes) {
        uint32_t length = static_cast<uint32_t>(bytes.size());
        unsigned char header[4];
        writeBigEndian32(length, header);
        return sendRaw(std::string(reinterpret_cast<char*>(header), 4) + bytes);
    }

    bool sendRaw(const std::string& bytes) {
        size_t at = 0;
        while (at < bytes.size()) {
            ssize_t n = ::send(connection_, bytes.data() + at, bytes.size() - at, MSG_NOSIGNAL);
            if (n <= 0)
                return false;
            at += static_cast<size_t>(n);
        }
        return true;
    }

    // Reads until the editor closes the connection (true) or `timeoutMs`
    // passes; `extra` gets whatever came before the close.
    bool waitForClose(std::string& extra, int timeoutMs) {
        extra.clear();
        auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
        char chunk[4096];
        for (;;) {
            int left = static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                            deadline - Clock::now()).count());
            if (left <= 0 || !waitFor(connection_, left))
                return false;
            ssize_t n = ::recv(connection_, chunk, sizeof chunk, 0);
            if (n <= 0)
                return true;
            extra.append(chunk, static_cast<size_t>(n));
        }
    }

    // Counts what arrives until the editor closes (true) or goes silent for
    // `timeoutMs`, reading as receiveFrame does.
    bool countUntilClose(uint64_t& counted, int timeoutMs) {
        char chunk[65536];
        for (;;) {
            if (!waitFor(connection_, timeoutMs))
                return false;
            ssize_t n = ::recv(connection_, chunk, sizeof chunk, 0);
            if (n <= 0)
                return n == 0;
            counted += static_cast<uint64_t>(n);
        }
    }

private:
    using Clock = std::chrono::steady_clock;

    static sockaddr_in loopback(uint16_t port) {
        sockaddr_in address;
        std::memset(&address, 0, sizeof address);
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        address.sin_port = htons(port);
        return address;
    }
    static void closeFd(int& fd) {
        if (fd >= 0)
            ::close(fd);
        fd = -1;
    }
    static bool waitFor(int fd, int timeoutMs) {
        if (fd < 0)
            return false;
        pollfd watched = {fd, POLLIN, 0};
        return ::poll(&watched, 1, timeoutMs) > 0;
    }
    bool receiveExactly(char* buffer, size_t length, int timeoutMs) {
        while (length > 0) {
            if (!waitFor(connection_, timeoutMs))
                return false;
            ssize_t n = ::recv(connection_, buffer, length, 0);
            if (n <= 0)
                return false;
            buffer += n;
            length -= static_cast<size_t>(n);
        }
        return true;
    }

    int listener_ = -1;
    int connection_ = -1;
    uint16_t port_ = 0;
};

// How the emulated device behaves once it has the project file.
enum class EmulatorMode {
    Normal,      // asks for every picture, then "<FIN>"
    Quiet,       // as Normal, but never announces: the editor is given the address
    CloseEarly,  // hangs up instead of asking
    Silent,      // asks nothing and waits for the editor to hang up
    HugeLength,  // announces a 2 GB request and sends nothing more
    Traversal,   // asks for "../../etc/passwd"
    Missing,     // asks for a picture that does not exist
};

struct EmulatorRun {
    bool ok = false;        // the exchange went as the mode expects
    std::string failure;    // why not, when !ok
    std::string project;    // the project file as received
    std::vector<std::pair<std::string, std::string>> files;  // name, bytes
    uint64_t bytesReceived = 0;   // project and files, without framing
    double exchangeSeconds = 0;   // from the connection to the editor's close
    bool editorClosed = false;    // the editor hung up at the end
};

// Lists the pictures to ask for, given the project file's bytes.
using PictureLister = std::function<std::vector<std::string>(const std::string& project)>;

// Runs one exchange on `link`. With `keepBytes` false the files are only
// counted (for timing without copies).
inline EmulatorRun emulateDevice(DeviceLink& link, EmulatorMode mode, const PictureLister& picturesOf,
                                 int timeoutMs, bool keepBytes = true) {
    EmulatorRun run;
    bool connected = mode == EmulatorMode::Quiet ? link.acceptEditor(timeoutMs) : link.announceUntilConnected(timeoutMs);
    if (!connected) {
        run.failure = "the editor did not connect";
        return run;
    }
    auto start = std::chrono::steady_clock::now();
    if (!link.receiveFrame(run.project, timeoutMs)) {
        run.failure = "no project file";
        return run;
    }
    run.bytesReceived = run.project.size();
    std::string extra;
    switch (mode) {
    case EmulatorMode::Normal:
    case EmulatorMode::Quiet:
        for (const std::string& name : picturesOf(run.project)) {
            std::string bytes;
            uint64_t counted = 0;
            if (!link.sendFrame(name) || !link.receiveFrame(bytes, timeoutMs, keepBytes ? nullptr : &counted)) {
                run.failure = "no answer for " + name;
                return run;
            }
            run.bytesReceived += keepBytes ? bytes.size() : counted;
            run.files.emplace_back(name, std::move(bytes));
        }
        link.sendFrame("<FIN>");
        break;
    case EmulatorMode::CloseEarly:
        link.closeConnection();
        run.ok = true;
        return run;
    case EmulatorMode::Silent:
        break;
    case EmulatorMode::HugeLength:
        link.sendRaw(std::string("\x7F\xFF\xFF\xFF", 4));
        break;
    case EmulatorMode::Traversal:
        link.sendFrame("../../etc/passwd");
        break;
    case EmulatorMode::Missing:
        link.sendFrame("no-existe.png");
        break;
    }
    run.editorClosed = link.waitForClose(extra, timeoutMs);
    run.exchangeSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    // After the project file the editor sends nothing that was not asked
    // for, and it hangs up at the end, except on a silent device, where it
    // waits until its user gives up.
    run.ok = (run.editorClosed || mode == EmulatorMode::Silent) && extra.empty();
    if (!run.editorClosed && mode != EmulatorMode::Silent)
        run.failure = "the editor did not close the connection";
    else if (!extra.empty())
        run.failure = "the editor sent bytes nobody asked for";
    return run;
}
