#pragma once

#include <QString>

#include <concepts>
#include <functional>
#include <utility>

// The text of the top-level error box: the error's own text, with a final
// "." added when its last character sorts after ".".
QString TopLevelErrorText(const QString& message);

// Runs one delivery of an event or one handler; a failure that escapes it
// is shown in a stop box captioned with the application title and the
// delivery counts as not handled, so the application keeps running.
bool DeliverGuarded(const std::function<bool()>& deliver);

// A handler to connect to a signal, run under DeliverGuarded: an error it
// raises is reported in the same box as one from an event, and never
// travels back through the signal's emission, which Qt can't unwind.
template <class Handler> auto Guarded(Handler handler) {
    return [handler = std::move(handler)](
        auto&&... args) requires std::invocable<Handler&, decltype(args)...> {
        DeliverGuarded([&] {
            std::invoke(handler, std::forward<decltype(args)>(args)...);
            return true;
        });
    };
}

// The same for a member function of a window.
template <class Object, class Method> auto Guarded(Object* object, Method method) {
    return Guarded([ object, method ](
        auto&&... args) requires std::invocable<Method, Object*, decltype(args)...> {
        std::invoke(method, object, std::forward<decltype(args)>(args)...);
    });
}
