// The window's contract and the list boxes' on Qt.
#include "contract/list_box_contract.h"
#include "window_rig.h"

namespace zbk::testing {
namespace {

struct QtListBoxMaker {
  ListView view{nullptr};
  QtListBox box{view, [] {}};
  ListBox& list() { return box; }
};

INSTANTIATE_TYPED_TEST_SUITE_P(Qt, WindowContract, WindowRig);
INSTANTIATE_TYPED_TEST_SUITE_P(Qt, ListBoxContract, QtListBoxMaker);

}  // namespace
}  // namespace zbk::testing
