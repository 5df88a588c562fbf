// The transfer worker against a scripted device on loopback: what the device
// receives byte for byte, and what the user sees in the status line.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <stdexcept>
#include <fstream>
#include <future>
#include <mutex>
#include <thread>

#include "support/PngEncoder.h"
#include "support/TempFolder.h"
#include "support/TestData.h"
#include "tools/DeviceEmulator.h"
#include "transfer/DeviceTransfer.h"
#include "transfer/TransferObserver.h"
#include "transfer/TransferProgress.h"

namespace {

const int kWait = 5000;  // ms; bounds every wait on the worker
const std::string kDone = "Operaci\xF3n conclu\xED" "da";
const std::string kError = "Error en la operaci\xF3n: ";

class RecordingObserver : public TransferObserver {
public:
    void setStatus(const std::string& text) override {
        std::lock_guard<std::mutex> guard(lock_);
        statuses_.push_back(text);
    }
    void setButtonLabel(const std::string& text) override {
        std::lock_guard<std::mutex> guard(lock_);
        labels_.push_back(text);
    }
    std::vector<std::string> statuses() {
        std::lock_guard<std::mutex> guard(lock_);
        return statuses_;
    }
    std::vector<std::string> labels() {
        std::lock_guard<std::mutex> guard(lock_);
        return labels_;
    }
    std::string lastStatus() {
        auto all = statuses();
        return all.empty() ? "" : all.back();
    }
    bool showsProgress() const override { return true; }
    void setProgress(const TransferProgress& progress) override {
        std::lock_guard<std::mutex> guard(lock_);
        progress_.push_back(progress);
    }
    std::vector<TransferProgress> progress() {
        std::lock_guard<std::mutex> guard(lock_);
        return progress_;
    }
    void deviceServed(const std::string& address) override {
        std::lock_guard<std::mutex> guard(lock_);
        served_ = address;
    }
    std::string served() {
        std::lock_guard<std::mutex> guard(lock_);
        return served_;
    }
    void transferFailed() override { failed = true; }
    std::atomic<bool> failed{false};

private:
    std::mutex lock_;
    std::vector<std::string> statuses_;
    std::vector<std::string> labels_;
    std::vector<TransferProgress> progress_;
    std::string served_;
};

void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// The pictures of the project folder: inicio.png spans many chunks,
// luces.png about one.
const std::string kInicio = patternedPng(400, 370, 1);
const std::string kLuces = patternedPng(90, 90, 2);

std::string framed(const std::string& bytes) {
    std::string out(4, '\0');
    uint32_t n = static_cast<uint32_t>(bytes.size());
    out[0] = char(n >> 24), out[1] = char(n >> 16), out[2] = char(n >> 8), out[3] = char(n);
    return out + bytes;
}

// A worker of its own against a device of its own, stopped and awaited
// however the test ends.
struct LoneExchange {
    RecordingObserver observer;
    DeviceLink link;
    DeviceTransfer transfer;
    std::future<int> done;

