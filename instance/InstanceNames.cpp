#include "instance/InstanceNames.h"

#include <algorithm>

namespace oneinstance {

MutexNames FormMutexNames(const NameSource& source) {
    std::string base(source.exeNameAsIdentifier ? source.upperExeName : source.title);
    base += source.identifier;
    base += ".OneInstance.";
    // Backslashes would make the platform read the name as a namespace path.
    std::replace(base.begin(), base.end(), '\\', '/');
    return {base + "CriticalSection", base + "Default"};
}

std::string AlreadyRunningText(std::string_view title) {
    return "Application \"" + std::string(title) + "\" is already running.";
}

}  // namespace oneinstance
