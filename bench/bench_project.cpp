// Opening and showing a large project, side by side in one run. The project
// has 200 pages x 40 regions and a picture of 1280 x 800 (24-bit) for each page.
// - Opening reads the file and each picture's header: against opening that
//   decodes every picture (what opening did before pictures were decoded on
//   demand) and against decoding the same PNG files with FreeImage alone.
// - Showing a page whose picture is not decoded yet (decode and scaled view)
//   against the decode alone.
// - Peak memory of a fresh process (ru_maxrss) that opens the project and
//   shows some of its pages, each run as a child of this one, so that
//   nothing this process allocated counts; the same for a hostile project
//   of 500 pages naming one 10,000 x 10,000 picture.
// - Writing, the snapshot and 100 undo steps, as before: writing and the
//   snapshot open no picture file (counter "pictures_opened").
// - The check, which reads every picture whole without keeping its pixels:
//   against decoding the same files (the decode floor above); its own cost
//   with every picture missing; and pages of 1,000 regions, for the search
//   for regions over one another.
// - The recovery copy, written every minute while work is unsaved, against
//   saving the same project; and the part the editor's own thread does
//   (finding unsaved changes, copying the project for the worker that
//   prints and writes it) against the whole copy.
// - The handover document of the whole project, every picture copied
//   beside it (goal: under 2 s).
// - The page pane: every page's thumbnail made, and the peak memory of a
//   process that opens the project, shows 10 pages and makes all 200
//   thumbnails (goal: at most 150 MB above opening and showing 10 pages);
//   a project of 1,000 pages opened, and one page moved in it with its undo
//   step and the pane's rows made anew.
#include <benchmark/benchmark.h>

#include <FreeImage.h>
#include <malloc.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "model/EditHistory.h"
#include "model/Thumbnail.h"
#include "ui/PagePaneRows.h"
#include "ui/ProjectDocument.h"
#include "ui/PaginaEscalada.h"
#include "model/PictureCache.h"
#include "model/PosixFileAccess.h"
#include "model/ProjectCheck.h"
#include "model/ProjectFile.h"
#include "model/RecoveryStore.h"
#include "tests/unit/support/TempFolder.h"
#include "ui/CanvasEditor.h"
#include "ui/HandoverExport.h"

namespace {

const int kPages = 200;
const int kRegions = 40;
const int kWidth = 1280;
const int kHeight = 800;
const int kHostilePages = 500;
const int kHostileSide = 10000;
const int kLargePages = 1000;
const int32_t kThumbnailWidth = 48;  // as the pane makes them
const int32_t kThumbnailHeight = 36;

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
    std::string hostilePath;
    std::string largePath;
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
        writeHostileProject();
        writeLargeProject(project);
    }
    // 1,000 pages, five times the 200 above with their regions and pictures.
    void writeLargeProject(const Proyecto& pages) {
        Proyecto large;
        large.instalacion = "Casa grande";
        for (int p = 0; p < kLargePages; ++p) {
            auto page = std::make_unique<Pagina>(*pages.paginas[static_cast<size_t>(p % kPages)]);
            page->nombre = "P\xE1gina " + std::to_string(p);
            large.addPage(std::move(page));
        }
        largePath = folder.file("grande.xml");
        large.archivo = largePath;
        writeProjectFile(large);
    }
    // 500 pages naming one picture of 10,000 x 10,000 pixels.
    void writeHostileProject() {
        // One colour: a small file that announces a huge picture.
        FIBITMAP* bitmap = FreeImage_Allocate(kHostileSide, kHostileSide, 24, 0, 0, 0);
        if (bitmap) {
            for (int y = 0; y < kHostileSide; ++y)
                std::memset(FreeImage_GetScanLine(bitmap, y), 0x80, FreeImage_GetPitch(bitmap));
            FreeImage_Save(FIF_PNG, bitmap, folder.file("grande.png").c_str(), PNG_Z_BEST_SPEED);
            FreeImage_Unload(bitmap);
        }
        Proyecto hostile;
        for (int p = 0; p < kHostilePages; ++p) {
            auto page = std::make_unique<Pagina>();
            page->nombre = "Grande " + std::to_string(p);
            page->setImagen(kHostileSide, kHostileSide, "grande.png");
            hostile.addPage(std::move(page));
        }
        hostilePath = folder.file("hostil.xml");
        hostile.archivo = hostilePath;
        writeProjectFile(hostile);
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
    long before = f.files.picturesOpened;
    for (auto _ : state) {
        readProjectFile(f.projectPath, project);
        benchmark::DoNotOptimize(project.paginas.data());
    }
    state.counters["pages"] = static_cast<double>(project.paginas.size());
    state.counters["pictures_opened"] = static_cast<double>(f.files.picturesOpened - before);
}

