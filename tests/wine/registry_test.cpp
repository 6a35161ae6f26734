// The registry layer over Wine's real registry: roots by code, the path split at the last
// backslash that is a character of its own, the types each read accepts, the defaults,
// writes that create their keys, and deletes that take a value alone.
#include <windows.h>

#include <gtest/gtest.h>

#include "app/win32/registry.h"
#include "program_under_test.h"
#include "window_basics.h"

using namespace wine_test;

namespace {

constexpr int kCurrentUser = 3;
const wchar_t* const kTestKey = L"Software\\Tavelin\\registry-layer";

void Store(const wchar_t* value, DWORD type, const void* data, DWORD size) {
  RegSetKeyValueW(HKEY_CURRENT_USER, kTestKey, value, type, data, size);
}

void StoreText(const wchar_t* value, const std::wstring& text, DWORD type = REG_SZ) {
  Store(value, type, text.c_str(), static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

std::string Path(const char* value) {
  return std::string("Software\\Tavelin\\registry-layer\\") + value;
}

}  // namespace

TEST(RegistryLayer, NumbersAreReadFromDwordValuesOnlyAndOtherwiseGiveTheDefault) {
  settings::Clear();
  DWORD seven = 7, minusOne = 0xFFFFFFFF;
  unsigned long long wide = 9;
  Store(L"dword", REG_DWORD, &seven, sizeof(seven));
  Store(L"negative", REG_DWORD, &minusOne, sizeof(minusOne));
  StoreText(L"text", L"7");
  Store(L"binary", REG_BINARY, &seven, sizeof(seven));
  Store(L"qword", REG_QWORD, &wide, sizeof(wide));
  EXPECT_EQ(memo::RegistryReadNumber(kCurrentUser, Path("dword")), 7);
  EXPECT_EQ(memo::RegistryReadNumber(kCurrentUser, Path("negative")), -1);
  for (const char* other : {"text", "binary", "qword", "missing"}) {
    EXPECT_EQ(memo::RegistryReadNumber(kCurrentUser, Path(other)), 0) << other;
    EXPECT_EQ(memo::RegistryReadNumber(kCurrentUser, Path(other), 42), 42) << other;
  }
  EXPECT_EQ(memo::RegistryReadNumber(kCurrentUser, "Software\\Tavelin\\no-such-key\\dword", 5), 5);
}

TEST(RegistryLayer, TextsComeFromStringValuesWithVariablesExpandedAsGbk) {
  settings::Clear();
  StoreText(L"chinese", Wide("寿辰备忘录"));
  StoreText(L"expand", L"%BIRTHDAY_MEMO_REGISTRY_TEST%\\x", REG_EXPAND_SZ);
  StoreText(L"plain", L"%BIRTHDAY_MEMO_REGISTRY_TEST%\\x");
  // A text stored without its terminating zero still reads whole.
  Store(L"unterminated", REG_SZ, L"abc", 3 * sizeof(wchar_t));
  DWORD number = 1;
  Store(L"number", REG_DWORD, &number, sizeof(number));
  SetEnvironmentVariableW(L"BIRTHDAY_MEMO_REGISTRY_TEST", Wide("生日").c_str());
  EXPECT_EQ(memo::RegistryReadText(kCurrentUser, Path("chinese")), "寿辰备忘录");
  EXPECT_EQ(memo::RegistryReadText(kCurrentUser, Path("expand")), "生日\\x");
  EXPECT_EQ(memo::RegistryReadText(kCurrentUser, Path("plain")),
            "%BIRTHDAY_MEMO_REGISTRY_TEST%\\x");
  EXPECT_EQ(memo::RegistryReadText(kCurrentUser, Path("unterminated")), "abc");
  EXPECT_EQ(memo::RegistryReadText(kCurrentUser, Path("number")), "");
  EXPECT_EQ(memo::RegistryReadText(kCurrentUser, Path("number"), "默认"), "默认");
  EXPECT_EQ(memo::RegistryReadText(kCurrentUser, Path("missing"), "默认"), "默认");
}

TEST(RegistryLayer, WritesCreateMissingKeysAndStoreEachKindAsItsType) {
  settings::Clear();
  EXPECT_TRUE(memo::RegistryWriteNumber(kCurrentUser, Path("a\\b\\c\\number"), -2));
  EXPECT_TRUE(memo::RegistryWriteText(kCurrentUser, Path("a\\b\\c\\text"), "文字"));
  EXPECT_TRUE(
      memo::RegistryWriteBytes(kCurrentUser, Path("a\\b\\c\\bytes"), std::string("\0\1\2", 3)));
  EXPECT_TRUE(memo::RegistryWriteText(kCurrentUser, Path("a\\b\\c\\empty"), ""));

  const wchar_t* key = L"Software\\Tavelin\\registry-layer\\a\\b\\c";
  DWORD type = 0, number = 0, size = sizeof(number);
  ASSERT_EQ(RegGetValueW(HKEY_CURRENT_USER, key, L"number", RRF_RT_ANY, &type, &number, &size),
            ERROR_SUCCESS);
  EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
  EXPECT_EQ(number, 0xFFFFFFFEu);
  wchar_t text[16] = {};
  size = sizeof(text);
  ASSERT_EQ(RegGetValueW(HKEY_CURRENT_USER, key, L"text", RRF_RT_ANY, &type, text, &size),
            ERROR_SUCCESS);
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(size, 3 * sizeof(wchar_t));  // the terminating zero is stored
  EXPECT_TRUE(std::wstring(text) == Wide("文字"));
  BYTE bytes[8] = {};
  size = sizeof(bytes);
  ASSERT_EQ(RegGetValueW(HKEY_CURRENT_USER, key, L"bytes", RRF_RT_ANY, &type, bytes, &size),
            ERROR_SUCCESS);
  EXPECT_EQ(type, static_cast<DWORD>(REG_BINARY));
  EXPECT_EQ(size, 3u);
  EXPECT_EQ(bytes[2], 2);
  size = sizeof(text);
  ASSERT_EQ(RegGetValueW(HKEY_CURRENT_USER, key, L"empty", RRF_RT_ANY, &type, text, &size),
            ERROR_SUCCESS);
  EXPECT_EQ(size, sizeof(wchar_t));

  // Rewriting a value with another kind replaces its type.
  EXPECT_TRUE(memo::RegistryWriteText(kCurrentUser, Path("a\\b\\c\\number"), "7"));
  EXPECT_EQ(memo::RegistryReadNumber(kCurrentUser, Path("a\\b\\c\\number"), 99), 99);
}

TEST(RegistryLayer, ValuesOfAnyTypeExistUntilDeletedAndDeletingMissingOnesSucceeds) {
  settings::Clear();
  DWORD number = 1;
  Store(L"number", REG_DWORD, &number, sizeof(number));
  StoreText(L"text", L"");
  Store(L"binary", REG_BINARY, &number, 0);
  for (const char* name : {"number", "text", "binary"}) {
    EXPECT_TRUE(memo::RegistryHasValue(kCurrentUser, Path(name))) << name;
    EXPECT_TRUE(memo::RegistryDeleteValue(kCurrentUser, Path(name))) << name;
    EXPECT_FALSE(memo::RegistryHasValue(kCurrentUser, Path(name))) << name;
  }
  EXPECT_TRUE(memo::RegistryDeleteValue(kCurrentUser, Path("missing")));
  EXPECT_TRUE(memo::RegistryDeleteValue(kCurrentUser, Path("no-such-key\\missing")));
  EXPECT_FALSE(memo::RegistryHasValue(kCurrentUser, Path("no-such-key\\missing")));
  // The key stays.
  HKEY key = nullptr;
  EXPECT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, kTestKey, 0, KEY_READ, &key), ERROR_SUCCESS);
  if (key) RegCloseKey(key);
  settings::Clear();
}

