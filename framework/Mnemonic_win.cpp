#include "framework/Mnemonic_win.h"

#include "framework/Control_win.h"
#include "framework/Form_win.h"
#include "framework/Mnemonic.h"
#include "framework/TabOrder.h"

namespace fw {

namespace {

// The character as the mnemonic letter (upper-cased in the ANSI code page); 0 for a blank or a
// control character, which never names a mnemonic.
char MnemonicLetter(WPARAM ch) {
    if (ch <= ' ' || ch > 0xFF) return 0;
    const auto upper = reinterpret_cast<UINT_PTR>(::CharUpperA(reinterpret_cast<LPSTR>(ch)));
    return static_cast<char>(upper & 0xFF);
}

bool TakesCharacters(HWND hwnd) {
    const LRESULT code = ::SendMessageA(hwnd, WM_GETDLGCODE, 0, 0);
    return (code & (DLGC_WANTCHARS | DLGC_WANTALLKEYS)) != 0;
}

}  // namespace

bool OfferMnemonic(const WinControl& container, char letter) {
    std::vector<WinControl*> windowed;
    std::vector<int> tabOrders;
    for (Control* c : container.Controls()) {
        if (!c->Visible()) continue;
        if (auto* w = dynamic_cast<WinControl*>(c)) {
            windowed.push_back(w);
            tabOrders.push_back(w->TabOrder());
        } else if (c->Accelerate(letter)) {
            return true;
        }
    }
    for (int i : TabSequence(tabOrders)) {
        WinControl& w = *windowed[static_cast<size_t>(i)];
        if (w.Accelerate(letter) || OfferMnemonic(w, letter)) return true;
    }
    return false;
}

bool HandleMnemonic(const MSG& msg) {
    if (msg.message != WM_SYSCHAR && msg.message != WM_CHAR) return false;
    const char letter = MnemonicLetter(msg.wParam);
    if (letter == 0) return false;
    if (msg.message == WM_CHAR && TakesCharacters(msg.hwnd)) return false;
    auto* form = dynamic_cast<Form*>(WinControl::FromHandle(::GetAncestor(msg.hwnd, GA_ROOT)));
    return form && form->Enabled() && ::IsWindowEnabled(form->ExistingHandle()) && OfferMnemonic(*form, letter);
}

void ShowKeyboardCues(const MSG& msg) {
    WORD cues = 0;
    if (msg.message == WM_SYSKEYDOWN) cues = UISF_HIDEACCEL;
    if (msg.message == WM_KEYDOWN && (msg.wParam == VK_TAB || (msg.wParam >= VK_LEFT && msg.wParam <= VK_DOWN)))
        cues = UISF_HIDEACCEL | UISF_HIDEFOCUS;
    if (cues == 0) return;
    HWND root = ::GetAncestor(msg.hwnd, GA_ROOT);
    if (!root) return;
    const auto hidden = static_cast<WORD>(::SendMessageA(root, WM_QUERYUISTATE, 0, 0) & cues);
    if (hidden != 0) ::SendMessageA(root, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, hidden), 0);
}

void InitKeyboardCues(HWND topLevel) {
    BOOL always = TRUE;
    ::SystemParametersInfoA(SPI_GETKEYBOARDCUES, 0, &always, 0);
    if (!always) ::SendMessageA(topLevel, WM_CHANGEUISTATE, MAKEWPARAM(UIS_SET, UISF_HIDEACCEL), 0);
}

}  // namespace fw
