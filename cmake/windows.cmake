# Windows build (MinGW-w64): one static GUI program, the command-line tool as a console
# program, and the test driver that the Wine tests run.
set(static_flags -static -static-libgcc -static-libstdc++)
add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX UNICODE _UNICODE _WIN32_WINNT=0x0601)
# Small release programs: every function and datum in a section of its own, so that the
# linker drops what nothing uses, and no symbols or debug information in the executable.
add_compile_options($<$<CONFIG:Release>:-ffunction-sections> $<$<CONFIG:Release>:-fdata-sections>)
add_link_options($<$<CONFIG:Release>:-Wl,--gc-sections> $<$<CONFIG:Release>:-s>)

# The version resource of both programs reads the project's version from here.
configure_file(${CMAKE_SOURCE_DIR}/res/program_version.h.in ${CMAKE_BINARY_DIR}/program_version.h)

# SQLite: the amalgamation that scripts/setup compiled from Debian's source package.
target_sources(core PRIVATE ${SQLITE_MINGW_DIR}/sqlite3.o)
target_include_directories(core PUBLIC ${SQLITE_MINGW_DIR})

# The pinyin table the native build made (the generator runs natively).
target_sources(core PRIVATE ${PINYIN_TABLE_SOURCE})

file(GLOB cli_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tools/cli/*.cpp)
add_executable(birthday-memo-cli ${cli_sources} ${CMAKE_SOURCE_DIR}/res/birthday-memo-cli.rc)
target_include_directories(birthday-memo-cli PRIVATE ${CMAKE_SOURCE_DIR}/res ${CMAKE_BINARY_DIR})
target_link_libraries(birthday-memo-cli PRIVATE core shell32 ${static_flags})

file(GLOB_RECURSE gui_sources CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/src/app/win32/*.cpp
  ${CMAKE_SOURCE_DIR}/src/ui/*.cpp)
add_executable(birthday-memo WIN32 ${gui_sources} ${CMAKE_SOURCE_DIR}/res/birthday-memo.rc)
target_include_directories(birthday-memo PRIVATE ${CMAKE_SOURCE_DIR}/res ${CMAKE_BINARY_DIR})
target_link_libraries(birthday-memo PRIVATE core
  comctl32 comdlg32 shell32 gdi32 user32 advapi32 ole32 oleaut32 uuid wininet msimg32
  windowscodecs wtsapi32
  ${static_flags})
target_link_options(birthday-memo PRIVATE -municode)

# The Wine test driver: GoogleTest from Debian's sources, built for Windows.
if(EXISTS /usr/src/googletest/googletest/CMakeLists.txt)
  set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  file(GLOB driver_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/wine/*.cpp)
  # The advertisement, report-view and registry parts are tested inside the driver itself.
  add_executable(wine-tests ${driver_sources}
    ${CMAKE_SOURCE_DIR}/src/app/win32/registry.cpp
    ${CMAKE_SOURCE_DIR}/src/app/win32/web_extras.cpp
    ${CMAKE_SOURCE_DIR}/src/ui/picture_box.cpp
    ${CMAKE_SOURCE_DIR}/src/ui/picture_decoder.cpp
    ${CMAKE_SOURCE_DIR}/src/ui/report_view.cpp
    ${CMAKE_SOURCE_DIR}/src/ui/ui_thread.cpp)
  target_link_libraries(wine-tests PRIVATE core gtest gtest_main user32 gdi32 comctl32 advapi32
    shell32 wininet windowscodecs ole32 uuid ws2_32 version ${static_flags})
endif()
