#pragma once
// The message boxes as a test answers them: the warning gets the test's answer, and every text
// shown is recorded in order, a warning's as "warning: " and its text.
#include <string>
#include <vector>

#include "framework/Dialogs_win.h"

namespace wintest {

class AnsweringDialogs final : public fw::DialogsPlatform {
public:
    explicit AnsweringDialogs(bool yes) : yes_(yes) {}
    bool ConfirmWarning(const std::string& text) override {
        shown.push_back("warning: " + text);
        return yes_;
    }
    void ShowMessage(const std::string& text) override { shown.push_back(text); }
    std::vector<std::string> shown;

private:
    bool yes_;
};

}  // namespace wintest
