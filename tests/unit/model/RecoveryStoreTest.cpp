#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "model/FileAccess.h"
#include "model/ProcessLock.h"
#include "model/ProjectFile.h"
#include "model/RecoveryStore.h"
#include "model/Settings.h"
#include "support/FailingFileAccess.h"
#include "support/TempFolder.h"

namespace {

std::unique_ptr<Proyecto> editedProject(const std::string& archivo, const std::string& instalacion) {
    auto project = std::make_unique<Proyecto>();
    project->archivo = archivo;
    project->takeSnapshot();
    project->instalacion = instalacion;
    return project;
}

std::vector<std::string> sorted(std::vector<std::string> names) {
    std::sort(names.begin(), names.end());
    return names;
}

void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

const std::string kId = "0123456789abcdef";

}  // namespace

TEST(RecoveryNames, TellTheFilesOfACopyFromAnyOther) {
    const std::pair<std::string, bool> cases[] = {
        {recoveryCopyName(kId), true}, {recoveryLockName(kId), true}, {recoveryCopyName(kId) + ".quenda-tmp", true},
        {"quenda-0123456789ABCDEF.recuperacion", false},  // ids are written in lower case
        {"quenda-0123.recuperacion", false}, {"quenda-0123456789abcdef.xml", false},
        {"otro-0123456789abcdef.recuperacion", false}, {"quenda-../../0123456789.bloqueo", false},
    };
    for (const auto& [name, ours] : cases) {
        std::string id;
        EXPECT_EQ(ours, recoveryIdOf(name, id) && id == kId) << name;
    }
}

TEST(RecoveryHeader, ReadsBackWhatWasWrittenAndRefusesDamage) {
    const RecoveryHeader written{"C:\\Usuarios\\Jos\xE9\\casa.xml", 1796684400};
    const std::string text = recoveryCopyText(written, "<tabrino/>\r\n");
    RecoveryHeader read;
    std::string project;
    ASSERT_TRUE(parseRecoveryCopy(text, read, project));
    EXPECT_EQ(written.archivo, read.archivo);
    EXPECT_EQ(written.hora, read.hora);
    EXPECT_EQ("<tabrino/>\r\n", project);

    const std::string damaged[] = {
        "",
        text.substr(0, text.find("hora=")),                        // cut in the header
        text.substr(0, text.find("<tabrino")),                     // no project after it
        "Quenda recuperacion\r\narchivo=x\r\nhora=ayer\r\n\r\n<tabrino/>",
        "Quenda recuperacion\r\nhora=5\r\narchivo=x\r\n\r\n<tabrino/>",
        "<?xml version=\"1.0\"?>\r\n<tabrino/>",
    };
    for (const std::string& bytes : damaged)
        EXPECT_FALSE(parseRecoveryCopy(bytes, read, project)) << bytes;
}

TEST(RecoveryStore, ACopyIsOfferedOnlyOnceItsEditorIsGoneAndToOneEditorOnly) {
    TempFolder folder;
    const std::string rec = folder.file("recuperacion");
    auto project = editedProject(folder.file("casa.xml"), "Casa editada");
    auto running = std::make_unique<RecoveryStore>(rec, FileAccess::current());
    ASSERT_TRUE(running->writeCopy(*project, 1796684400));
    running->removeCopy();  // as a save does: the same text written again must come back
    ASSERT_TRUE(running->writeCopy(*project, 1796684400));
    EXPECT_TRUE(project->hasUnsavedChanges());

    RecoveryStore starting(rec, FileAccess::current());
    EXPECT_TRUE(starting.claimAbandoned().empty());

    running.reset();  // its editor ends without removing the copy: a crash
    const std::vector<std::string> claimed = starting.claimAbandoned();
    ASSERT_EQ(1u, claimed.size());
    RecoveryStore third(rec, FileAccess::current());
    EXPECT_TRUE(third.claimAbandoned().empty());

    RecoveryHeader header;
    std::string text;
    EXPECT_FALSE(third.readAbandoned(claimed[0], header, text));  // another's claim
    ASSERT_TRUE(starting.readAbandoned(claimed[0], header, text));
    EXPECT_EQ(project->archivo, header.archivo);
    EXPECT_EQ(1796684400, header.hora);
    Proyecto recovered;
    readProjectText(text, header.archivo, recovered);
    EXPECT_EQ("Casa editada", recovered.instalacion);

    starting.discard(claimed[0]);
    EXPECT_TRUE(filesInFolder(rec).empty());
}