    LoneExchange(const std::string& projectFile, const std::vector<std::string>& served)
        : transfer(observer, projectFile, served, link.port()),
          done(std::async(std::launch::async, [this] { return transfer.run(); })) {}
    ~LoneExchange() {
        transfer.requestStop();
        link.closeConnection();
        if (done.valid())
            done.wait();
    }
    // Connects and takes the project file.
    bool connect() {
        std::string project;
        return link.announceUntilConnected(kWait) && link.receiveFrame(project, kWait);
    }
    // The worker's result, or 99 when it is still running after the wait.
    int result() {
        if (done.wait_for(std::chrono::milliseconds(kWait)) != std::future_status::ready)
            return 99;
        return done.get();
    }
};

// A worker serving `served` receives `request`: it sends nothing more,
// closes the connection and shows the request as a missing file.
void expectAnsweredAsMissingFile(const std::string& projectFile, const std::string& request,
                                 const std::vector<std::string>& served = {"inicio.png"}) {
    LoneExchange exchange(projectFile, served);
    ASSERT_TRUE(exchange.connect());
    ASSERT_TRUE(exchange.link.sendFrame(request));
    std::string extra;
    EXPECT_TRUE(exchange.link.waitForClose(extra, kWait));
    EXPECT_EQ("", extra);
    EXPECT_EQ(-1, exchange.result());
    EXPECT_EQ(kError + "no pude abrir el archivo " + request, exchange.observer.lastStatus());
}

// A project folder with its file and pictures, a device listening on a
// free port and the worker running on its own thread.
class TransferWorker : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(device.listening());
        projectFile = folder.file("casa.xml");
        projectBytes = testData("empty-project.xml");
        writeFile(projectFile, projectBytes);
        writeFile(folder.file("inicio.png"), kInicio);
        writeFile(folder.file("luces.png"), kLuces);
        writeFile(folder.file("vacio.png"), "");
    }
    void TearDown() override {
        if (worker)
            worker->requestStop();
        // Hanging up too: a test must end even if stopping failed.
        device.closeConnection();
        if (finished.valid())
            finished.wait_for(std::chrono::milliseconds(kWait));
    }

    void start(std::vector<std::string> served = {"inicio.png", "luces.png", "vacio.png", "falta.png"}) {
        worker.reset(new DeviceTransfer(observer, projectFile, served, device.port()));
        finished = std::async(std::launch::async, [this] { return worker->run(); });
    }
    // The worker's result, or 99 when it is still running after the wait.
    int result(int ms = kWait) {
        if (finished.wait_for(std::chrono::milliseconds(ms)) != std::future_status::ready)
            return 99;
        return finished.get();
    }
    // Announces until connected and takes the project file.
    void connectAndTakeProject() {
        ASSERT_TRUE(device.announceUntilConnected(kWait));
        std::string project;
        ASSERT_TRUE(device.receiveFrame(project, kWait));
        ASSERT_EQ(projectBytes, project);
    }
    void expectFailure(const std::string& text) {
        EXPECT_EQ(-1, result());
        EXPECT_EQ(kError + text, observer.lastStatus());
        EXPECT_EQ(std::vector<std::string>{"OK"}, observer.labels());
        EXPECT_TRUE(observer.failed);
    }
    // The worker hangs up without sending anything more.
    void expectClosedWithNothingSent() {
        std::string extra;
        EXPECT_TRUE(device.waitForClose(extra, kWait));
        EXPECT_EQ("", extra);
    }

    TempFolder folder;
    DeviceLink device;
    RecordingObserver observer;
    std::string projectFile;
    std::string projectBytes;
    std::unique_ptr<DeviceTransfer> worker;
    std::future<int> finished;
};

}  // namespace

TEST_F(TransferWorker, ServesEveryRequestedPictureAndFinishesOnFin) {
    start();
    ASSERT_TRUE(device.announceUntilConnected(kWait));
    std::string project;
    ASSERT_TRUE(device.receiveFrame(project, kWait));
    EXPECT_EQ(projectBytes, project);
    for (auto [name, picture] : {std::make_pair("inicio.png", &kInicio), std::make_pair("luces.png", &kLuces),
                                 std::make_pair("inicio.png", &kInicio)}) {
        ASSERT_TRUE(device.sendFrame(name));
        std::string bytes;
        ASSERT_TRUE(device.receiveFrame(bytes, kWait)) << name;
        EXPECT_EQ(*picture, bytes) << name;
    }
    ASSERT_TRUE(device.sendFrame("<FIN>"));
    expectClosedWithNothingSent();
    EXPECT_EQ(0, result());
    EXPECT_EQ((std::vector<std::string>{"Transfiriendo...", kDone}), observer.statuses());
    EXPECT_EQ(std::vector<std::string>{"OK"}, observer.labels());
    EXPECT_FALSE(worker->keepRunning());
}

