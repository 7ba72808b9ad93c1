#pragma once
// Base of the library's owned part objects (bevel, 3-D caption, layouts): passes every change to
// its owner through one callback, except while an update is in progress.
#include <functional>
#include <utility>

class TEclObject {
public:
    TEclObject() = default;
    TEclObject(const TEclObject&) = delete;
    TEclObject& operator=(const TEclObject&) = delete;
    virtual ~TEclObject() = default;

    void SetOnChange(std::function<void()> onChange) { onChange_ = std::move(onChange); }
    void BeginUpdate() { updating_ = true; }
    // Ends the update; with notify, the owner hears of it once.
    void EndUpdate(bool notify) {
        updating_ = false;
        if (notify) Changed();
    }
    bool Updating() const { return updating_; }

protected:
    void Changed() {
        if (!updating_ && onChange_) onChange_();
    }

    // Stores a new value and notifies; does nothing when the value is unchanged.
    template <class T>
    void Update(T& field, const T& value) {
        if (field == value) return;
        field = value;
        Changed();
    }

private:
    std::function<void()> onChange_;
    bool updating_ = false;
};
