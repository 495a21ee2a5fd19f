// The program file Zbk.exe as built: its version record and icon, and the
// program itself started, showing its window, and ended with Esc.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <string>

#include "support/temp_folder.h"

namespace zbk::testing {
namespace {

// Where the build put Zbk.exe, as Wine sees it.
const std::wstring& ProgramFile() {
  static const std::wstring path = [] {
    const std::string unix_path = ZBK_EXE;
    std::wstring wide = L"Z:";
    for (const char c : unix_path) wide.push_back(c == '/' ? L'\\' : static_cast<wchar_t>(c));
    return wide;
  }();
  return path;
}

std::wstring VersionString(const std::vector<char>& record, const std::wstring& name) {
  void* value = nullptr;
  UINT length = 0;
  const std::wstring key = L"\\StringFileInfo\\041504E2\\" + name;
  if (!VerQueryValueW(record.data(), key.c_str(), &value, &length)) return L"(none)";
  return std::wstring(static_cast<const wchar_t*>(value));
}

TEST(ProgramFile, VersionRecordIsPolishInCodePage1250) {
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeW(ProgramFile().c_str(), &ignored);
  ASSERT_GT(size, 0u);
  std::vector<char> record(size);
  ASSERT_TRUE(GetFileVersionInfoW(ProgramFile().c_str(), 0, size, record.data()));

  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueW(record.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
  EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
  EXPECT_EQ(fixed->dwFileVersionLS, 0u);
  EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
  EXPECT_EQ(fixed->dwProductVersionLS, 0u);

  WORD* translation = nullptr;
  ASSERT_TRUE(VerQueryValueW(record.data(), L"\\VarFileInfo\\Translation",
                             reinterpret_cast<void**>(&translation), &length));
  ASSERT_EQ(length, 4u);
  EXPECT_EQ(translation[0], 0x0415);
  EXPECT_EQ(translation[1], 1250);

  EXPECT_EQ(VersionString(record, L"FileDescription"), L"Zbiorek plików na dysku");
  EXPECT_EQ(VersionString(record, L"FileVersion"), L"1.0.0.0");
  EXPECT_EQ(VersionString(record, L"ProductVersion"), L"1.0.0.0");
  EXPECT_EQ(VersionString(record, L"OriginalFilename"), L"Zbk.exe");
  EXPECT_NE(VersionString(record, L"CompanyName"), L"(none)");
  EXPECT_NE(VersionString(record, L"LegalCopyright"), L"(none)");
}

TEST(ProgramFile, HasOneIconOf32By32In16Colours) {
  const HMODULE module = LoadLibraryExW(ProgramFile().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(module, nullptr);
  const HRSRC group = FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(14));
  ASSERT_NE(group, nullptr);
  const auto* directory = static_cast<const BYTE*>(LockResource(LoadResource(module, group)));
  ASSERT_NE(directory, nullptr);
  WORD count = 0;
  std::memcpy(&count, directory + 4, sizeof count);
  EXPECT_EQ(count, 1);
  EXPECT_EQ(directory[6], 32);  // width
  EXPECT_EQ(directory[7], 32);  // height
  EXPECT_EQ(directory[8], 16);  // colours
  const HICON icon =
      static_cast<HICON>(LoadImageW(module, MAKEINTRESOURCEW(1), IMAGE_ICON, 32, 32, 0));
  EXPECT_NE(icon, nullptr);
  if (icon != nullptr) DestroyIcon(icon);
  FreeLibrary(module);
}

struct Found {
  DWORD process;
  HWND window;
};

BOOL CALLBACK FindProgramWindow(HWND window, LPARAM data) {
  auto& found = *reinterpret_cast<Found*>(data);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  wchar_t kind[64] = {};
  GetClassNameW(window, kind, 64);
  if (process != found.process || std::wstring(kind) != L"ZbkMainWindow") return TRUE;
  found.window = window;
  return FALSE;
}

TEST(ProgramFile, StartsWithItsWindowAndEndsWithEsc) {
  TempFolder work;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  std::wstring command = L"\"" + ProgramFile() + L"\"";
  ASSERT_TRUE(CreateProcessW(ProgramFile().c_str(), command.data(), nullptr, nullptr, FALSE, 0,
                             nullptr, work.path().c_str(), &startup, &process));
  Found found{process.dwProcessId, nullptr};
  // The window exists from the start; it shows once the start-up is done.
  for (int i = 0; i < 200 && (found.window == nullptr || !IsWindowVisible(found.window)); ++i) {
    Sleep(50);
    if (found.window == nullptr) EnumWindows(&FindProgramWindow, reinterpret_cast<LPARAM>(&found));
  }
  ASSERT_NE(found.window, nullptr);
  ASSERT_TRUE(IsWindowVisible(found.window));
  RECT frame;
  GetWindowRect(found.window, &frame);
  EXPECT_EQ(frame.left, 1);
  EXPECT_EQ(frame.top, 1);

  PostMessageW(found.window, WM_KEYDOWN, VK_ESCAPE, 1);
  const DWORD waited = WaitForSingleObject(process.hProcess, 10000);
  if (waited != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 1);
  EXPECT_EQ(waited, WAIT_OBJECT_0);
  DWORD code = 1;
  GetExitCodeProcess(process.hProcess, &code);
  EXPECT_EQ(code, 0u);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
}

}  // namespace
}  // namespace zbk::testing