TEST_F(TransferWorker, ProgressCountsEachListedPictureOnceAndIsFullAtFin) {
    start({"inicio.png", "luces.png", "vacio.png"});
    connectAndTakeProject();
    for (const char* name : {"inicio.png", "inicio.png", "luces.png"}) {
        ASSERT_TRUE(device.sendFrame(name));
        std::string bytes;
        ASSERT_TRUE(device.receiveFrame(bytes, kWait)) << name;
    }
    ASSERT_TRUE(device.sendFrame("<FIN>"));
    EXPECT_EQ(0, result());
    std::vector<TransferProgress> shown = observer.progress();
    ASSERT_LE(2u, shown.size());
    const uint64_t total = projectBytes.size() + kInicio.size() + kLuces.size();
    EXPECT_EQ(0u, shown.front().bytesSent);
    EXPECT_EQ(total, shown.front().bytesTotal);
    EXPECT_EQ("0 de 3 im\xE1genes", picturesLine(shown.front()));
    // vacio.png was never asked for: the bar is full all the same.
    EXPECT_EQ(total, shown.back().bytesSent);
    EXPECT_EQ(1000, progressPermille(shown.back()));
    EXPECT_EQ("2 de 3 im\xE1genes", picturesLine(shown.back()));
}

TEST(ProgressMeter, ReportsAtMostTenTimesASecondBesidesTheFirstAndTheLast) {
    RecordingObserver observer;
    uint64_t now = 5000;
    ProgressMeter meter(observer, "", {"a.png"}, {}, [&now] { return now; });
    meter.start();
    for (int i = 0; i < 1000; ++i, now += 1)  // a second of 8 KB pieces
        meter.addBytes(8192);
    EXPECT_EQ(10u, observer.progress().size());
    meter.finish();
    ASSERT_EQ(11u, observer.progress().size());
    EXPECT_EQ(8192u * 1000, observer.progress().back().bytesSent);
    EXPECT_EQ(1000, progressPermille(observer.progress().back()));
}

TEST_F(TransferWorker, TheFirstBytesAreTheBigEndianSizeThenTheFile) {
    start();
    ASSERT_TRUE(device.announceUntilConnected(kWait));
    ASSERT_TRUE(device.sendFrame("<FIN>"));
    std::string wire;
    EXPECT_TRUE(device.waitForClose(wire, kWait));
    EXPECT_EQ(framed(projectBytes), wire);
    EXPECT_EQ(0, result());
}

TEST_F(TransferWorker, AnEmptyFileIsFourZeroBytesAndNothingElse) {
    writeFile(projectFile, "");
    start();
    ASSERT_TRUE(device.announceUntilConnected(kWait));
    // An empty picture is no PNG: it is refused, and nothing follows the
    // empty project.
    ASSERT_TRUE(device.sendFrame("vacio.png"));
    std::string wire;
    EXPECT_TRUE(device.waitForClose(wire, kWait));
    EXPECT_EQ(std::string(4, '\0'), wire);
    expectFailure("no pude abrir el archivo vacio.png");
}

TEST_F(TransferWorker, AListedFileThatIsNotAPngIsRefusedWithNothingOfItSent) {
    std::string badCrc = kLuces;
    badCrc[20] ^= 1;  // the width, under IHDR's CRC
    std::string wrongFirstChunk = kLuces;
    wrongFirstChunk.replace(12, 4, "IDAT");
    for (const std::string& bytes : {std::string("PK\x03\x04 contrato de la casa"), kLuces.substr(0, 32),
                                     std::string("\x89PNG\r\n\x1A\n"), badCrc, wrongFirstChunk}) {
        SCOPED_TRACE(bytes.size());
        writeFile(folder.file("contrato.docx"), bytes);
        expectAnsweredAsMissingFile(projectFile, "contrato.docx", {"contrato.docx"});
    }
}

