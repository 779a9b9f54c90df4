#pragma once
// Events are bound callables: a handler is any callable, usually a member
// function bound to its object, `OnClick = std::bind_front(&TForm1::Button1Click, this)`.
// An empty event is not called.

#include <functional>

class TObject;

using TNotifyEvent = std::function<void(TObject* Sender)>;

// Calls the handler when one is set.
template <class Event, class... Args>
void FireEvent(const Event& event, Args&&... args) {
    if (event) event(std::forward<Args>(args)...);
}
