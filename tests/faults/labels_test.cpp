// Volume labels that look like paths, or hold control characters, long or
// Polish texts: the catalogue file is created in the working folder under
// the name taken from the label, or refused with "Nie mogę stworzyć " and
// the name; nothing is ever created anywhere else.
#include <gtest/gtest.h>

#include <ostream>
#include <set>

#include "script_output.h"
#include "support/headless_run.h"
#include "support/temp_folder.h"

namespace zbk::testing {
namespace {

namespace fs = std::filesystem;

struct LabelCase {
  std::string test;      // the test's name
  std::string label;     // as the script gives it (UTF-8)
  std::string name;      // the catalogue file's name (UTF-8)
  bool refused = false;  // the name cannot be created
};

void PrintTo(const LabelCase& c, std::ostream* os) {
  *os << c.test;
}

std::set<std::string> Everything(const fs::path& top) {
  std::set<std::string> paths;
  for (const auto& entry : fs::recursive_directory_iterator(top)) {
    paths.insert(fs::relative(entry.path(), top).string());
  }
  return paths;
}

class Labels : public ::testing::TestWithParam<LabelCase> {};

TEST_P(Labels, CatalogueFileStaysInTheWorkingFolder) {
  const LabelCase& c = GetParam();
  TempFolder tmp;
  tmp.File("disk/a.zip", 200000);
  tmp.Folder("work/A");
  tmp.Folder("work/x/y");
  tmp.Folder("other");
  const auto before = Everything(tmp.path());

  const auto result = RunHeadless(CatalogueScript((tmp / "disk").string(), c.label), tmp / "work");
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.out.find("error:"), std::string::npos) << result.out;
  EXPECT_EQ(Values(result.out, "busy"), std::vector<std::string>{"0"});

  auto expected = before;
  if (c.refused) {
    EXPECT_EQ(Values(result.out, "status"),
              std::vector<std::string>{" Nie mogę stworzyć " + c.name + "."});
    EXPECT_EQ(Values(result.out, "L.count"), std::vector<std::string>{"0"});
  } else {
    EXPECT_TRUE(Values(result.out, "status")[0].starts_with(" Koniec C:, ")) << result.out;
    EXPECT_EQ(tmp.Read("work/" + c.name), "        200.000  a.zip\r\n");
    expected.insert("work/" + c.name);
  }
  EXPECT_EQ(Everything(tmp.path()), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Hostile, Labels,
    ::testing::Values(
        LabelCase{"Slash", "/", "/.txt", true}, LabelCase{"Backslash", "\\", "\\.txt", true},
        LabelCase{"DotDot", "..", "__.txt"}, LabelCase{"Hidden", ".hidden", "_hidden.txt"},
        LabelCase{"ParentPath", "../../evil", "__/../evil.txt", true},
        LabelCase{"ParentPathWindows", "..\\evil", "__\\evil.txt", true},
        LabelCase{"Colon", ":", ":.txt", true},
        LabelCase{"DrivePrefix", "C:evil", "C:evil.txt", true},
        LabelCase{"ExistingSubFolder", "A/B", "A/B.txt", true},
        LabelCase{"DeeperSubFolder", "x/y/z", "x/y/z.txt", true},
        LabelCase{"ControlCharacters", "\x01\x1f\t\x7f", "\x01\x1f\t\x7f.txt"},
        LabelCase{"SpaceBeforePeriod", "A .B", "A.B.txt"},
        LabelCase{"NoLabel", "", "bez etykiety.txt"},
        LabelCase{"TwoHundredPeriods", std::string(200, '.'), std::string(200, '_') + ".txt"},
        LabelCase{"TwoHundredLetters", std::string(200, 'X'), std::string(200, 'X') + ".txt"},
        LabelCase{"PolishLetters", "ŻÓŁW źdźbło", "ŻÓŁW źdźbło.txt"},
        LabelCase{"PolishPath", "Łódź/../../x", "Łódź/../../x.txt", true},
        LabelCase{"OutsideTheCodePage", "日本", "bez etykiety.txt"}),
    [](const ::testing::TestParamInfo<LabelCase>& param) { return param.param.test; });

}  // namespace
}  // namespace zbk::testing
