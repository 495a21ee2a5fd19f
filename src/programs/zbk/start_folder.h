// The folder zbk works in. Started from a terminal it is the current
// folder; the menu entry starts it with --folder-zbiorka, which makes it
// work in ~/Zbiorek (made on the first start), so that its catalogues are
// kept apart from the user's other files and only they are searched.
#pragma once

#include <string>

namespace zbk {

inline constexpr char kOwnFolderOption[] = "--folder-zbiorka";
inline constexpr char kOwnFolderName[] = "Zbiorek";

// Takes kOwnFolderOption out of the arguments (argc and argv change, so
// that what reads them next does not see it); true when it was there.
bool TakeOwnFolderOption(int& argc, char** argv);

// Makes HOME/Zbiorek when it is missing and makes it the working folder.
// Returns an empty text, or what went wrong (in Polish, UTF-8).
std::string EnterOwnFolder(const char* home);

// EnterOwnFolder with the user's home folder; on failure a message box
// says why. The toolkit's application object must exist.
bool EnterOwnFolderOrSay();

// The same for the commands of the command line, which start no toolkit:
// on failure the reason goes to the error stream.
bool EnterOwnFolderOrPrint();

}  // namespace zbk
