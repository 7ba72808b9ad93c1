#pragma once
// What a control tells screen readers and automation tools about itself, in the platform's terms
// (the roles and state bits keep the platform's values, so they pass through unchanged).
#include <optional>
#include <string>
#include <utility>

namespace fw {

enum class AccessibleRole : long {
    None = 0,
    Client = 10,
    Grouping = 20,
    StaticText = 41,
    Text = 42,
    PushButton = 43,
    RadioButton = 45,
    Link = 30,
};

namespace accessible_state {
inline constexpr unsigned long kUnavailable = 0x1;
inline constexpr unsigned long kFocused = 0x4;
inline constexpr unsigned long kChecked = 0x10;
inline constexpr unsigned long kReadOnly = 0x40;
inline constexpr unsigned long kDefault = 0x100;
inline constexpr unsigned long kInvisible = 0x8000;
inline constexpr unsigned long kFocusable = 0x100000;
inline constexpr unsigned long kLinked = 0x400000;
}  // namespace accessible_state

struct AccessibleInfo {
    AccessibleRole role = AccessibleRole::None;
    // Empty: a text field is named by the label just above it.
    std::string name;
    std::optional<std::string> value;
    // Added to what the control's window or visibility already says (unavailable, focused...).
    unsigned long state = 0;
    // Empty when the control has none.
    std::string defaultAction;
};

// What a label tells: static text of that name.
inline bool DescribeStaticText(AccessibleInfo& info, std::string name) {
    info.role = AccessibleRole::StaticText;
    info.name = std::move(name);
    info.state = accessible_state::kReadOnly;
    return true;
}

}  // namespace fw
