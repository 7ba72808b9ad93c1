#pragma once
// The names of the single-instance guard's two mutexes and its built-in refusal text.
#include <string>
#include <string_view>

namespace oneinstance {

struct MutexNames {
    std::string guard;     // held only while one copy checks for another
    std::string instance;  // owned by the running copy for its whole life
};

struct NameSource {
    std::string_view title = {};
    std::string_view upperExeName = {};  // the program path, upper-cased by the platform's locale rules
    bool exeNameAsIdentifier = false;
    std::string_view identifier = {};
};

MutexNames FormMutexNames(const NameSource& source);

// The refusal text used when no message of its own is configured.
std::string AlreadyRunningText(std::string_view title);

}  // namespace oneinstance
