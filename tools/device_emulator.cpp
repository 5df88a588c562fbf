// Plays the remote-control device on loopback: announces itself to the
// editor, takes the project file, reads it, asks for every page picture and
// ends with "<FIN>", then writes what it received into a folder. Hostile
// modes check how the editor copes with a misbehaving device.
//
//   device_emulator [--port N] [--out DIR] [--mode MODE] [--timeout SECONDS] [--report FILE]
//   MODE: normal (default), quiet (never announces), close-early, silent, huge-length, traversal, missing
//
// Exit status 0 when the exchange went as the mode expects, 1 otherwise,
// 2 for bad arguments. With --report, FILE is written last ("ok" or
// "failed: why" on its first line, then the summary): a caller that cannot
// wait for the process (a Windows program under Wine) waits for the file.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

#include "model/FileAccess.h"
#include "model/ProjectFile.h"
#include "tools/DeviceEmulator.h"
#include "transfer/CardCopy.h"
#include "transfer/PictureNames.h"

namespace {

struct Options {
    int port = 9835;
    std::string out;
    EmulatorMode mode = EmulatorMode::Normal;
    int timeoutSeconds = 30;
    std::string report;
};

bool parseMode(const std::string& text, EmulatorMode& mode) {
    static const std::map<std::string, EmulatorMode> modes = {
        {"normal", EmulatorMode::Normal},          {"quiet", EmulatorMode::Quiet},
        {"close-early", EmulatorMode::CloseEarly},
        {"silent", EmulatorMode::Silent},          {"huge-length", EmulatorMode::HugeLength},
        {"traversal", EmulatorMode::Traversal},    {"missing", EmulatorMode::Missing}};
    auto found = modes.find(text);
    if (found == modes.end())
        return false;
    mode = found->second;
    return true;
}

bool parseArguments(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        std::string name = argv[i];
        if (i + 1 >= argc)
            return false;
        std::string value = argv[++i];
        if (name == "--port")
            options.port = std::atoi(value.c_str());
        else if (name == "--out")
            options.out = value;
        else if (name == "--report")
            options.report = value;
        else if (name == "--timeout")
            options.timeoutSeconds = std::atoi(value.c_str());
        else if (name != "--mode" || !parseMode(value, options.mode))
            return false;
    }
    return options.port > 0 && options.port < 65536 && options.timeoutSeconds > 0;
}

std::string inFolder(const std::string& folder, const std::string& name) {
    return folder.empty() ? name : folder + "/" + name;
}

// Every page's picture once, in page order, read from the project file the
// way the editor reads it.
std::vector<std::string> picturesOf(const std::string& projectBytes, const std::string& scratchPath) {
    std::vector<std::string> names;
    if (!writeFileSafely(FileAccess::current(), scratchPath, projectBytes))
        return names;
    try {
        Proyecto project;
        readProjectFile(scratchPath, project);
        for (const auto& page : project.paginas)
            if (std::find(names.begin(), names.end(), page->imagen) == names.end())
                names.push_back(page->imagen);
    } catch (const ProyectoException& error) {
        std::fprintf(stderr, "device: the project file does not read: %s\n", error.what());
    }
    return names;
}

void writeReceived(const Options& options, const EmulatorRun& run) {
    for (const auto& file : run.files) {
        // A name that would land outside the folder is not written.
        if (!isSafePictureName(file.first) ||
            !writeFileSafely(FileAccess::current(), inFolder(options.out, file.first), file.second))
            std::fprintf(stderr, "device: not written: %s\n", file.first.c_str());
    }
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!parseArguments(argc, argv, options)) {
        std::fprintf(stderr, "usage: device_emulator [--port N] [--out DIR] [--mode MODE] [--timeout SECONDS] [--report FILE]\n"
                             "MODE: normal, quiet, close-early, silent, huge-length, traversal, missing\n");
        return 2;
    }
    DeviceLink link(static_cast<uint16_t>(options.port));
    if (!link.listening()) {
        std::fprintf(stderr, "device: cannot listen on 127.0.0.1:%d\n", options.port);
        return 1;
    }
    const std::string projectPath = inFolder(options.out, kDeviceProjectName);
    EmulatorRun run = emulateDevice(
        link, options.mode, [&](const std::string& project) { return picturesOf(project, projectPath); },
        options.timeoutSeconds * 1000);
    if (!run.project.empty())
        writeFileSafely(FileAccess::current(), projectPath, run.project);
    writeReceived(options, run);
    char summary[256];
    std::snprintf(summary, sizeof summary, "device: project %zu bytes, %zu files, %llu bytes in %.3f s, editor %s\n",
                  run.project.size(), run.files.size(), static_cast<unsigned long long>(run.bytesReceived),
                  run.exchangeSeconds, run.editorClosed ? "closed the connection" : "kept the connection");
    std::fputs(summary, stdout);
    if (!run.ok)
        std::fprintf(stderr, "device: %s\n", run.failure.c_str());
    if (!options.report.empty())
        writeFileSafely(FileAccess::current(), options.report,
                        (run.ok ? std::string("ok") : "failed: " + run.failure) + "\n" + summary);
    return run.ok ? 0 : 1;
}
