#pragma once
// Publishes the properties of an owned part object ("Bevel.Mode", "FontFX.LightColor") as dotted
// names on the owning control's class, and a class's own properties by member pointers.
#include <functional>
#include <string>
#include <utility>

#include "framework/ClassInfo.h"

namespace ecl {

// `access` is a generic callable returning the part of an owner: [](auto& c) -> auto& { return c.Bevel(); }.
template <class C, class Access>
class PartPublisher {
public:
    PartPublisher(fw::ClassInfo& info, std::string prefix, Access access)
        : info_(info), prefix_(std::move(prefix)), access_(access) {}

    // get: (const Part&) -> T, set: (Part&, T); member function pointers do.
    template <class T, class Get, class SetFn>
    PartPublisher& Property(const std::string& name, Get get, SetFn set) {
        const Access access = access_;
        fw::ClassBuilder<C>(info_).template Property<T>(
            prefix_.empty() ? name : prefix_ + "." + name,
            [access, get](const C& c) -> T { return std::invoke(get, access(c)); },
            [access, set](C& c, T v) { std::invoke(set, access(c), std::move(v)); });
        return *this;
    }

    fw::ClassInfo& Info() const { return info_; }
    const std::string& Prefix() const { return prefix_; }
    const Access& Accessor() const { return access_; }

private:
    fw::ClassInfo& info_;
    std::string prefix_;
    Access access_;
};

// The class's own properties, by getter and setter member pointers: Publish<C>(info).Property<int>("X", &C::X,
// &C::SetX).
template <class C>
auto Publish(fw::ClassInfo& info) {
    auto self = [](auto& c) -> auto& { return c; };
    return PartPublisher<C, decltype(self)>(info, "", self);
}

template <class C, class Access>
PartPublisher<C, Access> PublishPart(fw::ClassInfo& info, std::string prefix, Access access) {
    return PartPublisher<C, Access>(info, std::move(prefix), access);
}

}  // namespace ecl