TEST_F(TransferWorker, RequestsArrivingInPiecesAreReassembled) {
    start();
    connectAndTakeProject();
    for (char byte : framed("luces.png"))
        ASSERT_TRUE(device.sendRaw(std::string(1, byte)));
    std::string bytes;
    ASSERT_TRUE(device.receiveFrame(bytes, kWait));
    EXPECT_EQ(kLuces, bytes);
    ASSERT_TRUE(device.sendFrame("<FIN>"));
    EXPECT_EQ(0, result());
}

TEST_F(TransferWorker, FinWithAnythingMoreIsAFileName) {
    for (const std::string& request : {std::string("<FIN> "), std::string("<fin>"), std::string("<FIN>\n")}) {
        SCOPED_TRACE(request);
        expectAnsweredAsMissingFile(projectFile, request);
    }
}

TEST_F(TransferWorker, AnEmptyRequestEndsAsAMissingFileWithNoName) {
    start();
    connectAndTakeProject();
    ASSERT_TRUE(device.sendFrame(""));
    expectClosedWithNothingSent();
    expectFailure("no pude abrir el archivo ");
}

TEST_F(TransferWorker, AMissingPictureEndsTheExchangeWithItsName) {
    start();
    connectAndTakeProject();
    ASSERT_TRUE(device.sendFrame("falta.png"));
    expectClosedWithNothingSent();
    expectFailure("no pude abrir el archivo falta.png");
}

TEST_F(TransferWorker, AMissingProjectFileEndsBeforeAnythingIsSent) {
    std::remove(projectFile.c_str());
    start();
    ASSERT_TRUE(device.announceUntilConnected(kWait));
    expectClosedWithNothingSent();
    expectFailure("no pude abrir el archivo " + projectFile);
}

TEST_F(TransferWorker, FilesOutsideTheProjectsPicturesAreNeverSent) {
    // The project file itself, an absolute path and a climb out of the
    // folder all exist on disk, yet none of them is a page picture.
    writeFile(folder.file("secreto.txt"), "clave");
    for (const std::string& request :
         {std::string("casa.xml"), projectFile, folder.file("secreto.txt"), std::string("../../etc/passwd"),
          std::string("secreto.txt")}) {
        SCOPED_TRACE(request);
        expectAnsweredAsMissingFile(projectFile, request);
    }
}

TEST_F(TransferWorker, APictureNamedByAnAbsolutePathIsServedUnderThatName) {
    TempFolder elsewhere;
    const std::string absolute = elsewhere.file("fuera.png");
    writeFile(absolute, patternedPng(100, 200, 3));
    start({absolute});
    connectAndTakeProject();
    ASSERT_TRUE(device.sendFrame(absolute));
    std::string bytes;
    ASSERT_TRUE(device.receiveFrame(bytes, kWait));
    EXPECT_EQ(patternedPng(100, 200, 3), bytes);
    ASSERT_TRUE(device.sendFrame("<FIN>"));
    EXPECT_EQ(0, result());
}

// Throws once, on the first status: as any unforeseen fault in the worker.
class FaultyObserver : public RecordingObserver {
public:
    void setStatus(const std::string& text) override {
        if (!thrown_.exchange(true))
            throw std::logic_error("fallo interno");
        RecordingObserver::setStatus(text);
    }

private:
    std::atomic<bool> thrown_{false};
};

TEST_F(TransferWorker, AnUnexpectedFaultStillEndsInTheStatusLine) {
    FaultyObserver faulty;
    DeviceTransfer transfer(faulty, projectFile, {"inicio.png"}, device.port());
    std::future<int> done = std::async(std::launch::async, [&transfer] { return transfer.run(); });
    // The fault comes right after discovery, before any connection.
    for (int i = 0; i < kWait / 20 && done.wait_for(std::chrono::milliseconds(20)) != std::future_status::ready; ++i)
        device.announce();
    ASSERT_EQ(std::future_status::ready, done.wait_for(std::chrono::milliseconds(0)));
    EXPECT_EQ(-1, done.get());
    EXPECT_EQ(std::vector<std::string>{kError + "fallo interno"}, faulty.statuses());
    EXPECT_EQ(std::vector<std::string>{"OK"}, faulty.labels());
}

