// Zbk.exe's commands, run as a program started from a console with its
// output redirected: the report writes the same page as zbk does on Linux
// for the same catalogues (the page both tests expect), and the search
// prints the window's rows with the exit statuses.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <string>
#include <vector>

#include "report/page_compare.h"
#include "support/temp_folder.h"

namespace zbk::testing {
namespace {

namespace fs = std::filesystem;

std::wstring WinePath(const std::string& unix_path) {
  std::wstring wide = L"Z:";
  for (const char c : unix_path) wide.push_back(c == '/' ? L'\\' : static_cast<wchar_t>(c));
  return wide;
}

const fs::path kFixtures = WinePath(ZBK_REPORT_FIXTURES);

struct ZbkRun {
  DWORD status = 1;
  std::string out;
};

// Runs Zbk.exe with `arguments` in `folder`, standard output and error into
// a file.
ZbkRun RunZbk(const std::wstring& arguments, const fs::path& folder) {
  TempFolder io;
  const fs::path out = io / "out.txt";
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  const HANDLE file =
      CreateFileW(out.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS, 0, nullptr);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = file;
  startup.hStdError = file;
  PROCESS_INFORMATION process{};
  const std::wstring program = WinePath(ZBK_EXE);
  std::wstring command = L"\"" + program + L"\" " + arguments;
  ZbkRun run;
  if (CreateProcessW(program.c_str(), command.data(), nullptr, nullptr, TRUE, 0, nullptr,
                     folder.c_str(), &startup, &process)) {
    WaitForSingleObject(process.hProcess, 30000);
    GetExitCodeProcess(process.hProcess, &run.status);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
  CloseHandle(file);
  run.out = ReadFile(out);
  return run;
}

void CopyCatalogues(const TempFolder& work) {
  for (const auto& entry : fs::directory_iterator(kFixtures / "catalogues")) {
    fs::copy_file(entry.path(), work / entry.path().filename().string());
  }
}

TEST(CommandLine, TheReportIsThePageZbkWrites) {
  TempFolder work;
  CopyCatalogues(work);
  TempFolder elsewhere;
  const ZbkRun run = RunZbk(L"/raport \"" + work.path().wstring() + L"\"", elsewhere.path());
  EXPECT_EQ(run.status, 0u) << run.out;
  EXPECT_EQ(run.out.rfind("Raport zbioru: ", 0), 0u) << run.out;
  EXPECT_EQ(WithoutPlaceAndDate(ReadFile(work / "zbiorek-raport.html")),
            WithoutPlaceAndDate(ReadFile(kFixtures / "expected_page.html")));
  TempFolder nothing;
  EXPECT_EQ(RunZbk(L"--raport", nothing.path()).status, 2u);
}

TEST(CommandLine, TheSearchPrintsTheWindowsRows) {
  TempFolder work;
  CopyCatalogues(work);
  TempFolder elsewhere;
  const std::wstring folder = L"-C \"" + work.path().wstring() + L"\" ";
  const ZbkRun hits = RunZbk(folder + L"--szukaj img_0002 KOPIA", elsewhere.path());
  EXPECT_EQ(hits.status, 0u);
  EXPECT_EQ(hits.out,
            "       DVD_FOTO.txt:       3.456.789  Kopia\\IMG_0002.jpg\r\n"
            " KOPIA_ZAPASOWA.txt:       3.456.789  Kopia zapasowa\\IMG_0002.JPG\r\n");
  EXPECT_EQ(RunZbk(folder + L"--szukaj nic takiego", elsewhere.path()).status, 1u);
  const ZbkRun four = RunZbk(folder + L"--szukaj a b c d", elsewhere.path());
  EXPECT_EQ(four.status, 2u);
  EXPECT_EQ(four.out.rfind("Tylko 3 s", 0), 0u) << four.out;
}

}  // namespace
}  // namespace zbk::testing
