#include "win32/real_window.h"

#include "platform/win32/dpi.h"
#include "platform/win32/wide_text.h"

namespace zbk::testing {

namespace fs = std::filesystem;

void RealWindowTest::SetUp() {
  BecomeDpiAware();  // as the manifest makes Zbk.exe
  disk_ = temp_.path() / L"dysk";
  MakeFile(disk_ / L"Zdjęcia" / L"źródło.dat", 150000);
  MakeFile(disk_ / L"Zdjęcia" / L"mały.dat", 10);
  for (int i = 0; i < 5; ++i) {
    MakeFile(disk_ / (L"folder" + std::to_wstring(i)) / L"plik.bin", 100000 + i);
  }
  work_ = temp_.path() / L"katalogi";
  fs::create_directories(work_);
  in_work_ = std::make_unique<WorkingFolderScope>(work_);
  drives_.Set('K', {kDriveRemovable, 1 << 30, 2LL << 30, NativeOf(disk_.wstring()), "ARCHIWUM",
                    std::nullopt});

  window_ = std::make_unique<Win32Toolkit>();
  window_->SetErrorSink([this](std::string_view message) { errors_.emplace_back(message); });
  fo_ = std::make_unique<TFo>(Os{drives_, files_, hosts_}, window_->widgets());
  window_->Start(*fo_);
  Pump();
}

void RealWindowTest::TearDown() {
  fo_.reset();
  window_.reset();
  // A window that closed asked its loop to end; the next test has its own.
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
  }
  in_work_.reset();
}

bool RealWindowTest::PumpUntilClosed() {
  for (int i = 0; i < 100 && !window_->closed(); ++i) {
    Pump();
    if (!window_->closed()) Sleep(10);
  }
  return window_->closed();
}

void RealWindowTest::Post(WPARAM key) {
  HWND focus = GetFocus();
  PostMessageW(focus != nullptr ? focus : window_->window(), WM_KEYDOWN, key, 1);
}

void RealWindowTest::PressWithCtrl(WPARAM key) {
  BYTE keys[256];
  GetKeyboardState(keys);
  keys[VK_CONTROL] = 0x80;
  SetKeyboardState(keys);
  Post(key);
  Pump();
  keys[VK_CONTROL] = 0;
  SetKeyboardState(keys);
}

void RealWindowTest::Tick() {
  PostMessageW(window_->window(), WM_TIMER, 1, 0);
  Pump();
}

Rect RealWindowTest::Bounds(WidgetId id) const {
  RECT r;
  GetWindowRect(window_->ControlWindow(id), &r);
  MapWindowPoints(nullptr, window_->window(), reinterpret_cast<POINT*>(&r), 2);
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

}  // namespace zbk::testing
