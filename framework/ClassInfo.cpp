#include "framework/ClassInfo.h"

#include <algorithm>
#include <limits>

namespace fw {

ClassInfo::ClassInfo(std::string name, const ClassInfo* parent, Factory factory)
    : name_(std::move(name)), parent_(parent), factory_(std::move(factory)) {}

bool ClassInfo::InheritsFrom(std::string_view name) const {
    for (const ClassInfo* c = this; c; c = c->parent_)
        if (c->name_ == name) return true;
    return false;
}

std::unique_ptr<Component> ClassInfo::Create(Component* owner) const {
    if (!factory_) throw DescriptionError(0, "Class " + name_ + " cannot be created");
    return factory_(owner);
}

const PropertyInfo* ClassInfo::FindProperty(std::string_view name) const {
    for (const ClassInfo* c = this; c; c = c->parent_) {
        auto it = c->properties_.find(name);
        if (it != c->properties_.end()) return &it->second;
    }
    return nullptr;
}

void ClassInfo::Add(std::string name, PropertyInfo info) { properties_[std::move(name)] = std::move(info); }

std::vector<std::string> ClassInfo::PropertyNames() const {
    std::vector<std::string> names;
    for (const ClassInfo* c = this; c; c = c->parent_)
        for (const auto& [name, info] : c->properties_) names.push_back(name);
    return names;
}

namespace {
std::map<std::string, const ClassInfo*, std::less<>>& Classes() {
    static std::map<std::string, const ClassInfo*, std::less<>> classes;
    return classes;
}
}  // namespace

void ClassRegistry::Register(const ClassInfo& info) { Classes()[info.Name()] = &info; }

const ClassInfo* ClassRegistry::Find(std::string_view name) {
    auto it = Classes().find(name);
    return it == Classes().end() ? nullptr : it->second;
}

// --- Conversions ---------------------------------------------------------------------------------

void ThrowBadValue(const std::string& what) { throw DescriptionError(0, what); }

long long ValueToInteger(const Value& v) {
    if (v.kind != Value::Kind::Integer) ThrowBadValue("Integer value expected");
    return v.integer;
}

std::string ValueToString(const Value& v) {
    if (v.kind != Value::Kind::String) ThrowBadValue("String value expected");
    return v.text;
}

std::string ValueToIdentifier(const Value& v) {
    if (v.kind != Value::Kind::Identifier) ThrowBadValue("Identifier expected");
    return v.text;
}

int ValueTraits<int>::From(const Value& v) {
    const long long i = ValueToInteger(v);
    if (i < std::numeric_limits<int>::min() || i > std::numeric_limits<int>::max())
        ThrowBadValue("Integer " + std::to_string(i) + " out of range");
    return static_cast<int>(i);
}

bool ValueTraits<bool>::From(const Value& v) {
    const std::string id = ValueToIdentifier(v);
    if (id == "True") return true;
    if (id == "False") return false;
    ThrowBadValue("True or False expected, not " + id);
}

std::vector<std::string> ValueTraits<std::vector<std::string>>::From(const Value& v) {
    if (v.kind != Value::Kind::StringList) ThrowBadValue("String list expected");
    return v.items;
}

namespace {
int OrdinalOf(std::span<const std::string_view> names, const std::string& id) {
    auto it = std::find(names.begin(), names.end(), id);
    if (it == names.end()) ThrowBadValue("Invalid value " + id);
    return static_cast<int>(it - names.begin());
}
}  // namespace

int EnumOrdinal(std::span<const std::string_view> names, const Value& v) {
    return OrdinalOf(names, ValueToIdentifier(v));
}

std::uint32_t SetBits(std::span<const std::string_view> names, const Value& v) {
    if (v.kind != Value::Kind::Set) ThrowBadValue("Set expected");
    std::uint32_t bits = 0;
    for (const auto& item : v.items) bits |= 1u << OrdinalOf(names, item);
    return bits;
}

Value EnumValue(std::span<const std::string_view> names, int ordinal) {
    Value v{Value::Kind::Identifier, 0, {}, {}};
    if (ordinal >= 0 && static_cast<size_t>(ordinal) < names.size()) v.text = names[static_cast<size_t>(ordinal)];
    return v;
}

Value SetValue(std::span<const std::string_view> names, std::uint32_t bits) {
    Value v{Value::Kind::Set, 0, {}, {}};
    for (size_t i = 0; i < names.size(); ++i)
        if ((bits >> i) & 1u) v.items.emplace_back(names[i]);
    return v;
}

// --- Reading a description into components -------------------------------------------------------

namespace {

void ApplyProperties(Component& root, Component& target, const ObjectNode& node) {
    for (const PropertyNode& p : node.properties) {
        const PropertyInfo* info = target.Class().FindProperty(p.name);
        if (!info) throw DescriptionError(p.line, "Unknown property " + target.Class().Name() + "." + p.name);
        try {
            if (info->bind) {
                const std::string handlerName = ValueToIdentifier(p.value);
                const std::any handler = root.FindHandler(handlerName);
                if (!handler.has_value()) throw DescriptionError(0, "Handler " + handlerName + " not found");
                info->bind(target, handler);
            } else if (info->set) {
                info->set(target, p.value);
            } else {
                throw DescriptionError(0, "Property " + p.name + " is read-only");
            }
        } catch (const DescriptionError& e) {
            if (e.Line() != 0) throw;
            throw DescriptionError(p.line, std::string(e.what()) + " (" + node.name + "." + p.name + ")");
        }
    }
}

void ReadChildren(Component& root, Component& container, const ObjectNode& node, std::vector<Component*>& read) {
    for (const ObjectNode& childNode : node.children) {
        const ClassInfo* cls = ClassRegistry::Find(childNode.className);
        if (!cls || !cls->CanCreate())
            throw DescriptionError(childNode.line, "Class " + childNode.className + " not found");
        if (root.FindComponent(childNode.name))
            throw DescriptionError(childNode.line, "A component named " + childNode.name + " already exists");
        Component& child = root.Adopt(cls->Create(&root));
        child.SetName(childNode.name);
        child.SetLoading(true);
        child.SetParentComponent(container);
        read.push_back(&child);
        ApplyProperties(root, child, childNode);
        ReadChildren(root, child, childNode, read);
    }
}

}  // namespace

void LoadDescription(Component& root, const ObjectNode& description) {
    if (!root.Class().InheritsFrom(description.className))
        throw DescriptionError(description.line,
                               "Description of " + description.className + " does not fit " + root.Class().Name());
    root.SetLoading(true);
    if (root.Name().empty()) root.SetName(description.name);
    std::vector<Component*> read;
    ApplyProperties(root, root, description);
    ReadChildren(root, root, description, read);
    for (Component* c : read) c->Loaded();
    root.Loaded();
}

}  // namespace fw
