# The GUI tests of the transfer use the device port 9835 itself: never two
# at once. (The unit tests take free ports of their own and run in parallel.)
if(QUENDA_WIN32)
  foreach(name TcpIpSendsEveryFileToTheDeviceAndShowsDone CancelWhileWaitingForTheDeviceClosesPromptly
               ProgressBarEndsFullWithEveryPictureCounted)
    if(TEST gui.Transfer.${name})
      set_tests_properties(gui.Transfer.${name} PROPERTIES RESOURCE_LOCK "gui;port9835")
    endif()
  endforeach()
endif()
