// Project file speed, side by side in one run: reading a project of 200 pages
// x 40 regions (which decodes its 200 pictures of 1280 x 800, 24-bit) against
// the floor of decoding the same PNG files with FreeImage alone; writing the
// project; taking the snapshot; checking the project for problems; the memory
// of 100 undo steps of region edits. Prints the read / floor ratio and the
// undo steps / decoded pictures memory ratio at the end.
//
// Writing and the snapshot must decode no picture: a FileAccess counting the
// picture files opened proves it (counter "pictures_opened").
#include <benchmark/benchmark.h>

#include <FreeImage.h>
#include <malloc.h>
#include <unistd.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "model/EditHistory.h"
#include "model/PosixFileAccess.h"
#include "model/ProjectCheck.h"
#include "model/ProjectFile.h"
#include "tests/unit/support/TempFolder.h"

namespace {

const int kPages = 200;
const int kRegions = 40;
const int kWidth = 1280;
const int kHeight = 800;

// POSIX access that counts the picture files it opens for reading, and can
// refuse them so that a read measures everything but the decoding.
class CountingFileAccess : public PosixFileAccess {
public:
    std::unique_ptr<InputFile> openRead(const std::string& path) override {
        if (path.size() > 4 && path.compare(path.size() - 4, 4, ".png") == 0) {
            ++picturesOpened;
            if (refusePictures)
                return nullptr;
        }
        return PosixFileAccess::openRead(path);
    }
    long picturesOpened = 0;
    bool refusePictures = false;
};

std::string pictureName(int page) {
    char name[32];
    std::snprintf(name, sizeof name, "pagina%03d.png", page);
    return name;
}

// Gradients that differ from page to page: cheap to draw, not trivial to
// compress.
bool writeGradientPng(const std::string& path, int seed) {
    FIBITMAP* bitmap = FreeImage_Allocate(kWidth, kHeight, 24, 0, 0, 0);
    if (!bitmap)
        return false;
    for (int y = 0; y < kHeight; ++y) {
        BYTE* row = FreeImage_GetScanLine(bitmap, y);
        for (int x = 0; x < kWidth; ++x) {
            row[3 * x + 0] = static_cast<BYTE>(x * 255 / kWidth + seed);
            row[3 * x + 1] = static_cast<BYTE>(y * 255 / kHeight);
            row[3 * x + 2] = static_cast<BYTE>((x + y + seed * 7) / 5 ^ (x * y >> 9));
        }
    }
    bool saved = FreeImage_Save(FIF_PNG, bitmap, path.c_str(), PNG_DEFAULT) != FALSE;
    FreeImage_Unload(bitmap);
    return saved;
}

Region regionAt(int page, int index) {
    Region region;
    int column = index % 8;
    int row = index / 8;
    region.coords = Rect{column * 160 + 4, row * 160 + 4, column * 160 + 150, row * 160 + 150};
    region.comando.sector = "Sector" + std::to_string(index % 5);
    region.comando.codigo = "luz" + std::to_string(page * kRegions + index);
    region.comando.tipoComunicacion = index % 3 ? "wifi" : "bt";
    if (index % 3 == 0)
        region.comando.btMacAddress = "00:11:22:33:44:55";
    if (index % 10 == 9)
        region.comando.pagina = "P\xE1gina " + std::to_string((page + 1) % kPages);
    return region;
}

// The generated project: its folder (removed at exit), file and pictures.
struct Fixture {
    TempFolder folder;
    std::string projectPath;
    std::string originalDirectory;
    CountingFileAccess files;
    Proyecto loaded;  // read once; written and snapshot by the benchmarks
    size_t historyBytes = 0;
    size_t pictureBytes = 0;