// Opening as it was when every page decoded its picture at once.
void BM_ReadProjectDecodingEveryPicture(benchmark::State& state) {
    Fixture& f = fixture();
    Proyecto project;
    for (auto _ : state) {
        readProjectFile(f.projectPath, project);
        for (const auto& page : project.paginas)
            benchmark::DoNotOptimize(page->picture().get());
        state.PauseTiming();
        PictureCache::shared().clear();
        state.ResumeTiming();
    }
}

// The reader's own cost: the same file with every picture missing.
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

void BM_ReadHostileProject(benchmark::State& state) {
    Fixture& f = fixture();
    Proyecto project;
    for (auto _ : state) {
        readProjectFile(f.hostilePath, project);
        benchmark::DoNotOptimize(project.paginas.data());
    }
    state.counters["pages"] = static_cast<double>(project.paginas.size());
}

// The scale the canvas takes on a 1920 x 1080 screen.
double canvasScaleOf(const Pagina& page) {
    return chooseScale(page.pictureWidth(), page.pictureHeight(), 1920, 1040 - 80).scale;
}

// Showing a page whose picture is not decoded: the decode plus the scaled view.
void BM_ShowPageNotDecoded(benchmark::State& state) {
    Fixture& f = fixture();
    Pagina& page = *f.loaded.paginas[0];
    for (auto _ : state) {
        state.PauseTiming();
        PictureCache::shared().forget(page.pictureFile);
        state.ResumeTiming();
        PaginaEscalada view(page, canvasScaleOf(page));
        benchmark::DoNotOptimize(view.picture().bitmap());
    }
}

// The decode alone, as the cache makes it.
void BM_DecodeOnePicture(benchmark::State& state) {
    Fixture& f = fixture();
    const std::string path = f.loaded.paginas[0]->pictureFile;
    for (auto _ : state)
        benchmark::DoNotOptimize(Imagen::decode(path));
}

// A fresh process opens a project and shows its first `shown` pages (none
// opened at all for -1) under a cache budget; it prints its peak resident
// size and what the cache holds.
int peakChild(const std::string& projectPath, int shown, size_t budget, bool thumbnails) {
    PictureCache::shared().setBudget(budget);
    Proyecto project;
    if (shown >= 0)
        readProjectFile(projectPath, project);
    std::unique_ptr<PaginaEscalada> view;
    for (int i = 0; i < shown && static_cast<size_t>(i) < project.paginas.size(); ++i) {
        Pagina& page = *project.paginas[static_cast<size_t>(i)];
        view.reset();  // the canvas lets go of one page before it shows the next
        view = std::make_unique<PaginaEscalada>(page, canvasScaleOf(page));
    }
    // Every thumbnail kept, as the pane keeps them.
    std::vector<RgbPicture> made;
    for (size_t i = 0; thumbnails && i < project.paginas.size(); ++i)
        made.push_back(Thumbnail::make(project.paginas[i]->pictureFile, kThumbnailWidth, kThumbnailHeight));
    struct rusage usage;
    getrusage(RUSAGE_SELF, &usage);
    std::printf("%ld %zu\n", usage.ru_maxrss, PictureCache::shared().bytesHeld());
    return 0;
}

const double kMegabyte = 1024.0 * 1024.0;
std::map<std::string, double> peaks;  // name -> peak MB, for the summary

