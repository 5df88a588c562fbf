// Sends a 200-picture project to the emulated device over loopback and, in
// the same run, against two floors: the same bytes copied over one plain
// loopback connection (no framing, no requests), and the same exchange
// (framed project file, one request and one framed reply per picture, then
// "<FIN>") made with the least code. The second floor keeps the round trips,
// so the worker's distance to it is its own cost. (Measured: that distance
// is the worker's 8192-byte pieces, one read and one send each; built with
// 64 KB pieces the worker met this floor.)
// All time the device's side, from the accepted connection to the last byte.
// The transfer runs twice: for an observer that shows no progress (nothing
// is counted) and for one that does, as the progress dialog.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <atomic>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "model/FileAccess.h"
#include "tests/unit/support/PngEncoder.h"
#include "tools/DeviceEmulator.h"
#include "transfer/DeviceTransfer.h"
#include "transfer/TransferObserver.h"
#include "transfer/TransferProgress.h"

namespace {

const int kPictures = 200;
// Pictures of about 200 KB: the worker sends PNG pictures only.
const uint32_t kPictureWidth = 512;
const uint32_t kPictureHeight = 400;

class SilentObserver : public TransferObserver {
public:
    void setStatus(const std::string&) override {}
    void setButtonLabel(const std::string&) override {}
    long updateCount() const { return 0; }
    bool endedFull() const { return true; }
};

class ProgressObserver : public SilentObserver {
public:
    bool showsProgress() const override { return true; }
    void setProgress(const TransferProgress& progress) override {
        permille = progressPermille(progress);
        ++updates;
    }
    long updateCount() const { return updates.load(); }
    bool endedFull() const { return permille.load() == kProgressScale; }
    std::atomic<int> permille{0};
    std::atomic<long> updates{0};
};

// The project folder: the project file and its pictures, removed at exit.
struct Project {
    std::string folder;
    std::string file;
    std::vector<std::string> pictures;
    uint64_t totalBytes = 0;

