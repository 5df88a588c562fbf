# Which sources each target builds, listed once for the Linux build and the
# Windows one (cmake/WindowsProgram.cmake). A new source file goes into
# exactly one list here, by what it needs, whatever folder it is in.

# The portable core: plain C++17, built by g++ for the unit tests and tools
# and by MinGW-w64 for the program.
set(QUENDA_CORE_SOURCES
  base/NameList.cpp
  base/SpanishOrder.cpp
  base/Trim.cpp
  model/CheckSettings.cpp
  model/EditHistory.cpp
  model/FileAccess.cpp
  model/Imagen.cpp
  model/MissingPictureCarry.cpp
  model/Pagina.cpp
  model/PictureCache.cpp
  model/PictureCarry.cpp
  model/PngChunks.cpp
  model/PngWalk.cpp
  model/PosixFileAccess.cpp
  model/ProjectCheck.cpp
  model/ProjectFile.cpp
  model/Proyecto.cpp
  model/RecoveryStore.cpp
  model/RegionScale.cpp
  model/Settings.cpp
  model/WindowsPath.cpp
  transfer/CardCopy.cpp
  transfer/DeviceAddress.cpp
  transfer/DeviceProtocol.cpp
  transfer/DeviceTransfer.cpp
  transfer/FirewallRule.cpp
  transfer/PictureNames.cpp
  transfer/ReceivedMessage.cpp
  transfer/SocketHolder.cpp
  transfer/TransferProgress.cpp
  ui/CanvasEditor.cpp
  ui/CheckOptionsForm.cpp
  ui/CheckRun.cpp
  ui/CommandTable.cpp
  ui/ComandoForm.cpp
  ui/FindingTable.cpp
  ui/PaginaEscalada.cpp
  ui/PaginaForm.cpp
  ui/PictureChoice.cpp
  ui/PictureImport.cpp
  ui/ProjectDocument.cpp
  ui/ProjectEditor.cpp
  ui/ProyectoForm.cpp
  ui/RecentProjects.cpp
  ui/RemoteTrial.cpp
  ui/StatusLayout.cpp
  ui/WindowLayout.cpp
  ui/WindowPlace.cpp
  ui/RegionSelection.cpp
  ui/RegionGroup.cpp
  ui/RegionArrange.cpp
  ui/SnapGuides.cpp
  ui/RegionCopy.cpp
  ui/CommandReplace.cpp
  ui/PlacementForm.cpp
  model/JumpGraph.cpp
  ui/CommandDescription.cpp
  ui/HandoverDocument.cpp
  ui/HandoverExport.cpp
  ui/HtmlText.cpp
  ui/JumpMap.cpp
  model/RgbPicture.cpp
  model/ColourAreas.cpp
  model/ButtonFinder.cpp
  model/ButtonPageMaker.cpp
  ui/ButtonDetection.cpp
  ui/PageMove.cpp
  ui/PageRename.cpp
  ui/PagePaneRows.cpp
  model/Thumbnail.cpp
  ui/ViewMapping.cpp
  ui/VisiblePart.cpp
  ui/WheelSteps.cpp
)
# The core's platform halves, each in a posix/ or win32/ folder of its room:
# sockets over POSIX (Linux) or Winsock (Windows), the lock file that tells
# a running editor's recovery copy from an abandoned one, the few calls of
# PosixFileAccess that differ in MinGW-w64's C runtime, and on Windows the
# wide paths files are reached by.
set(QUENDA_POSIX_SOURCES
  model/posix/PosixDescriptorCalls.cpp
  model/posix/PosixProcessLock.cpp
  transfer/posix/PosixSockets.cpp
)
set(QUENDA_WINDOWS_SOURCES
  model/win32/WidePath.cpp
  model/win32/WindowsDescriptorCalls.cpp
  model/win32/WindowsProcessLock.cpp
  transfer/win32/WinsockSockets.cpp
)

# The Win32 layer of quenda.exe, all but its entry routine (the program's
# own list): the GUI test program links the same with an entry routine of
# its own.
set(QUENDA_WIN32_SOURCES
  model/win32/RegistrySettings.cpp
  model/win32/Win32FileAccess.cpp
  transfer/win32/DialogStatusObserver.cpp
  transfer/win32/DireccionDlg.cpp
  transfer/win32/ElevatedCommand.cpp
  transfer/win32/FirewallJob.cpp
  transfer/win32/FirewallReadBack.cpp
  transfer/win32/SubirProyecto.cpp
  transfer/win32/SubirProyectoDlg.cpp
  transfer/win32/TransferirDlg.cpp
  ui/win32/CheckWorker.cpp
  ui/win32/ComandoDlg.cpp
  ui/win32/Dpi.cpp
  ui/win32/EditorDialogs.cpp
  ui/win32/FileDialog.cpp
  ui/win32/MainMenus.cpp
  ui/win32/MainWindow.cpp
  ui/win32/PaginaDlg.cpp
  ui/win32/PaginaWindow.cpp
  ui/win32/PicturePrompts.cpp
  ui/win32/ProjectFileDialogs.cpp
  ui/win32/ProjectPrompts.cpp
  ui/win32/ProyectoDlg.cpp
  ui/win32/RecoveryOffer.cpp
  ui/win32/RecoveryWriter.cpp
  ui/win32/RecuperarDlg.cpp
  ui/win32/RegionClipboard.cpp
  ui/win32/StatusBar.cpp
  ui/win32/Toolbar.cpp
  ui/win32/WindowPlacement.cpp
  ui/win32/VerificandoDlg.cpp
  ui/win32/VerificarDlg.cpp
  ui/win32/VerificarOpcionesDlg.cpp
  ui/win32/CopiarPaginasDlg.cpp
  ui/win32/ReemplazarDlg.cpp
  ui/win32/PosicionDlg.cpp
  win32/Application.cpp
  win32/CommandLine.cpp
  win32/Dialog.cpp
  win32/DialogRefusal.cpp
  win32/FolderChooser.cpp
  win32/Thread.cpp
  win32/Window.cpp
  ui/win32/PagePane.cpp
  ui/win32/ThumbnailWorker.cpp
)
set(QUENDA_PROGRAM_SOURCES
  app/Main.cpp
)

