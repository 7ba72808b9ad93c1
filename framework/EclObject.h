#pragma once
// Base of the library's owned part objects (bevel, 3-D caption, layouts): passes every change to
// its owner through one callback, except while an update is in progress.
#include <functional>
#include <utility>

#include "framework/Change.h"

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

private:
    std::function<void()> onChange_;
    bool updating_ = false;
};
