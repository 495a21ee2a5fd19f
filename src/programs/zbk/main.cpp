// zbk: the desktop program for Linux. The window on Qt Widgets, the drives
// from the mount table (asked on threads of their own, so a drive that
// hangs never stops the window), folders and files through POSIX, each
// drive's walk kept on its own file system and listed a few folders ahead on
// worker threads; catalogue files are written to and searched in the folder
// the program is started in, or in ~/Zbiorek (start_folder.h). The commands
// of the command line (--szukaj, --raport, --help) run without the window
// toolkit.
#include <QApplication>

#include <memory>

#include "app/command_line.h"
#include "app/main_window.h"
#include "platform/linux/mount_drives.h"
#include "platform/linux/one_file_system.h"
#include "platform/patient_files.h"
#include "platform/posix/posix_files.h"
#include "platform/posix/posix_hosts.h"
#include "platform/posix/posix_terminal.h"
#include "platform/prefetching_files.h"
#include "platform/qt/qt_toolkit.h"
#include "platform/time_bound_drives.h"
#include "start_folder.h"

int main(int argc, char** argv) {
  const bool own_folder = zbk::TakeOwnFolderOption(argc, argv);
  const zbk::CommandLine command_line =
      zbk::ParseCommandLine(zbk::PosixArguments(argc, argv), false);
  if (command_line.command != zbk::CommandLine::Command::kWindow) {
    if (own_folder && !zbk::EnterOwnFolderOrPrint()) return 2;
    zbk::PosixFiles files;
    return zbk::RunCommandLine(command_line, "zbk", files, *zbk::NewPosixTerminal());
  }
  QApplication app(argc, argv);
  QGuiApplication::setDesktopFileName(QStringLiteral("zbk"));
  if (own_folder && !zbk::EnterOwnFolderOrSay()) return 1;
  zbk::TimeBoundDrives drives(std::make_shared<zbk::MountDrives>());
  // Never destroyed: a listing or a read that a drive holds up may still be
  // going on in them when the window has closed and the program ends.
  static auto* const posix_files = new zbk::PosixFiles;
  static auto* const one_file_system = new zbk::OneFileSystemFiles(*posix_files);
  static auto* const prefetching = new zbk::PrefetchingFiles(*one_file_system);
  zbk::PatientFiles files(*prefetching);
  zbk::PosixHosts hosts;
  zbk::QtToolkit toolkit;
  zbk::TFo fo(zbk::Os{drives, files, hosts}, toolkit.widgets());
  toolkit.Start(fo);
  return QApplication::exec();
}
