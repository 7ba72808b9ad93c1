#include "framework/Component.h"

#include <algorithm>
#include <stdexcept>

#include "framework/ClassInfo.h"

namespace fw {

Component::Component(Component* owner) : owner_(owner) {}

namespace {

void Erase(std::vector<Component*>& list, const Component* item) { std::erase(list, item); }

}  // namespace

Component::~Component() {
    for (Component* watched : watched_) Erase(watched->watchers_, this);
    watched_.clear();
    const std::vector<Component*> watchers = std::move(watchers_);
    watchers_.clear();
    for (Component* watcher : watchers) {
        Erase(watcher->watched_, this);
        watcher->ComponentDestroyed(*this);
    }
    while (!components_.empty()) components_.pop_back();
}

void Component::AddFreeNotification(Component& watcher) {
    if (&watcher == this || std::ranges::find(watchers_, &watcher) != watchers_.end()) return;
    watchers_.push_back(&watcher);
    watcher.watched_.push_back(this);
}

void Component::RemoveFreeNotification(Component& watcher) {
    Erase(watchers_, &watcher);
    Erase(watcher.watched_, this);
}

Component& Component::Adopt(std::unique_ptr<Component> child) {
    child->owner_ = this;
    components_.push_back(std::move(child));
    return *components_.back();
}

Component* Component::FindComponent(std::string_view name) const {
    for (const auto& c : components_)
        if (c->Name() == name) return c.get();
    return nullptr;
}

void Component::ThrowMissing(std::string_view name) {
    throw std::runtime_error("Component \"" + std::string(name) + "\" not found");
}

const ClassInfo& Component::Class() const {
    static const ClassInfo info("TComponent", nullptr);
    return info;
}

void Component::SetProperty(std::string_view name, const Value& value) {
    const PropertyInfo* p = Class().FindProperty(name);
    if (!p || !p->set) throw DescriptionError(0, "Unknown property " + Class().Name() + "." + std::string(name));
    p->set(*this, value);
}

Value Component::GetProperty(std::string_view name) const {
    const PropertyInfo* p = Class().FindProperty(name);
    if (!p || !p->get) throw DescriptionError(0, "Unknown property " + Class().Name() + "." + std::string(name));
    return p->get(*this);
}

NotifyEvent Component::FindMethod(std::string_view) { return {}; }

std::any Component::FindHandler(std::string_view name) {
    NotifyEvent handler = FindMethod(name);
    return handler ? std::any(std::move(handler)) : std::any();
}

void Component::SetParentComponent(Component&) {}

}  // namespace fw
