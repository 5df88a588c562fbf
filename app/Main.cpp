// Entry routine: class, accelerators, the main window and the message loop.
#include <windows.h>

#include <memory>

#include "win32/Application.h"
#include "win32/CommandLine.h"
#include "model/win32/RegistrySettings.h"
#include "model/win32/Win32FileAccess.h"
#include "base/resource.h"
#include "ui/win32/MainWindow.h"
#include "ui/win32/RecoveryOffer.h"
#include "transfer/win32/FirewallJob.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    // Started elevated by the firewall step: that alone, without a window.
    if (isFirewallJob(GetCommandLineW()))
        return runFirewallJob();
    // Read first: a relative path means the current directory at start.
    const StartFile startFile = startFileFrom(GetCommandLineW());
    startApplication(instance);
    // DOS paths and Wine's own current directory only work through Win32.
    static Win32FileAccess files;
    FileAccess::install(&files);
    static RegistrySettings settings;
    Settings::install(&settings);

    HACCEL accelerators = LoadAcceleratorsA(instanceHandle, MAKEINTRESOURCEA(IDR_ACCELERATORS));
    std::unique_ptr<MainWindow> mainWindow;
    try {
        mainWindow = std::make_unique<MainWindow>(userRecoveryFolder());
    } catch (...) {
        return 1;
    }
    // Work left by a crash comes first, before any other project is opened.
    offerRecoveryCopies(*mainWindow);
    mainWindow->openAtStart(startFile);
    int exitCode = runMessageLoop(accelerators);
    // Before the file access it uses goes.
    mainWindow.reset();
    FileAccess::install(nullptr);
    return exitCode;
}
