#pragma once
// The one way a class publishes its properties and events: its own properties by getter and setter
// member pointers, and those of an owned part object ("Bevel.Mode", "FontFX.LightColor") as dotted
// names on the owning class.
#include <functional>
#include <string>
#include <utility>

#include "framework/ClassInfo.h"
#include "framework/Graphics.h"

namespace fw {

// `access` is a generic callable returning the part of an owner: [](auto& c) -> auto& { return c.Bevel(); }.
template <class C, class Access>
class PartPublisher {
public:
    PartPublisher(ClassInfo& info, std::string prefix, Access access)
        : info_(info), prefix_(std::move(prefix)), access_(access) {}

    // get: (const Part&) -> T, set: (Part&, T); member function pointers do.
    template <class T, class Get, class SetFn>
    PartPublisher& Property(const std::string& name, Get get, SetFn set) {
        const Access access = access_;
        ClassBuilder<C>(info_).template Property<T>(
            prefix_.empty() ? name : prefix_ + "." + name,
            [access, get](const C& c) -> T { return std::invoke(get, access(c)); },
            [access, set](C& c, T v) { std::invoke(set, access(c), std::move(v)); });
        return *this;
    }

    // An event of the class: set is (C&, Handler).
    template <class Handler = NotifyEvent, class SetFn>
    PartPublisher& Event(std::string name, SetFn set) {
        ClassBuilder<C>(info_).template Event<Handler>(std::move(name), set);
        return *this;
    }

    ClassInfo& Info() const { return info_; }
    const std::string& Prefix() const { return prefix_; }
    const Access& Accessor() const { return access_; }

private:
    ClassInfo& info_;
    std::string prefix_;
    Access access_;
};

// The class's own properties, by getter and setter member pointers: Publish<C>(info).Property<int>("X", &C::X,
// &C::SetX).
template <class C>
auto Publish(ClassInfo& info) {
    auto self = [](auto& c) -> auto& { return c; };
    return PartPublisher<C, decltype(self)>(info, "", self);
}

template <class C, class Access>
PartPublisher<C, Access> PublishPart(ClassInfo& info, std::string prefix, Access access) {
    return PartPublisher<C, Access>(info, std::move(prefix), access);
}

// A font's Name, Height, Color, Style and Charset as "<prefix>.Name" and so on. font: (const C&) ->
// const FontSpec&; setFont: (C&, const FontSpec&). A change of one field sets the whole font.
template <class C, class Font, class SetFont>
void PublishFont(ClassInfo& info, const std::string& prefix, Font font, SetFont setFont) {
    const auto field = [font, setFont](auto member) {
        return std::pair{[font, member](const C& c) { return std::invoke(font, c).*member; },
                         [font, setFont, member](C& c, auto v) {
                             FontSpec edited = std::invoke(font, c);
                             edited.*member = std::move(v);
                             std::invoke(setFont, c, edited);
                         }};
    };
    const auto [nameGet, nameSet] = field(&FontSpec::name);
    const auto [heightGet, heightSet] = field(&FontSpec::height);
    const auto [colorGet, colorSet] = field(&FontSpec::color);
    const auto [styleGet, styleSet] = field(&FontSpec::style);
    Publish<C>(info)
        .template Property<std::string>(prefix + ".Name", nameGet, nameSet)
        .template Property<int>(prefix + ".Height", heightGet, heightSet)
        .template Property<Color>(prefix + ".Color", colorGet, colorSet)
        .template Property<Set<FontStyle>>(prefix + ".Style", styleGet, styleSet);
    info.Add(prefix + ".Charset",
             PropertyInfo{[font, setFont](Component& c, const Value& v) {
                              FontSpec edited = std::invoke(font, static_cast<C&>(c));
                              edited.charset = CharsetFromValue(v);
                              std::invoke(setFont, static_cast<C&>(c), edited);
                          },
                          [font](const Component& c) {
                              return ValueTraits<int>::To(std::invoke(font, static_cast<const C&>(c)).charset);
                          },
                          {}});
}

}  // namespace fw
