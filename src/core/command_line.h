// The program's command line: one file name of a person document, or nothing.
#pragma once
#include <string>

namespace tw {

// The file the command line names, or "" when there is none. A line that begins with a
// number other than 0 is not a file name. Surrounding blanks and one pair of enclosing
// quotes are removed: the shell quotes every path that contains a blank when a document
// is opened by double click, and a quoted name would never open.
std::string CommandLineFileName(const char* line);

}  // namespace tw
