#pragma once
#include <windows.h>

namespace fw {

// Something with a window handle that other windows can be owned by (a windowed control or form).
// Handle() creates the window when it does not exist yet.
class WindowOwner {
public:
    virtual HWND Handle() = 0;

protected:
    ~WindowOwner() = default;
};

}  // namespace fw
