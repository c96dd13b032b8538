#pragma once
// Addresses of pages inside a compiled help file, in the form the HTML Help
// control takes: file "::" "/" topic [">" window]. Portable.

#include <string>

namespace help {

// "%20" becomes a blank and surrounding blanks go, in each of the three parts;
// the topic's backslashes become slashes and it gains a leading slash.
std::string BuildHelpAddress(const std::string& helpFile, const std::string& topic,
                             const std::string& windowName);

}  // namespace help
