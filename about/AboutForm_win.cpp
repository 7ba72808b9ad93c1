#include "about/AboutForm_win.h"

#include <algorithm>
#include <vector>

#include "controls/Button_win.h"
#include "controls/SimpleLabel_win.h"
#include "framework/Modality_win.h"
#include "framework/Bitmaps_win.h"

namespace about {

namespace {

bool Usable(const TEclButton* button) { return button && button->Visible() && button->Enabled(); }

bool Usable(const TEclSimpleLabel* link) {
    return link->Visible() && link->Enabled() && link->JumpMode() != TEclJumpModes::jmNone;
}

}  // namespace

AboutForm::AboutForm(fw::Component* owner) : fw::Form(owner) {
    SetBorderStyle(fw::FormBorderStyle::bsDialog);
    SetBorderIcons({fw::BorderIcon::biSystemMenu});
}

void AboutForm::GetCreateParams(CreateParams& params) {
    fw::Form::GetCreateParams(params);
    params.parent = fw::ModalOwner();
}

LRESULT AboutForm::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_CLOSE) {
        modalResult_ = IDCANCEL;
        return 0;
    }
    // A link has the keyboard only while the dialog window itself has the focus.
    if (msg == WM_KILLFOCUS) FocusLink(nullptr);
    return fw::Form::WndProc(msg, wParam, lParam);
}

void AboutForm::FocusLink(TEclSimpleLabel* link) {
    if (focusedLink_) focusedLink_->SetShowFocus(false);
    focusedLink_ = link;
    if (!link) return;
    link->SetShowFocus(true);
    if (::GetFocus() != Handle()) ::SetFocus(Handle());
    link->NotifyAccessible(EVENT_OBJECT_FOCUS);
}

void AboutForm::TabToNext(bool backwards) {
    std::vector<TEclButton*> buttons;
    for (fw::Control* c : Controls())
        if (auto* button = dynamic_cast<TEclButton*>(c); button && button->TabStop() && button->CanFocus())
            buttons.push_back(button);
    std::stable_sort(buttons.begin(), buttons.end(),
                     [](const TEclButton* a, const TEclButton* b) { return a->TabOrder() < b->TabOrder(); });
    std::vector<fw::Control*> ring(buttons.begin(), buttons.end());
    for (TEclSimpleLabel* link : links_)
        if (Usable(link)) ring.push_back(link);
    if (ring.empty()) return;

    const HWND focus = ::GetFocus();
    const auto current = std::find_if(ring.begin(), ring.end(), [this, focus](fw::Control* c) {
        if (c == focusedLink_) return true;
        auto* button = dynamic_cast<TEclButton*>(c);
        return button && button->HandleAllocated() && button->Handle() == focus;
    });
    const int count = static_cast<int>(ring.size());
    int next = backwards ? count - 1 : 0;
    if (current != ring.end()) next = (static_cast<int>(current - ring.begin()) + (backwards ? count - 1 : 1)) % count;
    if (auto* button = dynamic_cast<TEclButton*>(ring[static_cast<std::size_t>(next)])) {
        FocusLink(nullptr);
        button->SetFocus();
    } else {
        FocusLink(static_cast<TEclSimpleLabel*>(ring[static_cast<std::size_t>(next)]));
    }
}

bool AboutForm::DialogKey(const MSG& msg) {
    if (msg.message != WM_KEYDOWN) return false;
    const HWND hwnd = Handle();
    if (msg.hwnd != hwnd && !::IsChild(hwnd, msg.hwnd)) return false;
    const bool noModifier = !(::GetKeyState(VK_CONTROL) & 0x8000) && !(::GetKeyState(VK_MENU) & 0x8000);
    if (!noModifier) return false;
    if (msg.wParam == VK_TAB) {
        TabToNext((::GetKeyState(VK_SHIFT) & 0x8000) != 0);
        return true;
    }
    if (focusedLink_ && (msg.wParam == VK_RETURN || msg.wParam == VK_SPACE)) {
        if (!Usable(focusedLink_)) return true;
        focusedLink_->Visit();
        focusedLink_->Click();
        return true;
    }
    switch (msg.wParam) {
        case VK_RETURN:
            if (!Usable(defaultButton_)) return false;
            defaultButton_->Click();
            return true;
        case VK_ESCAPE:
            if (!Usable(cancelButton_)) return false;
            cancelButton_->Click();
            return true;
        default: return false;
    }
}

int AboutForm::ShowModal() {
    modalResult_ = 0;
    const HWND hwnd = Handle();
    {
        const fw::DisabledWindows disabled(hwnd);
        Show();
        MSG msg;
        while (modalResult_ == 0) {
            const BOOL got = ::GetMessageA(&msg, nullptr, 0, 0);
            if (got == 0) {
                ::PostQuitMessage(static_cast<int>(msg.wParam));
                modalResult_ = IDCANCEL;
                break;
            }
            if (got == -1) {
                modalResult_ = IDCANCEL;
                break;
            }
            if (DialogKey(msg) || fw::HandleTabKey(msg)) continue;
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
        // The owner is enabled again before the dialog hides, so that it gets the activation back.
    }
    SetVisible(false);
    return modalResult_;
}

void AboutIcon::SetPicture(fw::UniqueBitmap picture) {
    picture_ = std::move(picture);
    Invalidate();
}

void AboutIcon::Paint(fw::Canvas& canvas) {
    if (icon_) ::DrawIconEx(canvas.Dc(), 0, 0, icon_, 0, 0, 0, nullptr, DI_NORMAL);
    if (!picture_) return;
    const SIZE size = fw::BitmapSize(picture_.Get());
    const fw::UniqueMemoryDc dc = fw::NewMemoryDc(canvas.Dc());
    const fw::SelectScope select(dc.Get(), picture_.Get());
    const COLORREF transparent = ::GetPixel(dc.Get(), 0, size.cy - 1);
    ::TransparentBlt(canvas.Dc(), 0, 0, Width(), Height(), dc.Get(), 0, 0, size.cx, size.cy, transparent);
}

void AboutSeparator::Paint(fw::Canvas& canvas) {
    RECT r{0, 0, Width(), Height()};
    ::DrawEdge(canvas.Dc(), &r, EDGE_ETCHED, BF_TOP);
}

}  // namespace about
