// A long session: thousands of refresh ticks with drives appearing and
// disappearing and media going in and out, hundreds of catalogue runs and
// searches in turn. Every result stays what it was the first time, and the
// memory and file descriptors held stay flat once the session has warmed
// up. ZBK_SOAK_ROUNDS sets a longer session (default 150 rounds of 20 ticks).
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "live_memory.h"
#include "platform/posix/posix_files.h"
#include "support/temp_folder.h"
#include "support/window_rig.h"
#include "support/working_folder.h"

namespace zbk::testing {
namespace {

namespace fs = std::filesystem;

constexpr int kTicksPerRound = 20;
constexpr int kWarmUpRounds = 5;

int Rounds() {
  const char* text = std::getenv("ZBK_SOAK_ROUNDS");
  const int rounds = text != nullptr ? std::atoi(text) : 150;
  return rounds > kWarmUpRounds ? rounds : kWarmUpRounds + 1;
}

// What one command left behind.
struct Result {
  std::vector<std::string> rows;
  std::string status;
  std::string catalogue;  // the catalogue file, for a run
  bool operator==(const Result&) const = default;
};

class Session {
 public:
  Session() : cwd_(tmp_.Folder("work")), rig_(files_) {
    for (int i = 0; i < 130; ++i) tmp_.File("c/dane/d" + std::to_string(i) + ".dat", 100000 + i);
    tmp_.File("c/Foto/Lato/IMG_0001.JPG", 2345678);
    tmp_.File("c/gry/gra.iso", 700000000);
    tmp_.File("d/kopia/dane.dat", 5000000000u);
    tmp_.File("d/film.mkv", 123456789);
    rig_.FixedDrive('C', (tmp_ / "c").string(), "SOAK_C");
    rig_.Start();
  }

  // One tick, with D's medium going in and out and drive E appearing and
  // disappearing at their own paces.
  void Tick() {
    ++ticks_;
    if (ticks_ % 5 == 0) {
      DriveInfo d;
      d.type = kDriveRemovable;
      if ((ticks_ / 5) % 2 == 0) {
        d.root = (tmp_ / "d").string();
        d.label = "SOAK_D";
        d.free = std::int64_t{3} << 30;
        d.total = std::int64_t{16} << 30;
      }
      rig_.drives().Set('D', d);
    }
    if (ticks_ % 7 == 0) {
      if ((ticks_ / 7) % 2 == 0) {
        rig_.drives().Remove('E');
      } else {
        rig_.FixedDrive('E', (tmp_ / "nowhere").string(), "ZNIKA");
      }
    }
    rig_.Tick();
  }

  bool DPresent() { return rig_.drives().Get('D') && rig_.drives().Get('D')->root; }

  Result Catalogue(char letter, const std::string& name) {
    rig_.Catalogue(letter);
    return {rig_.rows(), rig_.status(), tmp_.Read("work/" + name)};
  }

  Result Search(std::string_view query) {
    rig_.Search(query);
    return {rig_.rows(), rig_.status(), {}};
  }

  WindowRig& rig() { return rig_; }

 private:
  TempFolder tmp_;
  ScopedWorkingFolder cwd_;
  PosixFiles files_;
  WindowRig rig_;
  int ticks_ = 0;
};

TEST(Soak, ResultsAndMemoryStayTheSameOverALongSession) {
  Session session;
  std::map<std::string, Result> first;
  std::map<std::string, int> counts;
  auto check = [&](const std::string& what, const Result& result) {
    ++counts[what];
    const auto [it, added] = first.emplace(what, result);
    if (!added) {
      ASSERT_EQ(result, it->second) << what << " changed at its run " << counts[what];
    }
  };

  LiveMemory warm;
  int warm_fds = 0;
  const int rounds = Rounds();
  for (int round = 0; round < rounds; ++round) {
    if (round == kWarmUpRounds) {
      warm = CurrentLiveMemory();
      warm_fds = OpenFileDescriptors();
    }
    for (int i = 0; i < kTicksPerRound; ++i) session.Tick();
    check("catalogue C", session.Catalogue('C', "SOAK_C.txt"));
    if (session.DPresent()) check("catalogue D", session.Catalogue('D', "SOAK_D.txt"));
    check("search dat", session.Search("dat"));
    check("search foto jpg", session.Search("  foto   JPG "));
    ASSERT_TRUE(session.rig().errors().empty());
    ASSERT_EQ(session.rig().busy(), 0);
  }
  EXPECT_EQ(first.at("catalogue C").rows.size(), 132u + 2u) << "files and report lines";
  EXPECT_GT(counts["catalogue D"], 0);
  EXPECT_EQ(first.at("search foto jpg").rows.size(), 3u);

  const LiveMemory end = CurrentLiveMemory();
  // A few blocks may differ with the drive rows shown at the end; anything
  // held per run or per tick would add up to hundreds.
  EXPECT_LE(end.blocks, warm.blocks + 16) << "blocks held after warm-up: " << warm.blocks;
  EXPECT_LE(end.bytes, warm.bytes + 16 * 1024) << "bytes held after warm-up: " << warm.bytes;
  EXPECT_EQ(OpenFileDescriptors(), warm_fds);
}

}  // namespace
}  // namespace zbk::testing
