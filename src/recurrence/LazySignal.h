#pragma once

#include <boost/signals2/signal.hpp>

#include <cstddef>
#include <memory>
#include <utility>

template <typename Signature>
class LazySignal;

// A Boost.Signals2 signal that is made when the first slot connects. Making a signal allocates its
// slot list and its mutex, and a roster file holds thousands of rules whose signals only an open
// editor ever listens to. Until then, emitting does nothing. Connect and emit from one thread only,
// as the model is used.
template <typename... Args>
class LazySignal<void(Args...)> {
public:
    using Signal = boost::signals2::signal<void(Args...)>;

    template <typename... ConnectArgs>
    boost::signals2::connection connect(ConnectArgs&&... connectArgs)
    {
        if (!signal)
            signal = std::make_unique<Signal>();
        return signal->connect(std::forward<ConnectArgs>(connectArgs)...);
    }

    void operator()(Args... args) const
    {
        if (signal)
            (*signal)(args...);
    }

    std::size_t num_slots() const { return signal ? signal->num_slots() : 0; }

private:
    std::unique_ptr<Signal> signal;
};