    Fixture() {
        char cwd[4096];
        originalDirectory = getcwd(cwd, sizeof cwd) ? cwd : ".";
        // Pictures are stored by bare name and resolve against the project's
        // folder, as in the editor after choosing a project file.
        if (chdir(folder.path().c_str()) != 0)
            std::perror("chdir");
        FileAccess::install(&files);
        projectPath = folder.file("proyecto.xml");
        Proyecto project;
        project.instalacion = "Casa de prueba";
        project.paginaInicial = "P\xE1gina 0";
        for (int p = 0; p < kPages; ++p) {
            writeGradientPng(folder.file(pictureName(p)), p);
            auto page = std::make_unique<Pagina>();
            page->nombre = "P\xE1gina " + std::to_string(p);
            page->setImagen(kWidth, kHeight, pictureName(p));
            for (int r = 0; r < kRegions; ++r)
                page->addRegion(regionAt(p, r));
            project.addPage(std::move(page));
        }
        project.archivo = projectPath;
        writeProjectFile(project);
        readProjectFile(projectPath, loaded);
    }
    ~Fixture() {
        FileAccess::install(nullptr);
        if (chdir(originalDirectory.c_str()) != 0)
            std::perror("chdir");
    }
};

Fixture& fixture() {
    static Fixture instance;
    return instance;
}

void BM_ReadProject(benchmark::State& state) {
    Fixture& f = fixture();
    Proyecto project;
    for (auto _ : state) {
        readProjectFile(f.projectPath, project);
        benchmark::DoNotOptimize(project.paginas.data());
    }
    state.counters["pages"] = static_cast<double>(project.paginas.size());
}

// The reader's own cost: the same file with every picture missing (the blank
// stand-ins allocate nothing until shown).
void BM_ReadProjectWithoutPictures(benchmark::State& state) {
    Fixture& f = fixture();
    Proyecto project;
    f.files.refusePictures = true;
    for (auto _ : state) {
        readProjectFile(f.projectPath, project);
        benchmark::DoNotOptimize(project.paginas.data());
    }
    f.files.refusePictures = false;
}

void BM_DecodeFloor(benchmark::State& state) {
    Fixture& f = fixture();
    for (auto _ : state) {
        for (int p = 0; p < kPages; ++p) {
            FIBITMAP* bitmap = FreeImage_Load(FIF_PNG, f.folder.file(pictureName(p)).c_str(), 0);
            benchmark::DoNotOptimize(bitmap);
            FreeImage_Unload(bitmap);
        }
    }
}

void BM_WriteProject(benchmark::State& state) {
    Fixture& f = fixture();
    long before = f.files.picturesOpened;
    for (auto _ : state)
        writeProjectFile(f.loaded);
    state.counters["pictures_opened"] = static_cast<double>(f.files.picturesOpened - before);
}

void BM_TakeSnapshot(benchmark::State& state) {
    Fixture& f = fixture();
    long before = f.files.picturesOpened;
    for (auto _ : state)
        f.loaded.takeSnapshot();
    state.counters["pictures_opened"] = static_cast<double>(f.files.picturesOpened - before);
}

// The project is sound: the whole check runs and finds nothing.
void BM_CheckProject(benchmark::State& state) {
    Fixture& f = fixture();
    size_t findings = 0;
    for (auto _ : state)
        findings = checkProject(f.loaded).size();
    state.counters["findings"] = static_cast<double>(findings);
}

// Every byte the heap has handed out and not taken back, mapped blocks included.
size_t heapInUse() {
    struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

size_t decodedPictureBytes(const Proyecto& project) {
    size_t bytes = 0;
    for (const auto& page : project.paginas)
        if (page->imagenCargada && page->imagenCargada->bitmap())
            bytes += FreeImage_GetMemorySize(page->imagenCargada->bitmap());
    return bytes;
}

// 100 undo steps, each moving the first region of another page (so each
// step keeps a page of 40 regions), measured by the heap before and after;
// then all undone, which leaves the project as read.
void BM_HistoryOfRegionEdits(benchmark::State& state) {
    Fixture& f = fixture();
    long before = f.files.picturesOpened;
    bool restored = true;
    for (auto _ : state) {
        EditHistory history;
        size_t heapBefore = heapInUse();
        for (size_t i = 0; i < EditHistory::kMaxSteps; ++i) {
            history.recordPageChange(f.loaded, i);
            Rect& coords = f.loaded.paginas[i]->regiones[0].coords;
            coords.left += 1;
            coords.right += 1;
        }
        f.historyBytes = heapInUse() - heapBefore;
        while (history.canUndo())
            history.undo(f.loaded);
        restored = restored && !f.loaded.hasUnsavedChanges();
    }
    f.pictureBytes = decodedPictureBytes(f.loaded);
    state.counters["history_bytes"] = static_cast<double>(f.historyBytes);
    state.counters["picture_bytes"] = static_cast<double>(f.pictureBytes);
    state.counters["pictures_opened"] = static_cast<double>(f.files.picturesOpened - before);
    state.counters["restored"] = restored;
}

// Reading and its floor, repetitions interleaved at random (see main) so that
// a busy machine slows both alike.
BENCHMARK(BM_ReadProject)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(6);
BENCHMARK(BM_DecodeFloor)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(6);
BENCHMARK(BM_ReadProjectWithoutPictures)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteProject)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TakeSnapshot)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CheckProject)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HistoryOfRegionEdits)->Unit(benchmark::kMillisecond)->Iterations(1);

// Keeps the mean real and CPU times of each benchmark for the ratios printed
// at the end. On a busy machine the CPU-time ratio is the steadier one.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Aggregate || run.aggregate_name != "mean")
                continue;
            meanReal[run.run_name.function_name] = run.GetAdjustedRealTime();
            meanCpu[run.run_name.function_name] = run.GetAdjustedCPUTime();
        }
    }
    std::map<std::string, double> meanReal;
    std::map<std::string, double> meanCpu;
};

void printRatio(const char* what, std::map<std::string, double>& means) {
    double read = means["BM_ReadProject"];
    double floor = means["BM_DecodeFloor"];
    if (read > 0 && floor > 0)
        std::printf("read / decode floor, %s time: %.3f (goal <= 1.10)\n", what, read / floor);
}

}  // namespace

int main(int argc, char** argv) {
    // Interleaving is the default here; a later command-line flag overrides it.
    std::vector<char*> args(argv, argv + argc);
    char interleave[] = "--benchmark_enable_random_interleaving=true";
    args.insert(args.begin() + 1, interleave);
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    fixture();
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    printRatio("real", reporter.meanReal);
    printRatio("CPU", reporter.meanCpu);
    const Fixture& f = fixture();
    if (f.historyBytes > 0 && f.pictureBytes > 0)
        std::printf("100 undo steps of region edits: %zu bytes; decoded pictures: %zu bytes; ratio %.6f\n",
                    f.historyBytes, f.pictureBytes, static_cast<double>(f.historyBytes) / f.pictureBytes);
    benchmark::Shutdown();
    return 0;
}
