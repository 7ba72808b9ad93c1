#pragma once
#include <string>

// The Help message: four lines joined by CR LF, with no line break after the last.
std::string HelpText(const std::string& telephone, const std::string& email, const std::string& website);
