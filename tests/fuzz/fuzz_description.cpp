// Any bytes given to the description parser either parse or raise DescriptionError; every other
// exception, a crash, a hang or a sanitizer report is a fault.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "framework/Description.h"

namespace {

// Walks the tree so that every node and value the parser built is read back.
size_t Weigh(const fw::ObjectNode& node) {
    size_t size = node.name.size() + node.className.size();
    for (const fw::PropertyNode& p : node.properties) {
        size += p.name.size() + p.value.text.size();
        for (const auto& item : p.value.items) size += item.size();
    }
    for (const fw::ObjectNode& child : node.children) size += Weigh(child);
    return size;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        const fw::ObjectNode root = fw::ParseDescription(text);
        // Nothing in the tree can be longer than the text it came from.
        if (Weigh(root) > size) __builtin_trap();
    } catch (const fw::DescriptionError& e) {
        if (e.Line() < 1) __builtin_trap();
    }
    return 0;
}
