#pragma once
// A borderless form on the real message loop that hosts effects controls read from description
// text, and the main window's stored objects that the control suites load into it.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "framework/Application_win.h"
#include "framework/Form_win.h"

namespace wintest {

// A form that publishes one recording handler per event name the descriptions use.
class HostForm : public fw::Form {
public:
    HostForm();
    std::vector<std::string> clicks;  // "<handler> <sender's name>", in order
    std::vector<int> indexSeen;       // a radio group's ItemIndex as its OnClick saw it
};

// Where the host window stands: its client area's top-left corner on the screen and its size.
struct HostPlace {
    int left = 0;
    int top = 0;
    int clientWidth = 0;
    int clientHeight = 0;
};

// Loads objects into a host form in the main window's light yellow and font, placed as asked.
class ControlHostTest : public testing::Test {
protected:
    explicit ControlHostTest(HostPlace place) : place_(place) {}

    static void SetUpTestSuite();
    void SetUp() override;

    // Reads the form head, the given objects and the closing "end".
    void Load(const std::string& objects);
    void Show();
    template <class T>
    T& Get(const char* name) {
        return form_.ComponentNamed<T>(name);
    }

    // Handles what is waiting in the queue, the way the message loop would.
    static void Pump();
    // Pumps until done() holds; false when the timeout passes first.
    static bool PumpUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout);

private:
    HostPlace place_;

protected:
    std::optional<fw::Application> app_;  // outlives the form
    HostForm form_;
};

// Moves the pointer to the screen's top-left corner, away from the host windows, and puts it back
// where it was at the end of the scope: programs started later under the same X server take the
// keyboard focus only where the pointer is.
class PointerAway {
public:
    PointerAway();
    ~PointerAway();
    PointerAway(const PointerAway&) = delete;
    PointerAway& operator=(const PointerAway&) = delete;

private:
    POINT saved_{};
};

// The main window's banner, as stored.
extern const char kBanner[];

// The main window's radio group, as stored, with its OnClick set to the given handler (none when null).
std::string StoredRadioGroup(const char* onClick);

}  // namespace wintest