// Work taken over from a crashed editor's copy: that copy stays held until
// the new owner's own copy holds the work (or it was saved or dropped).
TEST(RecoveryStore, ACopyWhoseWorkWasTakenOverStaysHeldUntilItsOwnerLetsItGo) {
    for (const bool ownCopyWritten : {true, false}) {
        TempFolder folder;
        RecoveryStore(folder.path(), FileAccess::current()).writeCopy(*editedProject("", "Perdida"), 1);
        RecoveryStore taker(folder.path(), FileAccess::current());
        const std::vector<std::string> claimed = taker.claimAbandoned();
        ASSERT_EQ(1u, claimed.size());
        taker.supersede(claimed[0]);
        RecoveryStore other(folder.path(), FileAccess::current());
        EXPECT_TRUE(other.claimAbandoned().empty());
        EXPECT_TRUE(FileAccess::current().exists(folder.file(recoveryCopyName(claimed[0]))));
        if (ownCopyWritten) {
            ASSERT_TRUE(taker.writeCopy(*editedProject("", "Perdida"), 2));
            taker.dropSuperseded();
        } else {
            taker.removeCopy();  // saved or dropped
        }
        EXPECT_FALSE(FileAccess::current().exists(folder.file(recoveryCopyName(claimed[0]))));
        EXPECT_TRUE(other.claimAbandoned().empty());
    }
}

TEST(RecoveryStore, LeftoversWithoutACopyAreClearedAndOtherFilesKept) {
    TempFolder folder;
    RecoveryStore own(folder.path(), FileAccess::current());
    ASSERT_TRUE(own.writeCopy(*editedProject("", "Propia"), 1));
    const std::string id2 = "1111111111111111", id3 = "2222222222222222", id4 = "3333333333333333";
    writeFile(folder.file(recoveryLockName(id2)), "");
    writeFile(folder.file(recoveryCopyName(id3) + ".quenda-tmp"), "medio");
    writeFile(folder.file(recoveryCopyName(id4)), "da\xF1" "ada");
    writeFile(folder.file(recoveryLockName(id4)), "");
    writeFile(folder.file("notas.txt"), "del usuario");

    RecoveryStore starting(folder.path(), FileAccess::current());
    EXPECT_EQ(std::vector<std::string>{id4}, starting.claimAbandoned());
    RecoveryHeader header;
    std::string text;
    EXPECT_FALSE(starting.readAbandoned(id4, header, text));
    starting.giveUp(id4);
    std::string ownId;
    ASSERT_TRUE(recoveryIdOf(baseNameOf(own.copyPath()), ownId));
    EXPECT_EQ(sorted({"notas.txt", recoveryCopyName(id4), recoveryCopyName(ownId), recoveryLockName(ownId)}),
              sorted(filesInFolder(folder.path())));
}

TEST(RecoveryStore, AFullDiskKeepsThePreviousCopyAndRemovingDeletesIt) {
    TempFolder folder;
    auto project = editedProject("", "Primera");
    const size_t firstSize = recoveryCopyText(RecoveryHeader{"", 1}, printProject(*project)).size();
    FailingFileAccess fillsUp(firstSize + 10);
    RecoveryStore store(folder.path(), fillsUp);
    ASSERT_TRUE(store.writeCopy(*project, 1));
    std::string first, after;
    ASSERT_TRUE(readWholeFile(fillsUp, store.copyPath(), first));
    project->instalacion = std::string(500, 'x');
    for (int64_t now : {2, 3})  // the copy that failed is tried again
        EXPECT_FALSE(store.writeCopy(*project, now));
    ASSERT_TRUE(readWholeFile(fillsUp, store.copyPath(), after));
    EXPECT_EQ(first, after);

    store.removeCopy();
    EXPECT_FALSE(fillsUp.exists(folder.file(baseNameOf(store.copyPath()))));
    // A folder that cannot be made: under a file.
    writeFile(folder.file("archivo"), "");
    EXPECT_FALSE(RecoveryStore(folder.file("archivo/rec"), FileAccess::current()).writeCopy(*project, 3));
}

TEST(RecoveryInterval, ComesFromTheSettingWithinBounds) {
    const std::pair<const char*, uint32_t> cases[] = {
        {nullptr, 60}, {"0", 60}, {"5", 5}, {"600", 600}, {"4000000000", 86400}, {"diez", 60}};
    for (const auto& c : cases) {
        MemorySettings settings;
        if (c.first)
            settings.writeText(setting::kIntervaloRecuperacion, c.first);
        EXPECT_EQ(c.second, recoveryIntervalSeconds(settings)) << (c.first ? c.first : "absent");
    }
}
