# The libraries the program and the tests share. Where the code differs per system, the build
# takes the file for this one (NAME_win.cpp or NAME_unix.cpp).
if(WIN32)
  set(POMURI_SYSTEM win)
else()
  set(POMURI_SYSTEM unix)
endif()

# pomuri_core needs only Qt Core: arithmetic, time texts, placement, hand geometry, single instance,
# fitting a window onto the screens.
add_library(pomuri_core STATIC
  platform/forms/CheckedArithmetic.cpp
  platform/forms/RuntimeError.cpp
  platform/time/ClockSource.cpp
  platform/time/ClockSource_${POMURI_SYSTEM}.cpp
  platform/time/TimeTexts.cpp
  platform/forms/SingleInstance_${POMURI_SYSTEM}.cpp
  clock/Placement.cpp
  clock/HandGeometry.cpp
  clock/Translucency.cpp
  platform/window/ScreenFit.cpp
)
target_include_directories(pomuri_core PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(pomuri_core PUBLIC Qt6::Core)
if(WIN32)
  target_link_libraries(pomuri_core PRIVATE advapi32) # the user's SID for the single-instance lock
endif()

# pomuri_forms: the form runtime on Qt Widgets and the four forms.
add_library(pomuri_forms STATIC
  platform/forms/FormAccessibility.cpp
  platform/forms/FormApplication.cpp
  platform/forms/FormRuntime.cpp
  platform/forms/FormStyle.cpp
  platform/forms/FormTimer.cpp
  platform/window/KeepOnDesktop.cpp
  platform/window/ScreenChanges.cpp
  platform/forms/LayoutFonts.cpp
  platform/forms/LayoutFonts_${POMURI_SYSTEM}.cpp
  platform/forms/MessageBox.cpp
  platform/forms/ScreenMetrics.cpp
  platform/window/Stacking.cpp
  platform/window/WindowDrag.cpp
  platform/window/WindowOpacity.cpp
  platform/window/WindowSystem.cpp
  platform/window/WindowSystem_${POMURI_SYSTEM}.cpp
  platform/window/X11Window.cpp
  clock/ClockAccessibility.cpp
  clock/Form1.cpp
  clock/ReadoutLabel.cpp
  clock/ReadoutText.cpp
  settings/Form4.cpp
  menu/Form2.cpp
  menu/Form3.cpp
)
target_link_libraries(pomuri_forms PUBLIC pomuri_core Qt6::Widgets)
# X11 through xcb: whether a display answers, asked before Qt starts so that no display is a clear
# message, and the window properties Qt has no setting for.
if(NOT WIN32)
  find_package(PkgConfig REQUIRED)
  pkg_check_modules(XCB REQUIRED IMPORTED_TARGET xcb)
  target_link_libraries(pomuri_forms PRIVATE PkgConfig::XCB)
  target_compile_definitions(pomuri_forms PRIVATE POMURI_HAS_XCB=1)
endif()
# Stored as they are: unpacking a 4 kB icon would load and keep a decompression library.
qt_add_resources(pomuri_forms "pomuri_resources"
  PREFIX "/pomuri"
  OPTIONS --no-compress
  BASE resources
  FILES resources/pomuri.bmp
)
