// Zbk.exe: the program for Windows. The core's window TFo on native Win32
// controls, with the drives, folders, files and names of the system. The
// commands of the command line (--szukaj, --raport, --help) open no window.
#include <windows.h>

#include <exception>
#include <memory>

#include "app/command_line.h"
#include "app/main_window.h"
#include "platform/patient_files.h"
#include "platform/prefetching_files.h"
#include "platform/time_bound_drives.h"
#include "platform/win32/win32_drives.h"
#include "platform/win32/win32_files.h"
#include "platform/win32/win32_hosts.h"
#include "platform/win32/win32_terminal.h"
#include "platform/win32/win32_toolkit.h"

int WINAPI wWinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, PWSTR /*command_line*/,
                    int /*show*/) {
  // A drive without a medium fails quietly instead of asking for a disk.
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
  const zbk::CommandLine command_line = zbk::ParseCommandLine(zbk::Win32Arguments(), true);
  if (command_line.command != zbk::CommandLine::Command::kWindow) {
    zbk::Win32Files files;
    return zbk::RunCommandLine(command_line, "Zbk.exe", files, *zbk::NewWin32Terminal());
  }
  // Asked on threads of their own: a network drive that hangs never stops
  // the window.
  zbk::TimeBoundDrives drives(std::make_shared<zbk::Win32Drives>());
  // Never destroyed: a listing or a read that a drive holds up may still be
  // going on in them when the window has closed and the program ends.
  static auto* const win32_files = new zbk::Win32Files;
  static auto* const prefetching = new zbk::PrefetchingFiles(*win32_files);
  zbk::PatientFiles files(*prefetching);
  zbk::Win32Hosts hosts;
  try {
    zbk::Win32Toolkit toolkit;
    zbk::TFo fo(zbk::Os{drives, files, hosts}, toolkit.widgets());
    toolkit.Start(fo);
    return toolkit.Run();
  } catch (const std::exception&) {
    return 1;  // no window on this desktop
  }
}
