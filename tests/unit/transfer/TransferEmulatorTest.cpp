// The device emulator (the program's device on loopback) against the editor's
// worker: a whole exchange of a real project file, and each hostile mode.
#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <future>
#include <mutex>

#include "model/ProjectFile.h"
#include "support/PngEncoder.h"
#include "support/TempFolder.h"
#include "tools/DeviceEmulator.h"
#include "transfer/DeviceTransfer.h"
#include "transfer/PictureNames.h"
#include "transfer/TransferObserver.h"

namespace {

const int kWait = 5000;

class LastStatus : public TransferObserver {
public:
    void setStatus(const std::string& text) override {
        std::lock_guard<std::mutex> guard(lock_);
        status_ = text;
    }
    void setButtonLabel(const std::string&) override {}
    std::string status() {
        std::lock_guard<std::mutex> guard(lock_);
        return status_;
    }

private:
    std::mutex lock_;
    std::string status_;
};

const char kProject[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
    "<tabrino versionFormato=\"12.08\" instalacion=\"Casa\" paginaInicial=\"Inicio\">\r\n"
    "    <paginas>\r\n"
    "        <pagina nombre=\"Inicio\" imagen=\"inicio.png\" orientaciones=\"VH\" ancho=\"4\" alto=\"4\">\r\n"
    "            <comandoInicial>\r\n"
    "                <comando sector=\"\" codigo=\"\" pagina=\"\" tipoComunicacion=\"\" btMacAddress=\"\"/>\r\n"
    "            </comandoInicial>\r\n"
    "            <regiones/>\r\n"
    "        </pagina>\r\n"
    "        <pagina nombre=\"Luces\" imagen=\"luces.png\" orientaciones=\"V\" ancho=\"4\" alto=\"4\">\r\n"
    "            <comandoInicial>\r\n"
    "                <comando sector=\"\" codigo=\"\" pagina=\"\" tipoComunicacion=\"\" btMacAddress=\"\"/>\r\n"
    "            </comandoInicial>\r\n"
    "            <regiones/>\r\n"
    "        </pagina>\r\n"
    "        <pagina nombre=\"Otra\" imagen=\"inicio.png\" orientaciones=\"V\" ancho=\"4\" alto=\"4\">\r\n"
    "            <comandoInicial>\r\n"
    "                <comando sector=\"\" codigo=\"\" pagina=\"\" tipoComunicacion=\"\" btMacAddress=\"\"/>\r\n"
    "            </comandoInicial>\r\n"
    "            <regiones/>\r\n"
    "        </pagina>\r\n"
    "    </paginas>\r\n"
    "</tabrino>\r\n";

const std::string kInicio = patternedPng(200, 150, 1);
const std::string kLuces = patternedPng(8, 8, 2);

void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

class TransferEmulator : public ::testing::Test {
protected:
    void SetUp() override {
        projectFile = folder.file("casa.xml");
        writeFile(projectFile, kProject);
        writeFile(folder.file("inicio.png"), kInicio);
        writeFile(folder.file("luces.png"), kLuces);
        readProjectFile(projectFile, project);
    }
    // Runs the worker against the emulator in `mode`; the worker's result.
    int exchange(EmulatorMode mode, EmulatorRun& run, int deviceWaitMs = kWait) {
        DeviceLink link;
        DeviceTransfer worker(observer, projectFile, servedPictureNames(project), link.port());
        auto done = std::async(std::launch::async, [&] { return worker.run(); });
        TempFolder scratch;
        run = emulateDevice(
            link, mode,
            [&](const std::string& bytes) {
                // Read with the core, as the emulator program does.
                writeFile(scratch.file("trdev.xml"), bytes);
                Proyecto received;
                readProjectFile(scratch.file("trdev.xml"), received);
                std::vector<std::string> names;
                for (const auto& page : received.paginas)
                    names.push_back(page->imagen);
                return names;
            },
            deviceWaitMs);
        if (mode == EmulatorMode::Silent)
            worker.requestStop();
        if (done.wait_for(std::chrono::milliseconds(kWait)) != std::future_status::ready) {
            // Hang up as well, so that the test ends even if stopping failed.
            worker.requestStop();
            link.closeConnection();
            return 99;
        }
        return done.get();
    }

    TempFolder folder;
    std::string projectFile;
    Proyecto project;
    LastStatus observer;
};

}  // namespace

TEST_F(TransferEmulator, ReceivesTheProjectAndEveryPageByteForByte) {
    EmulatorRun run;
    EXPECT_EQ(0, exchange(EmulatorMode::Normal, run));
    EXPECT_TRUE(run.ok) << run.failure;
    EXPECT_EQ(kProject, run.project);
    ASSERT_EQ(3u, run.files.size());
    EXPECT_EQ("inicio.png", run.files[0].first);
    EXPECT_EQ(kInicio, run.files[0].second);
    EXPECT_EQ("luces.png", run.files[1].first);
    EXPECT_EQ(kLuces, run.files[1].second);
    EXPECT_EQ(kInicio, run.files[2].second);
    EXPECT_EQ("Operaci\xF3n conclu\xED" "da", observer.status());
}

TEST_F(TransferEmulator, HostileModesEndTheExchangeWithTheirErrors) {
    const std::string error = "Error en la operaci\xF3n: ";
    struct Case {
        EmulatorMode mode;
        std::string status;
    } cases[] = {
        {EmulatorMode::CloseEarly, error + "closed socket error"},
        {EmulatorMode::HugeLength, error + "recv error"},
        {EmulatorMode::Traversal, error + "no pude abrir el archivo ../../etc/passwd"},
        {EmulatorMode::Missing, error + "no pude abrir el archivo no-existe.png"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.status);
        EmulatorRun run;
        EXPECT_EQ(-1, exchange(c.mode, run));
        EXPECT_TRUE(run.ok) << run.failure;
        EXPECT_EQ(c.status, observer.status());
    }
}

TEST_F(TransferEmulator, ASilentDeviceKeepsTheEditorWaitingUntilStopped) {
    EmulatorRun run;
    EXPECT_EQ(0, exchange(EmulatorMode::Silent, run, 800));
    EXPECT_TRUE(run.ok) << run.failure;
    EXPECT_FALSE(run.editorClosed);
    EXPECT_EQ("Transfiriendo...", observer.status());
}
