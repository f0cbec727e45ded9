# The Windows build: the program, its Win32 tests and the test inspector.
enable_language(RC)

add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601
                        TAVORIN_UPDATE_HOST="${TAVORIN_UPDATE_HOST}")

# Everything but the application object and the entry point, so that the
# Win32 tests link the real code.
add_library(tavorin_win STATIC
  src/framework/Wnd.cpp
  src/framework/Dialog.cpp
  src/framework/WinApp.cpp
  src/framework/Gdi.cpp
  src/framework/Internet.cpp
  src/framework/MessageBox.cpp
  src/framework/SystemButtons.cpp
  src/framework/Thread.cpp
  src/framework/CodePage.cpp
  src/framework/DataExchange.cpp
  src/framework/LateLibrary.cpp
  src/framework/PropertySheet.cpp
  src/framework/Keyboard.cpp
  src/framework/ResourceLanguage.cpp
  src/skin/Region.cpp
  src/skin/Blit.cpp
  src/skin/SkinCanvas.cpp
  src/skin/SpriteCache.cpp
  src/skin/WindowDrag.cpp
  src/common/AppSettings.cpp
  src/sets/Sets.cpp
  src/sets/KeptEnds.cpp
  src/common/StartWithWindows.cpp
  src/common/ProgramLanguage.cpp
  src/app/HostDlg.cpp
  src/common/ProgramDialog.cpp
  src/common/SkinnedDialog.cpp
  src/app/SingleInstance.cpp
  src/app/ElevatedRestart.cpp
  src/bar/BarMenu.cpp
  src/bar/BarSeeThrough.cpp
  src/bar/TitleTip.cpp
  src/bar/TimerBarDlg.cpp
  src/common/NameBox.cpp
  src/common/BarSeeThroughChoice.cpp
  src/common/WindowSwitchChoice.cpp
  src/editor/TimerEditDlg.cpp
  src/update/UpdateCheck.cpp
  src/play/KeysEverywhere.cpp
  src/play/TriggerHook.cpp
  src/play/AlertSounds.cpp
  src/play/Speech.cpp
  src/play/SpokenAlerts.cpp
  src/play/FrontProgram.cpp
  src/play/FrontWatch.cpp
  src/settings/KeyCatcher.cpp
  src/settings/KeyPage.cpp
  src/settings/EditedSet.cpp
  src/settings/AlertPage.cpp
  src/settings/WindowPage.cpp
  src/settings/GeneralPage.cpp
  src/settings/SlotList.cpp
  src/settings/SettingsWindow.cpp
  src/common/TriggerNames.cpp
  src/sets/SetFiles.cpp
  src/sets/SetGone.cpp
  src/sets/SetMenu.cpp
  src/sets/SetNameDialog.cpp
  src/access/AccessibleWindow.cpp
  src/access/Announce.cpp
  src/access/OleText.cpp
  src/bar/BarAccess.cpp
  src/editor/EditorAccess.cpp
)
# WinINet, url, shell32 and ole32 serve the update check alone and are loaded
# by it when it runs (framework/LateLibrary.h), never at start-up; so are winmm
# and wtsapi32 for the chime and the digit-key hook, when a player turns them on.
target_link_libraries(tavorin_win PUBLIC tavorin_core user32 gdi32 advapi32)

add_executable(Tavorin WIN32
  src/framework/WinMain.cpp
  src/app/TimerApp.cpp
  res/Tavorin.rc
)
target_link_libraries(Tavorin PRIVATE tavorin_win)
if(MINGW)
  # Release builds carry no symbols: most of them were the static runtime's.
  target_link_options(Tavorin PRIVATE -municode -static $<$<CONFIG:Release>:-s>)
elseif(MSVC)
  set_property(TARGET Tavorin PROPERTY MSVC_RUNTIME_LIBRARY "MultiThreaded$<$<CONFIG:Debug>:Debug>")
  target_link_options(Tavorin PRIVATE /MANIFEST:NO)
endif()

# The version header and the manifest, made from version.txt.
configure_file(${CMAKE_SOURCE_DIR}/res/version.h.in ${CMAKE_BINARY_DIR}/generated/version.h @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/res/Tavorin.manifest.in ${CMAKE_BINARY_DIR}/generated/Tavorin.manifest @ONLY)
include_directories(${CMAKE_BINARY_DIR}/generated)


# Tests that run under Wine share one fresh prefix per test run; PROGRAM and
# PREFIX name another program to test and its own prefix (the 32-bit pass).
function(tavorin_wine_environment test_name)
  cmake_parse_arguments(ARG "" "PROGRAM;PREFIX" "" ${ARGN})
  if(NOT ARG_PROGRAM)
    set(ARG_PROGRAM $<TARGET_FILE:Tavorin>)
  endif()
  if(NOT ARG_PREFIX)
    set(ARG_PREFIX wineprefix)
  endif()
  set_tests_properties(${test_name} PROPERTIES
    FIXTURES_REQUIRED ${ARG_PREFIX}
    RESOURCE_LOCK wine-display
    ENVIRONMENT "WINEPREFIX=${CMAKE_BINARY_DIR}/${ARG_PREFIX};WINEDEBUG=-all;WINEDLLOVERRIDES=mscoree,mshtml=;LANG=ko_KR.UTF-8;LC_ALL=ko_KR.UTF-8;TAVORIN_EXE=${ARG_PROGRAM};TAVORIN_INSPECTOR=$<TARGET_FILE:inspector>;TAVORIN_URL_RECORDER=$<TARGET_FILE:url_recorder>;TAVORIN_STAND_IN_VOICE=$<TARGET_FILE:stand_in_voice>")
endfunction()

function(tavorin_wine_prefix name)
  add_test(NAME wine.${name} COMMAND ${CMAKE_SOURCE_DIR}/tools/testenv/prepare-prefix.sh ${CMAKE_BINARY_DIR}/${name})
  set_tests_properties(wine.${name} PROPERTIES FIXTURES_SETUP ${name} TIMEOUT 300)
endfunction()

# The release build (32-bit) for the tests of the shipped program; where this
# machine runs 32-bit code the end-to-end tests run a second time against it.
set(TAVORIN_RELEASE_EXE "" CACHE FILEPATH "The 32-bit release build's Tavorin.exe")
option(TAVORIN_TEST_RELEASE_EXE "Run the end-to-end tests against TAVORIN_RELEASE_EXE as well" OFF)

if(CMAKE_CROSSCOMPILING_EMULATOR)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  tavorin_wine_prefix(wineprefix)
  add_subdirectory(tests/win)
  add_subdirectory(tools/testenv)
  add_subdirectory(tests/e2e)
  add_subdirectory(tests/release)
  add_subdirectory(tests/scripts)
  add_subdirectory(tools/bench)
endif()

# The resource compiler reports no dependencies: name every file it embeds,
# for each program that embeds it (a source file's properties are its folder's).
file(GLOB TAVORIN_ART CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/res/art/* ${CMAKE_SOURCE_DIR}/res/lang/*.rc)
get_property(TAVORIN_RC_FOLDERS DIRECTORY ${CMAKE_SOURCE_DIR} PROPERTY SUBDIRECTORIES)
set_source_files_properties(res/Tavorin.rc DIRECTORY ${CMAKE_SOURCE_DIR} ${TAVORIN_RC_FOLDERS} PROPERTIES
  OBJECT_DEPENDS "${CMAKE_SOURCE_DIR}/res/resource.h;${CMAKE_BINARY_DIR}/generated/Tavorin.manifest;${CMAKE_BINARY_DIR}/generated/version.h;${TAVORIN_ART}")
