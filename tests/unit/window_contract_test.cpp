// The window's contract and the list boxes' on the in-memory toolkit.
#include "contract/window_contract.h"
#include "contract/list_box_contract.h"
#include "platform/memory/memory_toolkit.h"

namespace zbk::testing {
namespace {

class MemoryRig : public WindowRigBase {
 public:
  MemoryRig() { Attach(toolkit_, fo_); }

  void Start() { toolkit_.Start(handlers); }
  void Tick() { toolkit_.Tick(); }
  void Do(UserAction action) {
    switch (action) {
      case UserAction::kTab:
        return toolkit_.PressTab();
      case UserAction::kEnter:
        return toolkit_.PressEnter();
      case UserAction::kEsc:
        return toolkit_.PressEsc();
      case UserAction::kClickYes:
        return toolkit_.ClickYes();
      case UserAction::kCloseByTitleBar:
        return toolkit_.CloseByTitleBar();
    }
  }
  void DoWhileItRuns(UserAction start, UserAction during) {
    toolkit_.Post([this, during] { Do(during); });
    Do(start);
  }
  void SetQuery(std::string_view text) { toolkit_.SetQueryText(text); }
  std::optional<FocusControl> Focused() const { return toolkit_.focus(); }
  std::string Status() { return toolkit_.pa().caption(); }
  bool closed() const { return toolkit_.closed(); }

 private:
  MemoryToolkit toolkit_;
  TFo fo_{Os{drives, files, hosts}, toolkit_.widgets()};
};

struct MemoryListBoxMaker {
  MemoryListBox box{[] {}};
  ListBox& list() { return box; }
};

INSTANTIATE_TYPED_TEST_SUITE_P(Memory, WindowContract, MemoryRig);
INSTANTIATE_TYPED_TEST_SUITE_P(Memory, ListBoxContract, MemoryListBoxMaker);

}  // namespace
}  // namespace zbk::testing
