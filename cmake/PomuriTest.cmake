# pomuri_add_test(NAME source... [LABELS label...])
# One test executable per unit, linked against the program's libraries (never the executable),
# run by CTest on Qt's offscreen platform.
# What every test's environment carries; in a sanitizer build, the sanitizers' settings too, so that
# any report fails the test.
set(POMURI_TEST_ENVIRONMENT "LC_ALL=C.UTF-8")
if(POMURI_SANITIZE)
  list(APPEND POMURI_TEST_ENVIRONMENT
    "ASAN_OPTIONS=detect_leaks=1:verify_asan_link_order=0:detect_stack_use_after_return=1"
    "LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/sanitizers/lsan.supp:print_suppressions=0"
    "UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1")
endif()

function(pomuri_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LABELS" ${ARGN})
  qt_add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE pomuri_forms pomuri_test_support Qt6::Test)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;${POMURI_TEST_ENVIRONMENT}"
    LABELS "${ARG_LABELS}"
    TIMEOUT 300)
endfunction()