TEST_F(TransferWorker, HugeAndNegativeRequestLengthsAreRefused) {
    for (const std::string& header : {std::string("\x7F\xFF\xFF\xFF", 4), std::string("\x80\x00\x00\x00", 4),
                                      std::string("\x00\x00\x10\x01", 4)}) {
        LoneExchange exchange(projectFile, {"inicio.png"});
        ASSERT_TRUE(exchange.connect());
        // Only the length: a worker that tried to read the bytes would wait.
        ASSERT_TRUE(exchange.link.sendRaw(header));
        std::string extra;
        EXPECT_TRUE(exchange.link.waitForClose(extra, kWait));
        EXPECT_EQ(-1, exchange.result());
        EXPECT_EQ(kError + "recv error", exchange.observer.lastStatus());
    }
}

TEST_F(TransferWorker, TheDeviceHangingUpShowsClosedSocketError) {
    start();
    connectAndTakeProject();
    device.closeConnection();
    expectFailure("closed socket error");
}

TEST_F(TransferWorker, TheDeviceHangingUpInsideARequestShowsClosedSocketError) {
    start();
    connectAndTakeProject();
    ASSERT_TRUE(device.sendRaw(std::string("\x00\x00\x00\x09lu", 6)));
    device.closeConnection();
    expectFailure("closed socket error");
}

TEST_F(TransferWorker, NobodyListeningOnTcpShowsConnectSocket) {
    device.stopListening();
    start();
    ASSERT_TRUE(device.announce());
    // The first announcement may come before the worker listens.
    for (int i = 0; i < 100 && observer.statuses().size() < 2; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        device.announce();
    }
    expectFailure("connect socket (\xBF" "espera el dispositivo el proyecto?)");
    EXPECT_EQ("Transfiriendo...", observer.statuses().front());
}

TEST_F(TransferWorker, ATypedAddressIsConnectedToWithoutAnyAnnouncement) {
    start({"luces.png"});
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    auto typed = std::chrono::steady_clock::now();
    worker->connectToAddress("127.0.0.1");
    ASSERT_TRUE(device.acceptEditor(kWait));
    // At once, not at the next one-second wake-up.
    EXPECT_LT(std::chrono::steady_clock::now() - typed, std::chrono::milliseconds(500));
    std::string bytes;
    ASSERT_TRUE(device.receiveFrame(bytes, kWait));
    ASSERT_TRUE(device.sendFrame("luces.png"));
    ASSERT_TRUE(device.receiveFrame(bytes, kWait));
    EXPECT_EQ(kLuces, bytes);
    ASSERT_TRUE(device.sendFrame("<FIN>"));
    EXPECT_EQ(0, result());
    EXPECT_EQ("127.0.0.1", observer.served());
    EXPECT_FALSE(observer.failed);
}

// A listener whose queue of connections is full: the system drops further
// connection requests without an answer, as a device that is off would.
struct UnansweredPort {
    int listener = ::socket(AF_INET, SOCK_STREAM, 0);
    int filler = ::socket(AF_INET, SOCK_STREAM, 0);
    uint16_t port = 0;
    bool ready = false;

    UnansweredPort() {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        if (::bind(listener, reinterpret_cast<sockaddr*>(&address), length) != 0 || ::listen(listener, 0) != 0 ||
            ::getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length) != 0)
            return;
        port = ntohs(address.sin_port);
        ready = ::connect(filler, reinterpret_cast<sockaddr*>(&address), length) == 0;
    }
    ~UnansweredPort() {
        ::close(filler);
        ::close(listener);
    }
};

