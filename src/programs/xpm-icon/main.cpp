// zbk-xpm-icon IN.xpm OUT.ico: turns the program's XPM icon into the .ico
// that the Windows program's resources take. Built for the machine that
// does the build, before the Windows program.
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

#include "platform/xpm/xpm_image.h"
#include "programs/xpm-icon/ico_file.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: zbk-xpm-icon IN.xpm OUT.ico\n";
    return 2;
  }
  try {
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) throw zbk::XpmError(std::string("cannot read ") + argv[1]);
    const std::string source{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const std::vector<std::string> strings = zbk::XpmStrings(source);
    const std::vector<std::string_view> views(strings.begin(), strings.end());
    const std::string ico = zbk::IcoFile(zbk::ParseXpm(std::span<const std::string_view>(views)));
    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    out.write(ico.data(), static_cast<std::streamsize>(ico.size()));
    if (!out.flush()) throw zbk::XpmError(std::string("cannot write ") + argv[2]);
  } catch (const std::exception& error) {
    std::cerr << "zbk-xpm-icon: " << error.what() << '\n';
    return 1;
  }
  return 0;
}
