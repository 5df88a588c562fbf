// libFuzzer target: the network transfer worker, with the input as the byte
// stream the device sends on the TCP connection (DeviceStream stands in for
// the sockets; the files live in memory).
//
// Beyond "no crash, no leak, no hang": the only files opened are the project
// file and the pictures its pages name; every message sent is the project
// file or a PNG picture a page names with a safe name, framed (what unsafe
// names reach, and a listed file that is not a PNG, never goes out); no socket is left open; the result agrees
// with what the user is shown. Lengths the stream announces must not make the
// worker allocate them (the ctest run sets a small malloc limit).
#include <cstdint>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "DeviceStream.h"
#include "model/BigEndian.h"
#include "model/PngChunks.h"
#include "model/Proyecto.h"
#include "base/texts.h"
#include "tests/unit/support/MemoryFileAccess.h"
#include "tests/unit/support/PngEncoder.h"
#include "tests/unit/support/TestData.h"
#include "transfer/DeviceProtocol.h"
#include "transfer/DeviceTransfer.h"
#include "transfer/PictureNames.h"
#include "transfer/TransferObserver.h"

namespace {

const char kProjectFile[] = "Z:\\casa\\casa.xml";

// Read once: every input starts from the same installation.
const std::string& projectBytes() {
    static const std::string bytes = testData("empty-project.xml");
    return bytes;
}

// Records every file the worker opens.
class RecordingFileAccess : public MemoryFileAccess {
public:
    std::set<std::string> opened;

    std::unique_ptr<InputFile> openRead(const std::string& path) override {
        opened.insert(path);
        return MemoryFileAccess::openRead(path);
    }
};

class LastStatus : public TransferObserver {
public:
    std::string status;
    std::string label;
    void setStatus(const std::string& text) override { status = text; }
    void setButtonLabel(const std::string& text) override { label = text; }
};

struct Installation {
    RecordingFileAccess files;
    std::vector<std::string> served;
    std::set<std::string> allowed;  // paths the worker may open

    Installation() {
        files.files[kProjectFile] = projectBytes();
        files.files["Z:\\casa\\inicio.png"] = patternedPng(100, 90, 1);  // two chunks
        files.files["Z:\\casa\\luces.png"] = patternedPng(3, 2, 2);
        files.files["Z:\\casa\\vacio.png"] = "";  // listed, but no PNG
        // Files the device must never get: beside the project but not named by
        // it, or reached by unsafe names the project does hold.
        files.files["Z:\\casa\\otro.png"] = "otro";
        files.files["Z:\\casa\\..\\secreto.txt"] = "secreto";
        files.files["C:\\boot.ini"] = "boot";
        files.files["Z:\\casa\\C:\\boot.ini"] = "boot";

        Proyecto project;
        project.archivo = kProjectFile;
        for (const char* name : {"inicio.png", "luces.png", "vacio.png", "falta.png", "..\\secreto.txt",
                                 "C:\\boot.ini", "inicio.png"}) {
            auto page = std::make_unique<Pagina>();
            page->imagen = name;
            project.addPage(std::move(page));
        }
        served = servedPictureNames(project);
        allowed.insert(kProjectFile);
        for (const std::string& name : served)
            allowed.insert(picturePath(kProjectFile, name));
        FileAccess::install(&files);
    }
};

Installation& installation() {
    static Installation instance;
    return instance;
}

// True when `message` is a PNG picture that a page names with a safe name.
bool isPictureServed(const std::string& message, const Installation& setup) {
    if (!hasPngHeader(message))
        return false;
    for (const std::string& name : setup.served) {
        auto found = setup.files.files.find(picturePath(kProjectFile, name));
        if (isSafePictureName(name) && found != setup.files.files.end() && found->second == message)
            return true;
    }
    return false;
}

// True when `bytes` is the project file, framed, followed by framed
// pictures the project serves.
bool sentOnlyServedFiles(const std::string& bytes, const Installation& setup) {
    size_t at = 0;
    for (int index = 0; at < bytes.size(); ++index) {
        if (bytes.size() - at < 4)
            return false;
        size_t length = readBigEndian32(reinterpret_cast<const unsigned char*>(bytes.data() + at));
        at += 4;
        if (bytes.size() - at < length)
            return false;
        std::string message = bytes.substr(at, length);
        at += length;
        if (index == 0 ? message != setup.files.files.at(kProjectFile) : !isPictureServed(message, setup))
            return false;
    }
    return at > 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Installation& setup = installation();
    setup.files.opened.clear();
    deviceStream::start(data, size);
    LastStatus observer;
    DeviceTransfer worker(observer, kProjectFile, setup.served, kDevicePort);
    int result = worker.run();

    for (const std::string& path : setup.files.opened)
        if (!setup.allowed.count(path))
            abort();  // opened a file the project does not list
    if (!sentOnlyServedFiles(deviceStream::sent(), setup))
        abort();
    if (deviceStream::openSockets() != 0)
        abort();
    bool done = observer.status == kDoneText;
    bool failed = observer.status.compare(0, std::string(kErrorPrefix).size(), kErrorPrefix) == 0;
    if (!(result == 0 && done) && !(result == -1 && failed))
        abort();
    if (observer.label != kOkLabel)
        abort();
    return 0;
}