    Project() {
        std::string pattern = (std::filesystem::temp_directory_path() / "quenda-bench-XXXXXX").string();
        folder = mkdtemp(&pattern[0]) ? pattern : "";
        file = folder + "/casa.xml";
        std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<tabrino versionFormato=\"12.08\">\r\n"
                          "    <paginas>\r\n";
        for (int i = 0; i < kPictures; ++i) {
            std::string name = "pagina" + std::to_string(i) + ".png";
            std::string bytes = patternedPng(kPictureWidth, kPictureHeight, i);
            std::ofstream(folder + "/" + name, std::ios::binary) << bytes;
            pictures.push_back(name);
            totalBytes += bytes.size();
            xml += "        <pagina nombre=\"P" + std::to_string(i) + "\" imagen=\"" + name +
                   "\" orientaciones=\"VH\" ancho=\"480\" alto=\"800\"/>\r\n";
        }
        xml += "    </paginas>\r\n</tabrino>\r\n";
        std::ofstream(file, std::ios::binary) << xml;
        totalBytes += xml.size();
    }
    ~Project() {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
};

Project& project() {
    static Project shared;
    return shared;
}

// Times one exchange of the emulated device with `editor`, which runs on a
// thread of its own given the device's port; false when it went wrong.
bool timeExchange(benchmark::State& state, const Project& p, const std::function<void(uint16_t)>& editor) {
    DeviceLink link;
    std::thread side([&] { editor(link.port()); });
    EmulatorRun run = emulateDevice(
        link, EmulatorMode::Normal, [&](const std::string&) { return p.pictures; }, 10000, false);
    side.join();
    if (!run.ok || run.bytesReceived != p.totalBytes) {
        state.SkipWithError(("exchange failed: " + run.failure).c_str());
        return false;
    }
    state.SetIterationTime(run.exchangeSeconds);
    return true;
}

template <typename Observer>
void BM_TransferToEmulatedDevice(benchmark::State& state) {
    Project& p = project();
    long updates = 0;
    for (auto _ : state) {
        Observer observer;
        auto runWorker = [&](uint16_t port) { DeviceTransfer(observer, p.file, p.pictures, port).run(); };
        if (!timeExchange(state, p, runWorker))
            break;
        if (!observer.endedFull()) {
            state.SkipWithError("the progress did not reach its end");
            break;
        }
        updates += observer.updateCount();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(p.totalBytes));
    state.counters["progress_updates"] =
        benchmark::Counter(static_cast<double>(updates), benchmark::Counter::kAvgIterations);
}

// A connection to the device's port on loopback, or -1.
int connectToLoopback(uint16_t port) {
    int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    to.sin_port = htons(port);
    if (fd >= 0 && ::connect(fd, reinterpret_cast<sockaddr*>(&to), sizeof to) == 0)
        return fd;
    if (fd >= 0)
        ::close(fd);
    return -1;
}

// The same files read through FileAccess and written to one connection.
void sendPlainCopy(uint16_t port, const Project& p) {
    int fd = connectToLoopback(port);
    if (fd >= 0) {
        std::vector<std::string> files = {p.file};
        for (const auto& name : p.pictures)
            files.push_back(p.folder + "/" + name);
        std::vector<char> chunk(65536);
        for (const auto& path : files) {
            auto in = FileAccess::current().openRead(path);
            long n;
            while (in && (n = in->read(chunk.data(), chunk.size())) > 0)
                ::send(fd, chunk.data(), static_cast<size_t>(n), MSG_NOSIGNAL);
        }
        ::close(fd);
    }
}

void BM_PlainLoopbackCopyFloor(benchmark::State& state) {
    Project& p = project();
    for (auto _ : state) {
        DeviceLink link;
        std::thread sender([&] { sendPlainCopy(link.port(), p); });
        bool accepted = link.acceptEditor(10000);
        auto start = std::chrono::steady_clock::now();
        uint64_t counted = 0;
        bool closed = accepted && link.countUntilClose(counted, 10000);
        double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        sender.join();
        if (!closed || counted != p.totalBytes) {
            state.SkipWithError("plain copy failed");
            break;
        }
        state.SetIterationTime(seconds);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(p.totalBytes));
}

// Plain blocking socket calls, as few as the exchange allows.
bool sendWhole(int fd, const char* data, size_t length) {
    while (length > 0) {
        ssize_t n = ::send(fd, data, length, MSG_NOSIGNAL);
        if (n <= 0)
            return false;
        data += n;
        length -= static_cast<size_t>(n);
    }
    return true;
}

bool receiveWhole(int fd, char* data, size_t length) {
    while (length > 0) {
        ssize_t n = ::recv(fd, data, length, 0);
        if (n <= 0)
            return false;
        data += n;
        length -= static_cast<size_t>(n);
    }
    return true;
}

bool sendFramedFile(int fd, const std::string& path, std::vector<char>& chunk) {
    auto in = FileAccess::current().openRead(path);
    if (!in)
        return false;
    uint32_t length = htonl(static_cast<uint32_t>(in->size()));
    if (!sendWhole(fd, reinterpret_cast<const char*>(&length), sizeof length))
        return false;
    long n;
    while ((n = in->read(chunk.data(), chunk.size())) > 0)
        if (!sendWhole(fd, chunk.data(), static_cast<size_t>(n)))
            return false;
    return true;
}

// The editor's side of the protocol, without the worker's checks, progress
// or cancelling: the project file, then each requested file, until "<FIN>".
void serveMinimalExchange(uint16_t port, const Project& p) {
    int fd = connectToLoopback(port);
    if (fd < 0)
        return;
    int yes = 1;
    ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &yes, sizeof yes);
    std::vector<char> chunk(65536);
    bool ok = sendFramedFile(fd, p.file, chunk);
    while (ok) {
        uint32_t length = 0;
        if (!receiveWhole(fd, reinterpret_cast<char*>(&length), sizeof length))
            break;
        std::string name(ntohl(length), '\0');
        if (!receiveWhole(fd, &name[0], name.size()) || name == "<FIN>")
            break;
        ok = sendFramedFile(fd, p.folder + "/" + name, chunk);
    }
    ::close(fd);
}

void BM_MinimalProtocolFloor(benchmark::State& state) {
    Project& p = project();
    for (auto _ : state)
        if (!timeExchange(state, p, [&p](uint16_t port) { serveMinimalExchange(port, p); }))
            break;
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(p.totalBytes));
}

}  // namespace

BENCHMARK_TEMPLATE(BM_TransferToEmulatedDevice, SilentObserver)
    ->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(2.0)->Repetitions(5);
BENCHMARK_TEMPLATE(BM_TransferToEmulatedDevice, ProgressObserver)
    ->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(2.0)->Repetitions(5);
BENCHMARK(BM_PlainLoopbackCopyFloor)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(2.0)->Repetitions(5);
BENCHMARK(BM_MinimalProtocolFloor)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(2.0)->Repetitions(5);

BENCHMARK_MAIN();
