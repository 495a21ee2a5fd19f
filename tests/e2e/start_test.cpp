// Start-up as the user first sees it.
#include <gtest/gtest.h>

#include "support/headless_run.h"
#include "support/temp_folder.h"

namespace zbk::testing {
namespace {

TEST(Start, WindowShowsHelpAndHeaderWithFocusInTheDriveList) {
  TempFolder work;
  const auto result = RunHeadless("user jan\ncomputer PC1\nstart\nshow\nrows Li\n", work.path());
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.out,
            "caption: \n"
            "status:  Pa\n"
            "yes: Analizuj enabled\n"
            "focus: Li\n"
            "busy: 0\n"
            "Li.selected: -1\n"
            "L.selected: -1\n"
            "L.sorted: off\n"
            "L.count: 26\n"
            "Li[0]:  ?  typ dysku  nazwa            wolne   w GB\n");
}

}  // namespace
}  // namespace zbk::testing
