#pragma once
// The one "compare, store" step of every property setter: a setter stores a new value and tells
// its owner (repaint, lay out again, make again) only when the value changed.
#include <functional>
#include <utility>

namespace fw {

// Stores value in field when they differ; true when it did.
template <class T, class U>
bool Change(T& field, U&& value) {
    if (field == value) return false;
    field = std::forward<U>(value);
    return true;
}

// The same, and then tells the owner what the property's change asks of it (repaint, lay out
// again, make again) through one of its member functions: Change(width_, w, this, &C::Invalidate).
template <class T, class U, class Owner, class Notify>
void Change(T& field, U&& value, Owner* owner, Notify notify) {
    if (Change(field, std::forward<U>(value))) std::invoke(notify, owner);
}

}  // namespace fw
