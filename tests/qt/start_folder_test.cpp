// The folder of its own that the menu entry starts zbk in.
#include "start_folder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

TEST(StartFolder, TheOptionIsTakenOutAndTheRestKeptInOrder) {
  std::string a0 = "zbk", a1 = "--folder-zbiorka", a2 = "-style", a3 = "fusion";
  std::vector<char*> argv = {a0.data(), a1.data(), a2.data(), a3.data(), nullptr};
  int argc = 4;
  EXPECT_TRUE(zbk::TakeOwnFolderOption(argc, argv.data()));
  ASSERT_EQ(argc, 3);
  EXPECT_EQ(std::string(argv[1]), "-style");
  EXPECT_EQ(std::string(argv[2]), "fusion");
  EXPECT_EQ(argv[3], nullptr);
  EXPECT_FALSE(zbk::TakeOwnFolderOption(argc, argv.data()));
  EXPECT_EQ(argc, 3);
}

TEST(StartFolder, MadeOnTheFirstStartEnteredLaterAndAFailureSaid) {
  const fs::path before = fs::current_path();
  const fs::path home = fs::temp_directory_path() / ("zbk-home-" + std::to_string(getpid()));
  fs::create_directories(home);
  EXPECT_EQ(zbk::EnterOwnFolder(home.c_str()), "");
  EXPECT_EQ(fs::current_path(), home / "Zbiorek");
  std::ofstream(home / "Zbiorek" / "DYSK.txt") << "kept\n";
  fs::current_path(before);
  EXPECT_EQ(zbk::EnterOwnFolder((home.string() + "/").c_str()), "");
  EXPECT_TRUE(fs::exists("DYSK.txt"));

  fs::current_path(before);
  std::ofstream(home / "plik") << "not a folder\n";
  const std::string error = zbk::EnterOwnFolder((home / "plik").c_str());
  EXPECT_NE(error.find("plik/Zbiorek"), std::string::npos) << error;
  EXPECT_EQ(zbk::EnterOwnFolder(""), "Nie wiem, gdzie jest folder domowy (brak HOME).");
  EXPECT_EQ(fs::current_path(), before);
  fs::remove_all(home);
}

}  // namespace
