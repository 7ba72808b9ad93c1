#include "framework/Dialogs_win.h"

#include "framework/Application_win.h"
#include "framework/MessageDialog_win.h"

namespace fw {

namespace {

class SystemDialogsPlatform final : public DialogsPlatform {
public:
    bool ConfirmWarning(const std::string& text) override {
        return RunMessageDialog(
                   {"Warning", text, MessageIcon::Warning, {{IDYES, "&Yes"}, {IDNO, "&No"}}, IDYES, IDNO}) == IDYES;
    }

    void ShowMessage(const std::string& text) override {
        RunMessageDialog({Application::Instance().Title(), text, MessageIcon::None, {{IDOK, "OK"}}, IDOK, IDOK});
    }
};

}  // namespace

DialogsPlatform& DialogsPlatform::System() {
    static SystemDialogsPlatform dialogs;
    return dialogs;
}

}  // namespace fw
