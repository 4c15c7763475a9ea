// The program's arguments in UTF-8, whatever form the system hands them in.
#pragma once

#include <string>
#include <vector>

namespace orvanel {

// The arguments after the program's name. Windows reads them from its UTF-16
// command line, since argv holds only what the ANSI code page can spell, and
// sets the console, for the run, to show the UTF-8 that the program prints.
std::vector<std::string> CommandLineArguments(int argc, char** argv);

}  // namespace orvanel
