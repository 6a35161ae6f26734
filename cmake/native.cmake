# Native (Linux) build: the core, the command-line tool, unit tests, benchmarks, and the
# Windows build as a sub-build whose programs the Wine tests run.
find_package(PkgConfig REQUIRED)
pkg_check_modules(SQLITE REQUIRED IMPORTED_TARGET sqlite3)
find_package(Threads REQUIRED)
target_link_libraries(core PUBLIC PkgConfig::SQLITE Threads::Threads)

# GB 18030's tables, read off glibc's converter when the program is built; the Windows build
# takes the same file.
add_executable(gb18030-table ${CMAKE_SOURCE_DIR}/tools/gb18030-table/main.cpp)
set(gb18030_tables ${CMAKE_BINARY_DIR}/generated/gb18030_tables.cpp)
add_custom_command(OUTPUT ${gb18030_tables}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/generated
  COMMAND gb18030-table ${gb18030_tables}
  DEPENDS gb18030-table
  COMMENT "Reading GB 18030's tables off iconv"
  VERBATIM)
add_custom_target(gb18030-tables DEPENDS ${gb18030_tables})
target_sources(core PRIVATE ${gb18030_tables})

file(GLOB cli_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tools/cli/*.cpp)
add_executable(birthday-memo-cli ${cli_sources})
target_link_libraries(birthday-memo-cli PRIVATE core)

enable_testing()
find_package(GTest REQUIRED)
include(GoogleTest)
file(GLOB unit_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/unit/*.cpp)
add_executable(unit-tests ${unit_sources})
target_link_libraries(unit-tests PRIVATE core GTest::gtest GTest::gtest_main GTest::gmock)
target_compile_definitions(unit-tests PRIVATE
  SOURCE_DIR="${CMAKE_SOURCE_DIR}" CLI_PATH="$<TARGET_FILE:birthday-memo-cli>")
# ICU's Chinese calendar is an independent check of the lunar engine, in tests and
# benchmarks only; the program never uses it.
pkg_check_modules(ICU REQUIRED IMPORTED_TARGET icu-i18n icu-uc)
target_link_libraries(unit-tests PRIVATE PkgConfig::ICU)
gtest_discover_tests(unit-tests PROPERTIES LABELS unit DISCOVERY_TIMEOUT 60)

# The exported calendar read by another iCalendar library (Debian's python3-icalendar), every
# event held against the tool's own day counts, with a run of the tool per event.
add_test(NAME independent.CalendarReadByAnotherLibrary
  COMMAND /usr/bin/python3 ${CMAKE_SOURCE_DIR}/tests/independent/check_calendar.py
          $<TARGET_FILE:birthday-memo-cli>)
set_tests_properties(independent.CalendarReadByAnotherLibrary PROPERTIES
  LABELS independent TIMEOUT 600)

# The pinyin table, made from Unihan's readings and variants (Debian's unicode-data) by
# tools/pinyin-table at every build that finds it out of date; the Windows sub-build compiles
# the same file.
set(UNIHAN_READINGS /usr/share/unicode/Unihan_Readings.txt.bz2 CACHE FILEPATH
  "Unihan's reading fields, compressed with bzip2")
set(UNIHAN_VARIANTS /usr/share/unicode/Unihan_Variants.txt.bz2 CACHE FILEPATH
  "Unihan's variant fields, compressed with bzip2")
set(pinyin_table_source ${CMAKE_BINARY_DIR}/generated/pinyin_table.cpp)
set(unihan_text ${CMAKE_BINARY_DIR}/generated/Unihan_Readings.txt)
set(unihan_variants_text ${CMAKE_BINARY_DIR}/generated/Unihan_Variants.txt)
add_custom_command(OUTPUT ${pinyin_table_source}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/generated
  COMMAND sh -c "bzip2 -dc \"$1\" > \"$2\" && bzip2 -dc \"$3\" > \"$4\"" sh
          ${UNIHAN_READINGS} ${unihan_text} ${UNIHAN_VARIANTS} ${unihan_variants_text}
  COMMAND pinyin-table ${unihan_text} ${unihan_variants_text} ${pinyin_table_source}
  COMMAND ${CMAKE_COMMAND} -E rm ${unihan_text} ${unihan_variants_text}
  DEPENDS pinyin-table ${UNIHAN_READINGS} ${UNIHAN_VARIANTS}
  COMMENT "Making the pinyin table from ${UNIHAN_READINGS} and ${UNIHAN_VARIANTS}"
  VERBATIM)
add_custom_target(pinyin-table-source DEPENDS ${pinyin_table_source})
target_sources(core PRIVATE ${pinyin_table_source})

# Tools that only tests and generators use.
file(GLOB tool_dirs CONFIGURE_DEPENDS LIST_DIRECTORIES true ${CMAKE_SOURCE_DIR}/tools/*)
foreach(dir IN LISTS tool_dirs)
  if(IS_DIRECTORY ${dir} AND EXISTS ${dir}/CMakeLists.txt)
    add_subdirectory(${dir})
  endif()
endforeach()

find_package(benchmark QUIET)
if(benchmark_FOUND)
  file(GLOB bench_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/bench/*.cpp)
  if(bench_sources)
    add_executable(benchmarks ${bench_sources})
    target_link_libraries(benchmarks PRIVATE core benchmark::benchmark benchmark::benchmark_main
      PkgConfig::ICU)
  endif()
endif()

if(DEFINED ENV{BIRTHDAY_MEMO_CACHE})
  set(default_cache $ENV{BIRTHDAY_MEMO_CACHE})
else()
  set(default_cache $ENV{HOME}/.cache/birthday-memo)
endif()
set(SQLITE_MINGW_DIR ${default_cache}/sqlite-mingw CACHE PATH "SQLite amalgamation that scripts/setup took for the MinGW build")

# The Windows programs, cross-built with MinGW-w64, unless switched off; a sanitizer build
# leaves them to the ordinary one.
if(SANITIZE)
  set(windows_default OFF)
else()
  set(windows_default ON)
endif()
option(BUILD_WINDOWS "Cross-build the Windows programs and run them under Wine" ${windows_default})
if(BUILD_WINDOWS)
  include(ExternalProject)
  set(win_dir ${CMAKE_BINARY_DIR}/windows)
  ExternalProject_Add(windows
    SOURCE_DIR ${CMAKE_SOURCE_DIR}
    BINARY_DIR ${win_dir}
    CMAKE_ARGS -DCMAKE_TOOLCHAIN_FILE=${CMAKE_SOURCE_DIR}/cmake/mingw-toolchain.cmake
               -DCMAKE_BUILD_TYPE=${CMAKE_BUILD_TYPE}
               -DPUBLISHER_HOST=${PUBLISHER_HOST}
               -DSQLITE_MINGW_DIR=${SQLITE_MINGW_DIR}
               -DGB18030_TABLES=${gb18030_tables}
               -DPINYIN_TABLE_SOURCE=${pinyin_table_source}
               -DCMAKE_CXX_COMPILER_LAUNCHER=${CMAKE_CXX_COMPILER_LAUNCHER}
               -DCMAKE_C_COMPILER_LAUNCHER=${CMAKE_C_COMPILER_LAUNCHER}
    BUILD_ALWAYS ON
    INSTALL_COMMAND "")
  add_dependencies(windows birthday-memo-cli gb18030-tables pinyin-table-source)
  set(BIRTHDAY_MEMO_EXE ${win_dir}/birthday-memo.exe)
  include(${CMAKE_SOURCE_DIR}/tests/wine/tests.cmake)
  # The release built in two copies of the tree: the same bytes, and the program small. Not
  # beside a Wine test: its builds would take the processors that the programs' timings need.
  add_test(NAME release.PackagesAlikeAndSmall COMMAND ${CMAKE_SOURCE_DIR}/scripts/check-release)
  set_tests_properties(release.PackagesAlikeAndSmall PROPERTIES
    LABELS release RESOURCE_LOCK wine-prefix TIMEOUT 1800)
endif()
