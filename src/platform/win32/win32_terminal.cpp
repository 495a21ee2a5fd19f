#include "platform/win32/win32_terminal.h"

#include <windows.h>

// After windows.h, which it needs.
#include <shellapi.h>

#include <string>
#include <vector>

#include "platform/win32/wide_text.h"

namespace zbk {
namespace {

// One of the standard streams: a console is written in UTF-16; a file or a
// pipe in the console's code page where there is a console, else in UTF-8.
class Stream {
 public:
  Stream(DWORD which, bool attached) : handle_(GetStdHandle(which)), attached_(attached) {
    if ((handle_ == nullptr || handle_ == INVALID_HANDLE_VALUE) && attached_) {
      handle_ = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, 0, nullptr);
      owned_ = handle_ != INVALID_HANDLE_VALUE;
    }
    DWORD mode = 0;
    console_ =
        handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE && GetConsoleMode(handle_, &mode);
  }
  ~Stream() {
    if (owned_) CloseHandle(handle_);
  }
  Stream(const Stream&) = delete;
  Stream& operator=(const Stream&) = delete;

  void Line(std::string_view text) {
    if (handle_ == nullptr || handle_ == INVALID_HANDLE_VALUE) return;
    const std::wstring wide = WideFromCp1250(text) + L"\r\n";
    DWORD done = 0;
    if (console_) {
      WriteConsoleW(handle_, wide.data(), static_cast<DWORD>(wide.size()), &done, nullptr);
      return;
    }
    const UINT code_page = attached_ ? GetConsoleOutputCP() : CP_UTF8;
    const int size = WideCharToMultiByte(code_page, 0, wide.data(), static_cast<int>(wide.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
    WideCharToMultiByte(code_page, 0, wide.data(), static_cast<int>(wide.size()), bytes.data(),
                        size, nullptr, nullptr);
    WriteFile(handle_, bytes.data(), static_cast<DWORD>(bytes.size()), &done, nullptr);
  }

 private:
  HANDLE handle_;
  bool attached_;
  bool owned_ = false;
  bool console_ = false;
};

class Win32Terminal : public Terminal {
 public:
  Win32Terminal()
      : attached_(AttachConsole(ATTACH_PARENT_PROCESS) != 0),
        out_(STD_OUTPUT_HANDLE, attached_),
        err_(STD_ERROR_HANDLE, attached_) {}

  void Out(std::string_view line) override { out_.Line(line); }
  void Err(std::string_view line) override { err_.Line(line); }
  bool EnterFolder(const NativePath& folder) override {
    return SetCurrentDirectoryW(WideOf(folder).c_str()) != 0;
  }
  std::string FolderShown() override {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
      const DWORD size = GetCurrentDirectoryW(static_cast<DWORD>(path.size()), path.data());
      if (size == 0) return ".";
      if (size < path.size()) {
        path.resize(size);
        return Cp1250FromWide(path);
      }
      path.resize(size);
    }
  }
  char Separator() const override { return '\\'; }
  std::string Now() override {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    char text[32];
    wsprintfA(text, "%04u-%02u-%02u %02u:%02u", now.wYear, now.wMonth, now.wDay, now.wHour,
              now.wMinute);
    return text;
  }
  bool Show(std::string_view name) override {
    const std::wstring page = WideFromCp1250(name);
    const auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteW(nullptr, L"open", page.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    return result > 32;
  }

 private:
  bool attached_;
  Stream out_;
  Stream err_;
};

}  // namespace

std::vector<Argument> Win32Arguments() {
  int count = 0;
  LPWSTR* words = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<Argument> arguments;
  for (int i = 1; words != nullptr && i < count; ++i) {
    arguments.push_back({Cp1250FromWide(words[i]), NativeOf(words[i])});
  }
  if (words != nullptr) LocalFree(words);
  return arguments;
}

std::unique_ptr<Terminal> NewWin32Terminal() {
  return std::make_unique<Win32Terminal>();
}

}  // namespace zbk