// Arguments: hostile project (0 or 1), pages shown, budget in MB (0: none),
// every thumbnail made (0 or 1).
void BM_PeakMemory(benchmark::State& state) {
    Fixture& f = fixture();
    const bool hostile = state.range(0) != 0;
    const long shown = state.range(1);
    const size_t budget = state.range(2) ? static_cast<size_t>(state.range(2)) << 20 : SIZE_MAX;
    const std::string command = "/proc/" + std::to_string(getpid()) + "/exe --peak-child " +
                                (hostile ? f.hostilePath : f.projectPath) + " " + std::to_string(shown) + " " +
                                std::to_string(budget) + " " + std::to_string(state.range(3));
    long peakKb = 0;
    size_t cacheBytes = 0;
    for (auto _ : state) {
        FILE* child = popen(command.c_str(), "r");
        if (!child || std::fscanf(child, "%ld %zu", &peakKb, &cacheBytes) != 2) {
            state.SkipWithError("the measuring process gave no answer");
        }
        if (child)
            pclose(child);
    }
    state.counters["peak_MB"] = peakKb / 1024.0;
    state.counters["cache_MB"] = cacheBytes / kMegabyte;
    const std::string what = std::string(hostile ? "hostile project" : "project") +
                             (shown < 0 ? ", not opened" : ", " + std::to_string(shown) + " pages shown") +
                             (state.range(2) ? ", budget " + std::to_string(state.range(2)) + " MB" : ", no budget") +
                             (state.range(3) ? ", every thumbnail made" : "");
    peaks[what] = peakKb / 1024.0;
}

// The pane's thumbnails of all 200 pages, one picture decoded at a time.
void BM_MakeEveryThumbnail(benchmark::State& state) {
    Fixture& f = fixture();
    for (auto _ : state)
        for (const auto& page : f.loaded.paginas)
            benchmark::DoNotOptimize(Thumbnail::make(page->pictureFile, kThumbnailWidth, kThumbnailHeight));
    state.counters["thumbnails"] = static_cast<double>(f.loaded.paginas.size());
}

void BM_ReadLargeProject(benchmark::State& state) {
    Fixture& f = fixture();
    Proyecto project;
    for (auto _ : state)
        readProjectFile(f.largePath, project);
    state.counters["pages"] = static_cast<double>(project.paginas.size());
}

// One drag in the pane: the first page to the end (its undo step keeps
// every page), then the pane's rows made anew.
void BM_MovePageInLargeProject(benchmark::State& state) {
    Fixture& f = fixture();
    auto project = std::make_unique<Proyecto>();
    readProjectFile(f.largePath, *project);
    ProjectDocument document;
    document.replaceProject(std::move(project));
    for (auto _ : state) {
        document.movePage(0, kLargePages - 1);
        PagePaneRows rows(document.project(), document.shownIndex());
        benchmark::DoNotOptimize(rows.size());
    }
}

void BM_WriteProject(benchmark::State& state) {
    Fixture& f = fixture();
    long before = f.files.picturesOpened;
    for (auto _ : state)
        writeProjectFile(f.loaded);
    state.counters["pictures_opened"] = static_cast<double>(f.files.picturesOpened - before);
}

// Each copy differs from the one before, as after an edit: an unchanged
// project is not written again.
void BM_WriteRecoveryCopy(benchmark::State& state) {
    Fixture& f = fixture();
    static RecoveryStore store(f.folder.file("recuperacion"), f.files);
    const std::string instalacion = f.loaded.instalacion;
    long before = f.files.picturesOpened;
    int64_t now = 0;
    bool written = true;
    for (auto _ : state) {
        f.loaded.instalacion = instalacion + std::to_string(++now % 2);
        written = store.writeCopy(f.loaded, now) && written;
    }
    f.loaded.instalacion = instalacion;
    state.counters["pictures_opened"] = static_cast<double>(f.files.picturesOpened - before);
    if (!written)
        state.SkipWithError("the copy could not be written");
}

