#pragma once
// Script procedures as host event handlers. An adapter owns a handler
// routine of one event signature: the host calls it, the adapter passes the
// arguments to the script procedure's parameters, runs it and reads var
// arguments back from them. The event member hooks adapters into host
// objects' event properties.

#include "ui/core/Object.h"
#include "ui/core/TypeInfo.h"
#include "ui/variant/Variant.h"

#include <functional>
#include <memory>
#include <vector>

class TscProcVariable;

class TscCustomEvent : public TObject {
public:
    TscCustomEvent(TObject& instance, TscProcVariable& handler);
    ~TscCustomEvent() override;

    // The adapter's handler routine bound to this adapter, as the event
    // property takes it. Called after the adapter is gone (its script freed
    // while the host still holds the handler) the routine does nothing.
    virtual TMethod GetMethod() = 0;

    TObject& Instance() const { return *instance_; }
    TscProcVariable& Handler() const { return *handler_; }

protected:
    // Stores argument i into the procedure's parameter i (as far as both
    // go) and runs the procedure; false, with nothing done, while the
    // procedure is already running (the event is dropped).
    bool CallHandler(const std::vector<Variant>& arguments);
    // Parameter i's value after the call; Null when the procedure declares
    // no such parameter.
    Variant ParamValue(int index) const;

    // A routine of the event's signature that runs `call` only while this
    // adapter lives.
    template <class... Args, class Call>
    std::function<void(Args...)> Bind(Call call) {
        std::weak_ptr<const bool> alive = alive_;
        return [alive, call = std::move(call)](Args... args) {
            if (!alive.expired()) call(std::forward<Args>(args)...);
        };
    }

private:
    TObject* instance_;
    TscProcVariable* handler_;
    std::shared_ptr<const bool> alive_;
};

// An adapter class: makes the adapter for (instance, procedure).
using TscEventClass = std::function<std::unique_ptr<TscCustomEvent>(TObject& instance, TscProcVariable& handler)>;

template <class Adapter>
TscEventClass EventClassOf() {
    return [](TObject& instance, TscProcVariable& handler) -> std::unique_ptr<TscCustomEvent> {
        return std::make_unique<Adapter>(instance, handler);
    };
}

// Sender.
class TscNotifyEvent : public TscCustomEvent {
public:
    using TscCustomEvent::TscCustomEvent;
    TMethod GetMethod() override;
};
