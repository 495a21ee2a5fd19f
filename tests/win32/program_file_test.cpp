// The program file Zbk.exe as built: its version record, manifest and icon,
// and the program itself started, showing its window, and ended with Esc.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "platform/win32/dpi.h"
#include "support/temp_folder.h"
#include "win32/wine_support.h"

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

// The program file loaded for its resources, freed at the end.
class Resources {
 public:
  Resources() : module_(LoadLibraryExW(ProgramFile().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE)) {}
  ~Resources() {
    if (module_ != nullptr) FreeLibrary(module_);
  }
  Resources(const Resources&) = delete;
  Resources& operator=(const Resources&) = delete;
  HMODULE module() const { return module_; }

  std::string_view Bytes(int id, const wchar_t* type) const {
    const HRSRC found = FindResourceW(module_, MAKEINTRESOURCEW(id), type);
    if (found == nullptr) return {};
    return {static_cast<const char*>(LockResource(LoadResource(module_, found))),
            SizeofResource(module_, found)};
  }

 private:
  HMODULE module_;
};

BOOL CALLBACK CollectLanguage(HMODULE, LPCWSTR, LPCWSTR, WORD language, LONG_PTR found) {
  reinterpret_cast<std::vector<WORD>*>(found)->push_back(language);
  return TRUE;
}

BOOL CALLBACK CollectLanguages(HMODULE module, LPCWSTR type, LPWSTR name, LONG_PTR found) {
  EnumResourceLanguagesW(module, type, name, &CollectLanguage, found);
  return TRUE;
}

TEST(ProgramFile, ManifestAsksForVisualStylesDensityAwarenessAndNoElevation) {
  const Resources exe;
  ASSERT_NE(exe.module(), nullptr);
  const std::string manifest(exe.Bytes(1, RT_MANIFEST));
  for (const char* const part : {
           R"(name="Microsoft.Windows.Common-Controls" version="6.0.0.0")",
           R"(publicKeyToken="6595b64144ccf1df")", ">PerMonitorV2, PerMonitor</dpiAwareness>",
           ">true/pm</dpiAware>", R"(level="asInvoker" uiAccess="false")",
           "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",  // Windows 7
           "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",  // 8
           "{1f676c76-80e1-4239-95bb-83d0f6d0da78}",  // 8.1
           "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}",  // 10 and 11
       }) {
    EXPECT_NE(manifest.find(part), std::string::npos) << part;
  }
}

TEST(ProgramFile, ResourcesArePolishAndTheIconHasEverySize) {
  const Resources exe;
  ASSERT_NE(exe.module(), nullptr);
  for (const wchar_t* const type : {RT_GROUP_ICON, RT_ICON, RT_VERSION, RT_MANIFEST}) {
    std::vector<WORD> languages;
    EnumResourceNamesW(exe.module(), type, &CollectLanguages,
                       reinterpret_cast<LONG_PTR>(&languages));
    EXPECT_FALSE(languages.empty());
    for (const WORD language : languages)
      EXPECT_EQ(language, MAKELANGID(LANG_POLISH, SUBLANG_DEFAULT));
  }

  const std::string_view directory = exe.Bytes(1, RT_GROUP_ICON);
  ASSERT_GE(directory.size(), 6u);
  WORD count = 0;
  std::memcpy(&count, directory.data() + 4, sizeof count);
  ASSERT_EQ(count, 5);
  ASSERT_EQ(directory.size(), 6u + 5u * 14u);
  struct Entry {
    int size;
    int colours;
    int bits;
  };
  // 16 and 32 are pictures of 16 colours (the one at 16 drawn on whole
  // pixels), the others rendered in full colour with alpha.
  const Entry expected[] = {{16, 16, 4}, {24, 0, 32}, {32, 16, 4}, {48, 0, 32}, {256, 0, 32}};
  for (std::size_t i = 0; i < 5; ++i) {
    const auto* entry = reinterpret_cast<const BYTE*>(directory.data() + 6 + 14 * i);
    const int size = entry[0] == 0 ? 256 : entry[0];
    EXPECT_EQ(size, expected[i].size);
    EXPECT_EQ(entry[1], entry[0]);
    EXPECT_EQ(entry[2], expected[i].colours);
    EXPECT_EQ(entry[6], expected[i].bits);

    // Windows gives each size as it is stored.
    const HICON icon = static_cast<HICON>(
        LoadImageW(exe.module(), MAKEINTRESOURCEW(1), IMAGE_ICON, size, size, 0));
    ASSERT_NE(icon, nullptr) << size;
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    BITMAP bitmap{};
    GetObjectW(info.hbmColor, sizeof bitmap, &bitmap);
    EXPECT_EQ(bitmap.bmWidth, size);
    EXPECT_EQ(bitmap.bmHeight, size);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyIcon(icon);
  }
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
  // At the density of this run (Wine tells no other program's window's
  // density): at 1, 1 and with Pan 587 pixels high, scaled.
  const Dpi dpi{ExpectedDpi()};
  RECT frame;
  GetWindowRect(found.window, &frame);
  EXPECT_EQ(frame.left, dpi.Scale(1));
  EXPECT_EQ(frame.top, dpi.Scale(1));
  RECT client;
  GetClientRect(found.window, &client);
  EXPECT_EQ(client.bottom, dpi.Scale(587));

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