# GoogleTest unit tests of the core (Linux).
set(QUENDA_UNIT_TEST_SOURCES
  tests/unit/base/TrimTest.cpp
  tests/unit/model/CheckSettingsTest.cpp
  tests/unit/model/DamagedPictureTest.cpp
  tests/unit/model/EditHistoryTest.cpp
  tests/unit/model/FileAccessTest.cpp
  tests/unit/model/ImagenTest.cpp
  tests/unit/model/ModelProyectoTest.cpp
  tests/unit/model/PictureLocationTest.cpp
  tests/unit/model/PictureOnDemandTest.cpp
  tests/unit/model/PictureViewTest.cpp
  tests/unit/model/ProjectCheckTest.cpp
  tests/unit/model/ProjectFileBadInputTest.cpp
  tests/unit/model/ProjectFileTest.cpp
  tests/unit/model/RecoveryStoreTest.cpp
  tests/unit/model/RegionTextTest.cpp
  tests/unit/model/WindowsPathTest.cpp
  tests/unit/tools/ResourceArtTest.cpp
  tests/unit/transfer/CardCopyTest.cpp
  tests/unit/transfer/DeviceAddressTest.cpp
  tests/unit/transfer/FirewallRuleTest.cpp
  tests/unit/transfer/TransferEmulatorTest.cpp
  tests/unit/transfer/TransferProtocolTest.cpp
  tests/unit/transfer/TransferWorkerTest.cpp
  tests/unit/ui/CanvasEditorTest.cpp
  tests/unit/ui/CanvasModesTest.cpp
  tests/unit/ui/CheckListTest.cpp
  tests/unit/ui/ComandoFormTest.cpp
  tests/unit/ui/PaginaEscaladaTest.cpp
  tests/unit/ui/PaginaFormTest.cpp
  tests/unit/ui/PictureImportTest.cpp
  tests/unit/ui/ProjectDocumentTest.cpp
  tests/unit/ui/ProjectEditorTest.cpp
  tests/unit/ui/ProyectoFormTest.cpp
  tests/unit/ui/RecentProjectsTest.cpp
  tests/unit/ui/RemoteTrialTest.cpp
  tests/unit/ui/StatusLayoutTest.cpp
  tests/unit/ui/WindowLayoutTest.cpp
  tests/unit/ui/CanvasEditorSelectionTest.cpp
  tests/unit/ui/RegionArrangeTest.cpp
  tests/unit/ui/SnapGuidesTest.cpp
  tests/unit/ui/RegionCopyTest.cpp
  tests/unit/ui/CommandReplaceTest.cpp
  tests/unit/ui/PlacementFormTest.cpp
  tests/unit/ui/HandoverTest.cpp
  tests/unit/ui/CommandDescriptionTest.cpp
  tests/unit/model/ButtonFinderTest.cpp
  tests/unit/ui/ButtonDetectionTest.cpp
  tests/unit/ui/PageOrderTest.cpp
  tests/unit/model/ThumbnailTest.cpp
  tests/unit/ui/ViewMappingTest.cpp
  tests/unit/ui/VisiblePartTest.cpp
)
# The GUI test program (Windows, run under Wine); every GUI_TEST line of
# these files becomes a ctest test (cmake/GuiTests.cmake).
set(QUENDA_GUI_TEST_SOURCES
  tests/gui/CanvasGuiTest.cpp
  tests/gui/ClipboardGuiTest.cpp
  tests/gui/DesktopGuiTest.cpp
  tests/gui/DialogsCommandGuiTest.cpp
  tests/gui/DialogsHelpersGuiTest.cpp
  tests/gui/DialogsPageGuiTest.cpp
  tests/gui/DialogsProjectGuiTest.cpp
  tests/gui/FrameworkFileAccessGuiTest.cpp
  tests/gui/FrameworkGuiTest.cpp
  tests/gui/GuiTest.cpp
  tests/gui/GuiTestMain.cpp
  tests/gui/MainWindowGuiTest.cpp
  tests/gui/PicturesGuiTest.cpp
  tests/gui/ProjectCheckGuiTest.cpp
  tests/gui/RecoveryGuiTest.cpp
  tests/gui/TransferGuiDevice.cpp
  tests/gui/TransferGuiTest.cpp
  tests/gui/WindowGuiTest.cpp
  tests/gui/HandoverGuiTest.cpp
  tests/gui/PagePaneGuiTest.cpp
)
# Unit tests of the Windows-only code (Windows, run under Wine).
set(QUENDA_WINDOWS_TEST_SOURCES
  tests/windows/Win32FileAccessTest.cpp
  tests/windows/WinsockSocketsTest.cpp
)

get_filename_component(root ${CMAKE_CURRENT_LIST_DIR} DIRECTORY)
foreach(list CORE POSIX WINDOWS WIN32 PROGRAM UNIT_TEST GUI_TEST WINDOWS_TEST)
  list(TRANSFORM QUENDA_${list}_SOURCES PREPEND ${root}/)
endforeach()
