#pragma once
// Components: owner, name, owned children, published properties and the loaded notification.
#include <any>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "framework/Description.h"

namespace fw {

class ClassInfo;
class Component;

// An event handler taking the sending object, bound by name from a stored description.
using NotifyEvent = std::function<void(Component& sender)>;

class Component {
public:
    explicit Component(Component* owner);
    virtual ~Component();
    Component(const Component&) = delete;
    Component& operator=(const Component&) = delete;

    Component* Owner() const { return owner_; }
    const std::string& Name() const { return name_; }
    void SetName(std::string name) { name_ = std::move(name); }

    // Owned components, in the order they were adopted; destroyed with this one, last first.
    Component& Adopt(std::unique_ptr<Component> child);
    template <class T, class... Args>
    T& Create(Args&&... args) {
        auto child = std::make_unique<T>(this, std::forward<Args>(args)...);
        T& ref = *child;
        Adopt(std::move(child));
        return ref;
    }
    const std::vector<std::unique_ptr<Component>>& Components() const { return components_; }
    Component* FindComponent(std::string_view name) const;
    // The owned component of that name and class; throws std::runtime_error when there is none.
    template <class T>
    T& ComponentNamed(std::string_view name) const {
        auto* typed = dynamic_cast<T*>(FindComponent(name));
        if (!typed) ThrowMissing(name);
        return *typed;
    }

    // Published properties by name ("Caption", "Bevel.Mode"); throws DescriptionError(0, ...) for
    // an unknown name or a value of the wrong kind.
    virtual const ClassInfo& Class() const;
    void SetProperty(std::string_view name, const Value& value);
    Value GetProperty(std::string_view name) const;

    // The handler of that name for an event binding, or an empty function when there is none.
    // Forms publish their handlers here.
    virtual NotifyEvent FindMethod(std::string_view name);
    // The handler of that name for any event type (a std::function of the event's own signature),
    // or an empty value; by default the handlers FindMethod gives.
    virtual std::any FindHandler(std::string_view name);

    // The container a stored child is placed in; controls override it to set their parent.
    virtual void SetParentComponent(Component& parent);

    // While a description is read into this component, IsLoading() is true; Loaded() follows
    // once the whole description has been read.
    bool IsLoading() const { return loading_; }
    void SetLoading(bool loading) { loading_ = loading; }
    virtual void Loaded() { loading_ = false; }

    // Asks for ComponentDestroyed(*this) on `watcher` when this component is destroyed; the request
    // ends by itself when the watcher goes first.
    void AddFreeNotification(Component& watcher);
    void RemoveFreeNotification(Component& watcher);

protected:
    // A component this one asked to watch is being destroyed.
    virtual void ComponentDestroyed(Component& /*gone*/) {}

private:
    [[noreturn]] static void ThrowMissing(std::string_view name);

    Component* owner_;
    std::string name_;
    std::vector<std::unique_ptr<Component>> components_;
    bool loading_ = false;
    std::vector<Component*> watchers_;  // told when this one is destroyed
    std::vector<Component*> watched_;   // this one is told when they are destroyed
};

}  // namespace fw