TEST(RegistryLayer, PathsSplitAtTheLastRealBackslashAndRootsFollowTheirCodes) {
  settings::Clear();
  // 淺 is 9C 5C in GBK: its second byte is a backslash that must not split.
  EXPECT_TRUE(memo::RegistryWriteText(kCurrentUser, Path("淺\\值淺"), "x"));
  wchar_t text[8] = {};
  DWORD size = sizeof(text);
  std::wstring key = std::wstring(kTestKey) + L"\\" + Wide("淺");
  EXPECT_EQ(RegGetValueW(HKEY_CURRENT_USER, key.c_str(), Wide("值淺").c_str(), RRF_RT_REG_SZ,
                         nullptr, text, &size),
            ERROR_SUCCESS);
  EXPECT_EQ(memo::RegistryReadText(kCurrentUser, Path("淺\\值淺")), "x");

  // Codes other than 1 to 5 mean the current user.
  for (int code : {0, 6, -1}) {
    EXPECT_EQ(memo::RegistryReadText(code, Path("淺\\值淺")), "x") << code;
  }
  // Code 4 is the local machine, where Windows keeps its version.
  EXPECT_FALSE(
      memo::RegistryReadText(4, "Software\\Microsoft\\Windows NT\\CurrentVersion\\CurrentVersion")
          .empty());
  EXPECT_EQ(
      memo::RegistryReadText(
          kCurrentUser, "Software\\Microsoft\\Windows NT\\CurrentVersion\\CurrentVersion", "none"),
      "none");
  // Code 5 is all users: the current user's settings lie under its own key there.
  EXPECT_EQ(memo::RegistryReadText(5, Path("淺\\值淺"), "none"), "none");
  settings::Clear();
}