// What the editor's thread does before a worker writes the copy.
void BM_RecoveryCopyHandOff(benchmark::State& state) {
    Fixture& f = fixture();
    for (auto _ : state) {
        benchmark::DoNotOptimize(f.loaded.hasUnsavedChanges());
        std::unique_ptr<Proyecto> forWorker(new Proyecto(f.loaded));
        benchmark::DoNotOptimize(forWorker.get());
    }
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

// The check's own cost: every picture missing (one finding per page).
void BM_CheckProjectWithoutPictures(benchmark::State& state) {
    Fixture& f = fixture();
    size_t findings = 0;
    f.files.refusePictures = true;
    for (auto _ : state)
        findings = checkProject(f.loaded).size();
    f.files.refusePictures = false;
    state.counters["findings"] = static_cast<double>(findings);
}

const int kDensePages = 10;
const int kDenseRegions = 1000;

// Pages of 1,000 regions of 46 x 46 in a grid of 40 x 25, every 50th one
// moved over its neighbour; with `stacked`, all on one spot instead (every
// region over every other: the sweep's worst case).
Proyecto denseProject(bool stacked) {
    Proyecto project;
    for (int p = 0; p < kDensePages; ++p) {
        auto page = std::make_unique<Pagina>();
        page->nombre = "Densa " + std::to_string(p);
        page->setImagen(2010, 1250, "densa.png");
        for (int r = 0; r < kDenseRegions; ++r) {
            Region region;
            int left = stacked ? 0 : (r % 40) * 50 + (r % 50 == 49 ? 10 : 0);
            int top = stacked ? 0 : (r / 40) * 50;
            region.coords = Rect{left, top, left + 46, top + 46};
            region.comando.codigo = "luz" + std::to_string(r);
            region.comando.pagina = "Densa " + std::to_string((p + 1) % kDensePages);
            page->addRegion(region);
        }
        project.addPage(std::move(page));
    }
    return project;
}

// Arguments: stacked (0 or 1). Pictures missing, as above.
void BM_CheckDensePagesWithoutPictures(benchmark::State& state) {
    Fixture& f = fixture();
    const Proyecto project = denseProject(state.range(0) != 0);
    size_t findings = 0;
    f.files.refusePictures = true;
    for (auto _ : state)
        findings = checkProject(project).size();
    f.files.refusePictures = false;
    state.counters["findings"] = static_cast<double>(findings);
    state.counters["regions"] = kDensePages * kDenseRegions;
}

// Every byte the heap has handed out and not taken back, mapped blocks included.
size_t heapInUse() {
    struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

// What the project's pictures take when all are decoded.
size_t decodedPictureBytes(const Proyecto& project) {
    size_t bytes = 0;
    for (const auto& page : project.paginas) {
        std::unique_ptr<Imagen> picture = Imagen::decode(page->pictureFile);
        bytes += picture ? picture->memorySize() : 0;
    }
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
    state.counters["pictures_opened"] = static_cast<double>(f.files.picturesOpened - before);
    f.pictureBytes = decodedPictureBytes(f.loaded);
    state.counters["history_bytes"] = static_cast<double>(f.historyBytes);
    state.counters["picture_bytes"] = static_cast<double>(f.pictureBytes);
    state.counters["restored"] = restored;
}

void BM_ExportHandover(benchmark::State& state) {
    Fixture& f = fixture();
    const std::string document = f.folder.file("entrega.html");
    for (auto _ : state) {
        const std::string problem = HandoverExport::write(f.loaded, document, "08/12/2026", f.files);
        if (!problem.empty())
            state.SkipWithError(problem.c_str());
    }
}

// Reading and what it is compared with, repetitions interleaved at random
// (see main) so that a busy machine slows all alike.
BENCHMARK(BM_ReadProject)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(6);
BENCHMARK(BM_ReadProjectDecodingEveryPicture)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(6);
BENCHMARK(BM_DecodeFloor)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(6);
BENCHMARK(BM_ReadProjectWithoutPictures)->Unit(benchmark::kMillisecond)->Iterations(10)->Repetitions(6);
BENCHMARK(BM_ReadHostileProject)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(6);
BENCHMARK(BM_ShowPageNotDecoded)->Unit(benchmark::kMillisecond)->Iterations(20)->Repetitions(6);
BENCHMARK(BM_DecodeOnePicture)->Unit(benchmark::kMillisecond)->Iterations(20)->Repetitions(6);
// Peak memory: the process alone, 10 pages shown, all 200 shown under the
// budget and without one (as when every page held its picture), and 10
// pages of the hostile project.
BENCHMARK(BM_PeakMemory)->Args({0, -1, 512, 0})->Args({0, 10, 512, 0})->Args({0, 200, 512, 0})
    ->Args({0, 200, 0, 0})->Args({1, 10, 512, 0})->Args({0, 10, 512, 1})->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MakeEveryThumbnail)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);
