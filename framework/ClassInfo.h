#pragma once
// The class registry: class name -> factory, and per class its published properties and events.
#include <any>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "framework/Component.h"
#include "framework/Description.h"
#include "framework/Set.h"

namespace fw {

struct PropertyInfo {
    std::function<void(Component&, const Value&)> set;  // throws DescriptionError(0, ...) on a bad value
    std::function<Value(const Component&)> get;
    std::function<void(Component&, const std::any&)> bind;  // set for events instead of set/get
};

class ClassInfo {
public:
    using Factory = std::function<std::unique_ptr<Component>(Component* owner)>;

    ClassInfo(std::string name, const ClassInfo* parent, Factory factory = {});
    const std::string& Name() const { return name_; }
    const ClassInfo* Parent() const { return parent_; }
    bool InheritsFrom(std::string_view name) const;
    bool CanCreate() const { return static_cast<bool>(factory_); }
    std::unique_ptr<Component> Create(Component* owner) const;

    // Looks in this class, then in its ancestors.
    const PropertyInfo* FindProperty(std::string_view name) const;
    void Add(std::string name, PropertyInfo info);
    std::vector<std::string> PropertyNames() const;

private:
    std::string name_;
    const ClassInfo* parent_;
    Factory factory_;
    std::map<std::string, PropertyInfo, std::less<>> properties_;
};

// Every class that a stored description may name. Classes register once, at start-up.
class ClassRegistry {
public:
    static void Register(const ClassInfo& info);
    static const ClassInfo* Find(std::string_view name);
};

// --- Conversions between stored values and typed property values -------------------------------

[[noreturn]] void ThrowBadValue(const std::string& what);
long long ValueToInteger(const Value& v);
std::string ValueToString(const Value& v);
std::string ValueToIdentifier(const Value& v);

// Enumerations publish their member names, in ordinal order, through an overload found by ADL:
//   std::span<const std::string_view> EnumNames(MyEnum);
template <class T>
struct ValueTraits;

template <>
struct ValueTraits<int> {
    static int From(const Value& v);  // rejects what does not fit an int
    static Value To(int i) { return Value{Value::Kind::Integer, i, {}, {}}; }
};
template <>
struct ValueTraits<bool> {
    static bool From(const Value& v);
    static Value To(bool b) { return Value{Value::Kind::Identifier, 0, b ? "True" : "False", {}}; }
};
template <>
struct ValueTraits<std::string> {
    static std::string From(const Value& v) { return ValueToString(v); }
    static Value To(const std::string& s) { return Value{Value::Kind::String, 0, s, {}}; }
};
template <>
struct ValueTraits<std::vector<std::string>> {
    static std::vector<std::string> From(const Value& v);
    static Value To(const std::vector<std::string>& items) { return Value{Value::Kind::StringList, 0, {}, items}; }
};

int EnumOrdinal(std::span<const std::string_view> names, const Value& v);
std::uint32_t SetBits(std::span<const std::string_view> names, const Value& v);
Value EnumValue(std::span<const std::string_view> names, int ordinal);
Value SetValue(std::span<const std::string_view> names, std::uint32_t bits);

template <class E>
requires std::is_enum_v<E>
struct ValueTraits<E> {
    static E From(const Value& v) { return static_cast<E>(EnumOrdinal(EnumNames(E{}), v)); }
    static Value To(E e) { return EnumValue(EnumNames(E{}), static_cast<int>(e)); }
};
template <class E>
struct ValueTraits<Set<E>> {
    static Set<E> From(const Value& v) { return Set<E>::FromBits(SetBits(EnumNames(E{}), v)); }
    static Value To(Set<E> s) { return SetValue(EnumNames(E{}), s.Bits()); }
};

// Typed registration: ClassBuilder<TEclButton>(info).Property<std::string>("Caption", get, set).
template <class C>
class ClassBuilder {
public:
    explicit ClassBuilder(ClassInfo& info) : info_(info) {}

    template <class T, class Get, class SetFn>
    ClassBuilder& Property(std::string name, Get get, SetFn set) {
        info_.Add(
            std::move(name),
            PropertyInfo{[set](Component& c, const Value& v) { set(static_cast<C&>(c), ValueTraits<T>::From(v)); },
                         [get](const Component& c) { return ValueTraits<T>::To(get(static_cast<const C&>(c))); },
                         {}});
        return *this;
    }
    // An event whose handlers have the type Handler; binding a handler of another type fails.
    template <class Handler = NotifyEvent, class SetFn>
    ClassBuilder& Event(std::string name, SetFn set) {
        info_.Add(std::move(name), PropertyInfo{{}, {}, [set](Component& c, const std::any& handler) {
                                                    const auto* typed = std::any_cast<Handler>(&handler);
                                                    if (!typed) ThrowBadValue("Handler of another event type");
                                                    set(static_cast<C&>(c), *typed);
                                                }});
        return *this;
    }

private:
    ClassInfo& info_;
};

// Reads a description into root: root's own properties, then every child object in order
// (created through the registry, owned by root, placed in its enclosing object), then Loaded()
// on every component read, children first in creation order, root last. Handlers are bound
// through root.FindMethod. Throws DescriptionError naming the line of anything that does not fit.
void LoadDescription(Component& root, const ObjectNode& description);

}  // namespace fw
