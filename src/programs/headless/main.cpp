// zbk-headless: the program's core with a toolkit that has no screen, driven
// by a script on standard input.
#include <iostream>
#include <string>

#include "programs/headless/script_driver.h"

int main() {
  std::ios::sync_with_stdio(false);
  zbk::ScriptDriver driver(std::cout);
  std::string line;
  int number = 0;
  try {
    while (std::getline(std::cin, line)) driver.RunLine(line, ++number);
  } catch (const zbk::ScriptError& error) {
    std::cout.flush();
    std::cerr << error.what() << '\n';
    return 2;
  }
  return 0;
}
