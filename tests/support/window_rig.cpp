#include "support/window_rig.h"

namespace zbk::testing {

WindowRig::WindowRig(Files& files) : window_(files) {}

void WindowRig::FixedDrive(char letter, const NativePath& root, std::string_view label) {
  DriveInfo drive;
  drive.type = kDriveFixed;
  drive.free = std::int64_t{37} << 30;
  drive.total = std::int64_t{931} << 30;
  drive.root = root;
  drive.label = std::string(label);
  drives().Set(letter, std::move(drive));
}

void WindowRig::Start() {
  window_.Start();
  Tick();
}

void WindowRig::Tick(int count) {
  for (int i = 0; i < count; ++i) toolkit().Tick();
}

void WindowRig::Catalogue(char letter) {
  toolkit().li().Select(letter - 'A' + 1);
  toolkit().Focus(FocusControl::kL);
  toolkit().Focus(FocusControl::kLi);
  toolkit().ClickYes();
}

void WindowRig::Search(std::string_view query) {
  toolkit().SetQueryText(query);
  toolkit().Focus(FocusControl::kL);
  toolkit().Focus(FocusControl::kE);
  toolkit().ClickYes();
}

}  // namespace zbk::testing
