// The source-package entry that setup derives from the machine's own apt sources, so that a
// machine with another mirror works and the repository names no host of its own.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <map>

#include "temp_folder.h"

namespace memo {
namespace {

// What scripts/apt-source-entry prints for an apt folder holding these files; "" when it fails.
std::string EntryFor(const std::map<std::string, std::string>& files) {
  testing::TempFolder apt;
  std::filesystem::create_directory(apt.File("sources.list.d"));
  for (const auto& [name, text] : files) testing::WriteFileBytes(apt.File(name), text);
  const std::string command =
      std::string(SOURCE_DIR) + "/scripts/apt-source-entry " + apt.path() + " bookworm 2>/dev/null";
  FILE* pipe = popen(command.c_str(), "r");
  std::string out;
  char buffer[512];
  for (size_t got; (got = fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, got);
  return pclose(pipe) == 0 ? out : "";
}

TEST(AptSourceEntry, TakesTheReleasesOwnEntryForSources) {
  const std::string mirror =
      "Types: deb\nURIs: http://mirror.example.net/debian\nSuites: bookworm bookworm-updates\n"
      "Components: main contrib\nSigned-By: /usr/share/keyrings/debian-archive-keyring.gpg\n";
  const std::string other =
      "Types: deb\nURIs: https://repo.example.org/x\nSuites: nodistro\nComponents: main\n";
  const struct {
    std::map<std::string, std::string> files;
    const char* entry;
  } cases[] = {
      {{{"sources.list.d/a.sources", other}, {"sources.list.d/debian.sources", mirror}},
       "Types: deb-src\nURIs: http://mirror.example.net/debian\nSuites: bookworm\n"
       "Components: main contrib\nSigned-By: /usr/share/keyrings/debian-archive-keyring.gpg\n"},
      // The key embedded in the stanza stays with it; an entry switched off is passed over.
      {{{"sources.list.d/debian.sources",
         "Types: deb\nURIs: http://off.example/debian\nSuites: bookworm\nComponents: main\n"
         "Enabled: no\n\n# on\nTypes: deb deb-src\nURIs: http://on.example/debian\n"
         "Suites: bookworm\nComponents: main\nSigned-By:\n -----BEGIN PGP PUBLIC KEY BLOCK-----\n"
         " .\n -----END PGP PUBLIC KEY BLOCK-----\n"}},
       "Types: deb-src\nURIs: http://on.example/debian\nSuites: bookworm\nComponents: main\n"
       "Signed-By: \n -----BEGIN PGP PUBLIC KEY BLOCK-----\n .\n -----END PGP PUBLIC KEY "
       "BLOCK-----\n"},
      // Setup's own entry is never its source.
      {{{"sources.list.d/birthday-memo-src.sources", mirror},
        {"sources.list",
         "# old\ndeb http://old.example/debian bookworm-updates main\n"
         "deb [arch=amd64] http://old.example/debian bookworm main\n"}},
       "deb-src [arch=amd64] http://old.example/debian bookworm main\n"},
      {{{"sources.list.d/a.sources", other}}, ""},
  };
  for (const auto& c : cases) EXPECT_EQ(EntryFor(c.files), c.entry) << c.files.begin()->second;
}

}  // namespace
}  // namespace memo
