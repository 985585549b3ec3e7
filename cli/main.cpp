// quenchel-cli: competition files on the command line; see cli_app.h.

#include <iostream>

#include "cli_app.h"
#include "extra_commands.h"

int main(int argc, char* argv[]) {
  return quenchel::RunCli(argc, argv, std::cout, std::cerr, quenchel::ExtraCommands());
}
