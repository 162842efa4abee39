# The libraries the program and the tests share.
# pomuri_core needs only Qt Core: arithmetic, time texts, placement, hand geometry, single instance.
add_library(pomuri_core STATIC
  platform/CheckedArithmetic.cpp
  platform/RuntimeError.cpp
  platform/ClockSource.cpp
  platform/TimeTexts.cpp
  platform/SingleInstance.cpp
  clock/Placement.cpp
  clock/HandGeometry.cpp
  clock/Translucency.cpp
)
target_include_directories(pomuri_core PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(pomuri_core PUBLIC Qt6::Core)

# pomuri_forms: the form runtime on Qt Widgets and the four forms.
add_library(pomuri_forms STATIC
  platform/FormAccessibility.cpp
  platform/FormApplication.cpp
  platform/FormRuntime.cpp
  platform/FormStyle.cpp
  platform/FormTimer.cpp
  platform/KeepOnDesktop.cpp
  platform/LayoutFonts.cpp
  platform/MessageBox.cpp
  platform/ScreenMetrics.cpp
  platform/Stacking.cpp
  platform/WindowDrag.cpp
  platform/WindowOpacity.cpp
  platform/WindowSystem.cpp
  platform/X11Window.cpp
  clock/ClockAccessibility.cpp
  clock/Form1.cpp
  clock/ReadoutLabel.cpp
  settings/Form4.cpp
  menu/Form2.cpp
  menu/Form3.cpp
)
target_link_libraries(pomuri_forms PUBLIC pomuri_core Qt6::Widgets)
# Whether an X display answers is asked before Qt starts, so that no display is a clear message.
if(UNIX AND NOT APPLE)
  find_package(PkgConfig REQUIRED)
  pkg_check_modules(XCB REQUIRED IMPORTED_TARGET xcb)
  target_link_libraries(pomuri_forms PRIVATE PkgConfig::XCB)
  target_compile_definitions(pomuri_forms PRIVATE POMURI_HAS_XCB=1)
endif()
qt_add_resources(pomuri_forms "pomuri_resources"
  PREFIX "/pomuri"
  BASE resources
  FILES resources/pomuri.png
)
