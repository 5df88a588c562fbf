# The handover document in a real browser (native, no Wine): Debian's
# headless Chromium renders an exported project to a PNG, whose pixels the
# test checks.
quenda_require(QUENDA_BROWSER chromium-headless-shell chromium-headless-shell QUENDA_BROWSER_TEST)
add_executable(handover_browser_test tests/browser/HandoverBrowserTest.cpp)
target_include_directories(handover_browser_test PRIVATE ${CMAKE_SOURCE_DIR}/tests/unit)
target_link_libraries(handover_browser_test PRIVATE quenda_core)
add_test(NAME browser.HandoverDocument COMMAND handover_browser_test ${QUENDA_BROWSER})
set_tests_properties(browser.HandoverDocument PROPERTIES TIMEOUT 60)
