// Path shortening on any bytes and limits: it ends, keeps the name, and stops cutting as soon as
// the path fits.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "browse/ShortenPath.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const int max = data[0] % 64;
    const std::string path(reinterpret_cast<const char*>(data + 1), size - 1);
    const std::string shown = ecl::ShortenPath(path, max);
    const std::size_t split = path.find_last_of("\\:");
    const std::string_view name =
        split == std::string::npos ? std::string_view(path) : std::string_view(path).substr(split + 1);
    if (!std::string_view(shown).ends_with(name)) __builtin_trap();
    if (shown.size() > path.size() + 3) __builtin_trap();  // one cut may add "...", never more
    if (shown.size() > static_cast<std::size_t>(max) && shown.size() > name.size() + 4 && shown != path)
        __builtin_trap();  // cut, yet neither fitting nor down to "...\" and the name
    return 0;
}
