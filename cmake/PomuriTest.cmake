# pomuri_add_test(NAME source... [LABELS label...])
# One test executable per unit, linked against the program's libraries (never the executable),
# run by CTest on Qt's offscreen platform.
function(pomuri_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LABELS" ${ARGN})
  qt_add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE pomuri_forms pomuri_test_support Qt6::Test)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_QPA_FONTDIR=/usr/share/fonts;LC_ALL=C.UTF-8"
    LABELS "${ARG_LABELS}"
    TIMEOUT 300)
endfunction()
