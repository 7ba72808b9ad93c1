#pragma once
// Screen readers and automation tools ask each window for its accessible object (WM_GETOBJECT).
// Every control's window answers with one object that wraps the platform's standard object and
// answers role, name, value, state and default action from the control's Describe, with the
// windowless controls of the window as its simple child elements. oleacc is loaded on the first
// request, so a start that nobody reads pays nothing.
#include <windows.h>

#include <memory>
#include <vector>

namespace fw {

class Control;
class WinControl;
class AccessibleObject;

// The control's reference to its window's object. Letting it go disconnects the object: it answers
// CO_E_OBJNOTCONNECTED from then on to whoever still holds it.
struct DisconnectAccessible {
    void operator()(AccessibleObject* object) const;
};
using AccessibleReference = std::unique_ptr<AccessibleObject, DisconnectAccessible>;

// The answer to WM_GETOBJECT for OBJID_CLIENT, the object made on the first request and kept in
// `object`; 0 for other objects or when oleacc cannot be had.
LRESULT AnswerGetObject(WinControl& control, AccessibleReference& object, WPARAM wParam, LPARAM lParam);

// A default action is posted to the window in a message of its own (wParam: the child id) so that
// the screen reader's call returns before the action runs: it may open a modal box. The message is
// registered when the first action is posted; until then no message is one.
bool IsAccessibleActionMessage(UINT msg);
void RunAccessibleAction(WinControl& control, long childId);

// The controls a window shows screen readers, in reading order: its windows and the windowless
// controls that describe themselves. Child id n is element n - 1.
std::vector<Control*> AccessibleChildren(const WinControl& control);

// Raises a win event (EVENT_OBJECT_...) for the control: for its window, or for its child id in
// its parent's window.
void NotifyAccessible(Control& control, unsigned long event);

}  // namespace fw
