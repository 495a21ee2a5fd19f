#include "support/window_rig.h"

namespace zbk::testing {

WindowRig::WindowRig(Files& files) : window_(Os{drives_, files, hosts_}, toolkit_.widgets()) {
  toolkit_.SetErrorSink([this](std::string_view message) { errors_.emplace_back(message); });
}

void WindowRig::FixedDrive(char letter, const NativePath& root, std::string_view label) {
  DriveSpec drive;
  drive.type = kDriveFixed;
  drive.free = std::int64_t{37} << 30;
  drive.total = std::int64_t{931} << 30;
  drive.root = root;
  drive.label = std::string(label);
  drives_.Set(letter, std::move(drive));
}

void WindowRig::Start() {
  toolkit_.Start(window_);
  toolkit_.Tick();
}

void WindowRig::Tick(int count) {
  for (int i = 0; i < count; ++i) toolkit_.Tick();
}

void WindowRig::Catalogue(char letter) {
  toolkit_.li().Select(letter - 'A' + 1);
  toolkit_.Focus(FocusControl::kL);
  toolkit_.Focus(FocusControl::kLi);
  toolkit_.ClickYes();
}

void WindowRig::Search(std::string_view query) {
  toolkit_.SetQueryText(query);
  toolkit_.Focus(FocusControl::kL);
  toolkit_.Focus(FocusControl::kE);
  toolkit_.ClickYes();
}

}  // namespace zbk::testing