TEST(TransferConnect, AnUnansweredConnectGivesUpAfterTheLimitAndAStopEndsItAtOnce) {
    UnansweredPort device;
    ASSERT_TRUE(device.ready);
    for (bool stop : {false, true}) {
        SCOPED_TRACE(stop);
        RecordingObserver observer;
        DeviceTransfer transfer(observer, "casa.xml", {}, device.port);
        transfer.connectToAddress("127.0.0.1");
        auto started = std::chrono::steady_clock::now();
        std::future<int> done = std::async(std::launch::async, [&transfer] { return transfer.run(); });
        if (stop) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1000));
            started = std::chrono::steady_clock::now();
            transfer.requestStop();
        }
        ASSERT_EQ(std::future_status::ready, done.wait_for(std::chrono::milliseconds(kWait + 3000)));
        auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - started);
        EXPECT_EQ(!stop, observer.failed.load());
        std::printf("%s after %lld ms\n", stop ? "stopped" : "gave up", static_cast<long long>(ms.count()));
        if (stop) {
            EXPECT_EQ(0, done.get());
            EXPECT_LT(ms.count(), 1000);
            EXPECT_EQ(std::vector<std::string>{"Transfiriendo..."}, observer.statuses());
        } else {
            EXPECT_EQ(-1, done.get());
            EXPECT_GE(ms.count(), 4500);
            EXPECT_LT(ms.count(), 6500);
            EXPECT_EQ(kError + "connect socket (\xBF" "espera el dispositivo el proyecto?)", observer.lastStatus());
        }
    }
}

TEST_F(TransferWorker, APortTakenByAnotherProgramShowsBind) {
    int other = ::socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(device.port());
    ASSERT_EQ(0, ::bind(other, reinterpret_cast<sockaddr*>(&address), sizeof address));
    start();
    expectFailure("bind");
    ::close(other);
}

TEST_F(TransferWorker, OtherDatagramsAreIgnored) {
    start();
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    for (const std::string& datagram : {std::string("<GETPROYECTO> "), std::string("<getproyecto>"),
                                        std::string("<GETPROYECTO"), std::string(" <GETPROYECTO>"),
                                        std::string(1500, 'x'), std::string("<GETPROYECTO>") + std::string(1500, 'x')})
        ASSERT_TRUE(device.announce(datagram));
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_FALSE(device.acceptEditor(0));
    EXPECT_TRUE(observer.statuses().empty());
    // Up to its first zero byte the text matches: accepted.
    ASSERT_TRUE(device.announce(std::string("<GETPROYECTO>\0basura", 20)));
    ASSERT_TRUE(device.acceptEditor(kWait));
    std::string project;
    ASSERT_TRUE(device.receiveFrame(project, kWait));
    ASSERT_TRUE(device.sendFrame("<FIN>"));
    EXPECT_EQ(0, result());
}

TEST_F(TransferWorker, StopWhileWaitingForTheDeviceEndsAtOnceAndSilently) {
    start();
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    auto asked = std::chrono::steady_clock::now();
    worker->requestStop();
    EXPECT_EQ(0, result(1500));
    // At once, not at the next one-second wake-up.
    EXPECT_LT(std::chrono::steady_clock::now() - asked, std::chrono::milliseconds(500));
    EXPECT_TRUE(observer.statuses().empty());
    EXPECT_TRUE(observer.labels().empty());
    EXPECT_FALSE(device.acceptEditor(0));
}

TEST_F(TransferWorker, StopWhileASilentDeviceKeepsItWaitingClosesTheConnection) {
    start();
    connectAndTakeProject();
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    auto asked = std::chrono::steady_clock::now();
    worker->requestStop();
    EXPECT_EQ(0, result(1500));
    EXPECT_LT(std::chrono::steady_clock::now() - asked, std::chrono::milliseconds(500));
    expectClosedWithNothingSent();
    // The dialog is closing: no error is shown.
    EXPECT_EQ(std::vector<std::string>{"Transfiriendo..."}, observer.statuses());
    EXPECT_TRUE(observer.labels().empty());
}
