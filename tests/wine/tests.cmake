# Registers every test of the Windows test driver as a CTest test that runs under Wine.
# The driver lists its tests with --gtest_list_tests; the list is fixed at configure time
# from the sources, by the TEST( lines, so that configuring needs no Wine.
set(driver ${win_dir}/wine-tests.exe)
file(GLOB wine_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/wine/*.cpp)
foreach(source IN LISTS wine_sources)
  # A test added to an existing file must reach CTest without a manual re-configure.
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${source})
  file(STRINGS ${source} lines REGEX "^TEST(_F)?\\(")
  foreach(line IN LISTS lines)
    string(REGEX REPLACE "^TEST(_F)?\\(([A-Za-z0-9_]+), *([A-Za-z0-9_]+)\\).*" "\\2.\\3" name "${line}")
    # The release zip's test needs the zip unpacked first, the setup program's a prefix of
    # their own: run-package-test and run-installer-test run them.
    if(name MATCHES "^(Package|Installer)\\.")
      continue()
    endif()
    add_test(NAME wine.${name}
      COMMAND ${CMAKE_SOURCE_DIR}/tests/wine/run-wine-test ${CMAKE_BINARY_DIR} ${driver} ${name})
    set_tests_properties(wine.${name} PROPERTIES LABELS wine RESOURCE_LOCK wine-prefix TIMEOUT 330
      ENVIRONMENT "BIRTHDAY_MEMO_EXE_DIR=${win_dir}")
  endforeach()
endforeach()

# The release zip, built and tried from an empty folder.
add_test(NAME wine.Package.UnpackedProgramStartsAndNamesItsVersion
  COMMAND ${CMAKE_SOURCE_DIR}/tests/wine/run-package-test ${CMAKE_BINARY_DIR} ${driver})
set_tests_properties(wine.Package.UnpackedProgramStartsAndNamesItsVersion PROPERTIES
  LABELS wine RESOURCE_LOCK wine-prefix TIMEOUT 900)

# The setup program: installed, upgraded and uninstalled in a fresh prefix.
add_test(NAME wine.Installer
  COMMAND ${CMAKE_SOURCE_DIR}/tests/wine/run-installer-test ${CMAKE_BINARY_DIR} ${driver})
set_tests_properties(wine.Installer PROPERTIES
  LABELS wine RESOURCE_LOCK wine-prefix TIMEOUT 900 ENVIRONMENT "BIRTHDAY_MEMO_EXE_DIR=${win_dir}")
