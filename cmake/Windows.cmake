# The Windows program: one static program file that needs nothing beside it, Qt's Japanese texts
# built in, and what ships it: the installer and a portable zip. Built with the toolchain of
# scripts/windows-qt (make windows).

# No libstdc++, libgcc or winpthread DLLs beside the program file; no symbol tables in what ships.
add_link_options(-static $<$<CONFIG:Release>:-s>)
# Windows 10 and later: GetSystemTimePreciseAsFileTime and the per-monitor DPI functions.
add_compile_definitions(_WIN32_WINNT=0x0A00 WINVER=0x0A00 UNICODE _UNICODE)

# Qt's own texts in Japanese (message-box buttons, context menus), as the host's Qt has them.
find_file(POMURI_QTBASE_JA qtbase_ja.qm
  PATHS "${QT_HOST_PATH}/share/qt6/translations" NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH REQUIRED)
cmake_path(GET POMURI_QTBASE_JA PARENT_PATH POMURI_QT_TRANSLATIONS)

# pomuri_windows_static_plugins(TARGET [PLATFORM...]): the platform plugins linked into TARGET, and
# no others (no image formats, styles or icon engines: the program needs none of them).
function(pomuri_windows_static_plugins target)
  set(plugins)
  foreach(platform IN LISTS ARGN)
    list(APPEND plugins Qt6::${platform})
  endforeach()
  qt_import_plugins(${target}
    INCLUDE_BY_TYPE platforms ${plugins}
    EXCLUDE_BY_TYPE imageformats styles iconengines generic networkinformation tls)
endfunction()

function(pomuri_windows_package)
  set(version ${PROJECT_VERSION})
  set(setup ${PROJECT_BINARY_DIR}/pomuri-${version}-setup.exe)
  set(zip ${PROJECT_BINARY_DIR}/pomuri-${version}-windows-x64.zip)
  find_program(MAKENSIS makensis REQUIRED)
  add_custom_command(OUTPUT ${setup}
    COMMAND ${MAKENSIS} -V2 -INPUTCHARSET UTF8 -DPROGRAM=$<TARGET_FILE:pomuri> -DOUTFILE=${setup}
            -DVERSION=${version} -DICON=${PROJECT_SOURCE_DIR}/resources/pomuri.ico
            ${PROJECT_SOURCE_DIR}/resources/windows/installer.nsi
    DEPENDS pomuri ${PROJECT_SOURCE_DIR}/resources/windows/installer.nsi ${PROJECT_SOURCE_DIR}/resources/pomuri.ico
    COMMENT "Making the installer pomuri-${version}-setup.exe" VERBATIM)
  add_custom_command(OUTPUT ${zip}
    COMMAND ${CMAKE_COMMAND} -E tar cf ${zip} --format=zip pomuri.exe
    WORKING_DIRECTORY ${PROJECT_BINARY_DIR}
    DEPENDS pomuri
    COMMENT "Making the portable pomuri-${version}-windows-x64.zip" VERBATIM)
  add_custom_target(windows_package ALL DEPENDS ${setup} ${zip})
endfunction()
