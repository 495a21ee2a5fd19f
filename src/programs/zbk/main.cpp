// zbk: the desktop program for Linux. The window on Qt Widgets, the drives
// from the mount table, folders and files through POSIX, each drive's walk
// kept on its own file system and listed a few folders ahead on worker
// threads; catalogue files are written to and searched
// in the folder the program is started in, or in ~/Zbiorek (start_folder.h).
// The commands of the command line (--szukaj, --raport, --help) run without
// the window toolkit.
#include <QApplication>

#include "app/main_window.h"
#include "platform/linux/mount_drives.h"
#include "platform/linux/one_file_system.h"
#include "platform/posix/posix_command_line.h"
#include "platform/posix/posix_files.h"
#include "platform/posix/posix_hosts.h"
#include "platform/prefetching_files.h"
#include "platform/qt/qt_toolkit.h"
#include "start_folder.h"

int main(int argc, char** argv) {
  const bool own_folder = zbk::TakeOwnFolderOption(argc, argv);
  const zbk::CommandLine command_line = zbk::PosixCommandLine(argc, argv);
  if (command_line.command != zbk::CommandLine::Command::kWindow) {
    if (own_folder && !zbk::EnterOwnFolderOrPrint()) return 2;
    return zbk::RunPosixCommandLine(command_line, "zbk");
  }
  QApplication app(argc, argv);
  QGuiApplication::setDesktopFileName(QStringLiteral("zbk"));
  if (own_folder && !zbk::EnterOwnFolderOrSay()) return 1;
  zbk::MountDrives drives;
  zbk::PosixFiles posix_files;
  zbk::OneFileSystemFiles one_file_system(posix_files);
  zbk::PrefetchingFiles files(one_file_system);
  zbk::PosixHosts hosts;
  zbk::QtToolkit toolkit;
  zbk::TFo fo(zbk::Os{drives, files, hosts}, toolkit.widgets());
  toolkit.Start(fo);
  return QApplication::exec();
}
