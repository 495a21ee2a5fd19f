#include "win32/wine_support.h"

#include <windows.h>
#include <winioctl.h>

#include <cstdlib>
#include <stdexcept>
#include <string>

namespace zbk::testing {

namespace fs = std::filesystem;

void MakeFile(const fs::path& file, std::uint64_t size) {
  fs::create_directories(file.parent_path());
  const HANDLE handle = CreateFileW(file.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                    CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot create a test file");
  DWORD returned = 0;
  DeviceIoControl(handle, FSCTL_SET_SPARSE, nullptr, 0, nullptr, 0, &returned, nullptr);
  LARGE_INTEGER end;
  end.QuadPart = static_cast<LONGLONG>(size);
  const bool sized =
      SetFilePointerEx(handle, end, nullptr, FILE_BEGIN) != FALSE && SetEndOfFile(handle) != FALSE;
  CloseHandle(handle);
  if (!sized) throw std::runtime_error("cannot size a test file");
}

void WriteBytes(const fs::path& file, std::string_view bytes) {
  fs::create_directories(file.parent_path());
  const HANDLE handle = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot create a test file");
  DWORD written = 0;
  WriteFile(handle, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(handle);
  if (written != bytes.size()) throw std::runtime_error("cannot write a test file");
}

std::string ReadBytes(const fs::path& file) {
  const HANDLE handle =
      CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return "(no such file)";
  std::string bytes;
  char buffer[4096];
  DWORD read = 0;
  while (ReadFile(handle, buffer, sizeof buffer, &read, nullptr) != FALSE && read > 0) {
    bytes.append(buffer, read);
  }
  CloseHandle(handle);
  return bytes;
}

WorkingFolderScope::WorkingFolderScope(const fs::path& folder) : before_(fs::current_path()) {
  fs::current_path(folder);
}

WorkingFolderScope::~WorkingFolderScope() {
  std::error_code ignored;
  fs::current_path(before_, ignored);
}

namespace {

constexpr wchar_t kDesktopKey[] = L"Control Panel\\Desktop";
constexpr wchar_t kLogPixels[] = L"LogPixels";
constexpr wchar_t kDpiVariable[] = L"ZBK_TEST_DPI";
constexpr wchar_t kScreenVariable[] = L"ZBK_TEST_SCREEN";

// Wine's LogPixels, set for the life of the object, then restored (or
// removed, where it was not set).
class LogPixelsScope {
 public:
  explicit LogPixelsScope(DWORD dpi) {
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kDesktopKey, 0, nullptr, 0, KEY_READ | KEY_WRITE,
                        nullptr, &key_, nullptr) != ERROR_SUCCESS) {
      throw std::runtime_error("cannot open the desktop settings");
    }
    DWORD size = sizeof before_;
    had_ = RegQueryValueExW(key_, kLogPixels, nullptr, nullptr, reinterpret_cast<BYTE*>(&before_),
                            &size) == ERROR_SUCCESS;
    Set(dpi);
  }
  ~LogPixelsScope() {
    if (had_) {
      Set(before_);
    } else {
      RegDeleteValueW(key_, kLogPixels);
    }
    RegCloseKey(key_);
  }
  LogPixelsScope(const LogPixelsScope&) = delete;
  LogPixelsScope& operator=(const LogPixelsScope&) = delete;

 private:
  void Set(DWORD dpi) {
    RegSetValueExW(key_, kLogPixels, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi), sizeof dpi);
  }

  HKEY key_ = nullptr;
  DWORD before_ = 0;
  bool had_ = false;
};

}  // namespace

int ExpectedDpi() {
  wchar_t value[16] = {};
  const DWORD length = GetEnvironmentVariableW(kDpiVariable, value, 16);
  return length > 0 && length < 16 ? std::stoi(value) : 96;
}

std::wstring ExpectedScreen() {
  wchar_t value[32] = {};
  const DWORD length = GetEnvironmentVariableW(kScreenVariable, value, 32);
  return length < 32 ? std::wstring(value, length) : std::wstring();
}

DensityRun RunAtDensity(int dpi, const std::wstring& filter, const std::wstring& desktop) {
  wchar_t self[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  wchar_t temp[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temp);
  const fs::path report = fs::path(temp) / (L"zbk-density-" + std::to_wstring(dpi) + L".xml");
  fs::remove(report);
  std::wstring command = L"\"" + std::wstring(self) + L"\" --gtest_filter=" + filter +
                         L" --gtest_output=xml:" + report.wstring();
  if (!desktop.empty()) command = L"explorer.exe /desktop=ZbkTest," + desktop + L" " + command;
  DensityRun run;
  {
    const LogPixelsScope density(static_cast<DWORD>(dpi));
    SetEnvironmentVariableW(kDpiVariable, std::to_wstring(dpi).c_str());
    if (!desktop.empty()) SetEnvironmentVariableW(kScreenVariable, desktop.c_str());
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    const BOOL started = CreateProcessW(desktop.empty() ? self : nullptr, command.data(), nullptr,
                                        nullptr, FALSE, 0, nullptr, nullptr, &startup, &process);
    SetEnvironmentVariableW(kDpiVariable, nullptr);
    SetEnvironmentVariableW(kScreenVariable, nullptr);
    if (!started) return run;
    DWORD code = 1;
    if (WaitForSingleObject(process.hProcess, 120000) != WAIT_OBJECT_0) {
      TerminateProcess(process.hProcess, 1);
    } else {
      GetExitCodeProcess(process.hProcess, &code);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    run.exit_code = static_cast<int>(code);
  }
  // <testsuites tests="N" ...>
  const std::string xml = fs::exists(report) ? ReadBytes(report) : std::string();
  const std::size_t at = xml.find("tests=\"");
  if (at != std::string::npos) run.tests = std::atoi(xml.c_str() + at + 7);
  run.skipped = xml.find("<skipped") != std::string::npos;
  // On a desktop of its own the exit code is explorer's: the report counts.
  const std::size_t bad = xml.find("failures=\"");
  if (!desktop.empty() && bad != std::string::npos && run.tests > 0) {
    run.exit_code = std::atoi(xml.c_str() + bad + 10);
  }
  fs::remove(report);
  return run;
}

}  // namespace zbk::testing
