# pomuri_add_test(NAME SOURCES source... LABELS label... [RUNNER command...])
# One test executable per unit, linked against the program's libraries (never the executable),
# run by CTest on Qt's offscreen platform (on Windows, under Wine, on Qt's Windows platform, whose
# fonts and windows are the system's own), as a Japanese user runs the clock. In a sanitizer build
# the sanitizers' settings come with it, so that any report fails the test.
set(POMURI_TEST_ENVIRONMENT "LANG=ja_JP.UTF-8" "LC_ALL=ja_JP.UTF-8")
if(WIN32)
  # Japan's time zone, as a Japanese user's Windows has: local time is then not UTC (this machine's).
  list(APPEND POMURI_TEST_ENVIRONMENT "TZ=Asia/Tokyo")
endif()
if(POMURI_SANITIZE)
  list(APPEND POMURI_TEST_ENVIRONMENT
    "ASAN_OPTIONS=detect_leaks=1:verify_asan_link_order=0:detect_stack_use_after_return=1"
    "LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/sanitizers/lsan.supp:print_suppressions=0"
    "UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1")
endif()

# The Windows build's tests run under Wine (scripts/wine-run), which needs an X display even for
# programs that show nothing (a bare one, with-x-session's), and which sees this machine's files
# on drive Z: (POMURI_TEST_DRIVE).
if(WIN32)
  set(POMURI_TEST_DRIVE "Z:")
else()
  set(POMURI_TEST_DRIVE)
endif()

function(pomuri_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LABELS;RUNNER" ${ARGN})
  qt_add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE pomuri_test_support)
  set(emulator)
  set(platform offscreen)
  if(WIN32)
    pomuri_windows_static_plugins(${name} QWindowsIntegrationPlugin)
    set(emulator ${PROJECT_SOURCE_DIR}/scripts/with-x-session --session bare
      ${CMAKE_CURRENT_BINARY_DIR}/wine-artifacts/${name} ${PROJECT_SOURCE_DIR}/scripts/wine-run)
    set(platform windows)
  endif()
  add_test(NAME ${name} COMMAND ${ARG_RUNNER} ${emulator} $<TARGET_FILE:${name}>)
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=${platform};${POMURI_TEST_ENVIRONMENT}"
    LABELS "${ARG_LABELS}"
    TIMEOUT 300)
endfunction()

# pomuri_add_desktop_test(NAME SESSION SCRIPT [ARG...]): the real program on a real desktop
# (scripts/with-x-session), driven by xdotool; a failing one leaves its screenshots and logs in
# desktop-artifacts/NAME of the build tree.
function(pomuri_add_desktop_test name session script)
  add_test(NAME ${name}
    COMMAND ${PROJECT_SOURCE_DIR}/scripts/with-x-session --session ${session}
            ${CMAKE_CURRENT_BINARY_DIR}/desktop-artifacts/${name} ${CMAKE_CURRENT_SOURCE_DIR}/${script} ${ARGN})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "POMURI=$<TARGET_FILE:pomuri>;${POMURI_TEST_ENVIRONMENT}"
    LABELS desktop
    TIMEOUT 240)
endfunction()