BENCHMARK(BM_ReadLargeProject)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(6);
BENCHMARK(BM_MovePageInLargeProject)->Unit(benchmark::kMillisecond)->Repetitions(6);
BENCHMARK(BM_WriteProject)->Unit(benchmark::kMillisecond)->Repetitions(6);
BENCHMARK(BM_WriteRecoveryCopy)->Unit(benchmark::kMillisecond)->Repetitions(6);
BENCHMARK(BM_RecoveryCopyHandOff)->Unit(benchmark::kMillisecond)->Repetitions(6);
BENCHMARK(BM_TakeSnapshot)->Unit(benchmark::kMillisecond);
// The check against the decode floor above, in the same interleaved run.
BENCHMARK(BM_CheckProject)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(6);
BENCHMARK(BM_CheckProjectWithoutPictures)->Unit(benchmark::kMillisecond)->Iterations(10)->Repetitions(6);
BENCHMARK(BM_CheckDensePagesWithoutPictures)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(10)
    ->Repetitions(6);
BENCHMARK(BM_HistoryOfRegionEdits)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_ExportHandover)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(6);

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

void printRatio(const char* what, std::map<std::string, double>& means, const char* part, const char* whole,
                const char* goal) {
    double a = means[part];
    double b = means[whole];
    if (a > 0 && b > 0)
        std::printf("%s / %s, %s time: %.4f (%.1f / %.1f ms; goal %s)\n", part, whole, what, a / b, a, b, goal);
}

void printRatios(const char* what, std::map<std::string, double>& means) {
    printRatio(what, means, "BM_ReadProject", "BM_ReadProjectDecodingEveryPicture", "<= 0.05");
    printRatio(what, means, "BM_ReadProject", "BM_DecodeFloor", "<= 0.05");
    printRatio(what, means, "BM_ReadProjectWithoutPictures", "BM_ReadProject", "the file's share");
    printRatio(what, means, "BM_ShowPageNotDecoded", "BM_DecodeOnePicture", "decode plus scaling");
    printRatio(what, means, "BM_ReadHostileProject", "BM_ReadProject", "hostile open < 1 s");
    printRatio(what, means, "BM_WriteRecoveryCopy", "BM_WriteProject", "about a save's cost");
    printRatio(what, means, "BM_RecoveryCopyHandOff", "BM_WriteRecoveryCopy", "the editor's share, small");
    printRatio(what, means, "BM_CheckProject", "BM_DecodeFloor", "<= 1");
    printRatio(what, means, "BM_CheckProjectWithoutPictures", "BM_CheckProject", "< 10 ms alone");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 6 && std::strcmp(argv[1], "--peak-child") == 0)
        return peakChild(argv[2], std::atoi(argv[3]), static_cast<size_t>(std::strtoull(argv[4], nullptr, 10)),
                         std::atoi(argv[5]) != 0);
    // Interleaving is the default here; a later command-line flag overrides it.
    std::vector<char*> args(argv, argv + argc);
    char interleave[] = "--benchmark_enable_random_interleaving=true";
    args.insert(args.begin() + 1, interleave);
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    fixture();
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    printRatios("real", reporter.meanReal);
    printRatios("CPU", reporter.meanCpu);
    for (const auto& peak : peaks)
        std::printf("peak resident size, %s: %.1f MB\n", peak.first.c_str(), peak.second);
    const double shownAlone = peaks["project, 10 pages shown, budget 512 MB"];
    const double withThumbnails = peaks["project, 10 pages shown, budget 512 MB, every thumbnail made"];
    if (shownAlone > 0 && withThumbnails > 0)
        std::printf("every thumbnail made, above 10 pages shown: %.1f MB (goal: at most 150 MB)\n",
                    withThumbnails - shownAlone);
    const Fixture& f = fixture();
    if (f.historyBytes > 0 && f.pictureBytes > 0)
        std::printf("100 undo steps of region edits: %zu bytes; decoded pictures: %zu bytes; ratio %.6f\n",
                    f.historyBytes, f.pictureBytes, static_cast<double>(f.historyBytes) / f.pictureBytes);
    benchmark::Shutdown();
    return 0;
}
