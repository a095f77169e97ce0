#pragma once

#include <QObject>
#include <QString>

#include <cstddef>
#include <functional>
#include <tuple>
#include <type_traits>
#include <utility>

namespace pigmentrix {
namespace detail {

template <typename Handler, typename Arguments, typename Indexes>
struct TakesLeading;

template <typename Handler, typename Arguments, std::size_t... I>
struct TakesLeading<Handler, Arguments, std::index_sequence<I...>>
    : std::is_invocable<Handler &, std::tuple_element_t<I, Arguments>...> {
};

// Calls handler with as many of the leading arguments as it takes, as Qt
// does for a slot with fewer parameters than its signal.
template <std::size_t Count, typename Handler, typename Arguments>
void CallWithLeading(Handler &handler, const Arguments &arguments)
{
    if constexpr (TakesLeading<Handler, Arguments, std::make_index_sequence<Count>>::value) {
        [&]<std::size_t... I>(std::index_sequence<I...>)
        {
            handler(std::get<I>(arguments)...);
        }
        (std::make_index_sequence<Count>{});
    } else {
        static_assert(Count > 0, "the handler takes none of the signal's arguments");
        CallWithLeading<Count - 1>(handler, arguments);
    }
}

} // namespace detail

// Runs the window's handlers: a conversion error thrown inside one is shown
// as the program's error report, and the window keeps responding. Every
// area connects its handlers through connect() here, so none runs unguarded.
class ErrorGuard {
public:
    using Reporter = std::function<void(const QString &message)>;

    // afterEach runs after every handler: whatever a handler changed, the
    // settings may want to keep.
    explicit ErrorGuard(Reporter report, std::function<void()> afterEach = {});

    // Runs handler, reporting a conversion error it throws.
    void run(const std::function<void()> &handler) const;

    // Connects signal of sender to handler, run through this guard. The
    // handler takes the signal's arguments, or any leading part of them.
    template <typename Sender, typename Signal, typename Handler>
    QMetaObject::Connection connect(const Sender *sender, Signal signal, const QObject *context, Handler handler) const
    {
        return QObject::connect(sender, signal, context,
                                [this, handler = std::move(handler)](const auto &...arguments) mutable {
                                    const auto passed = std::forward_as_tuple(arguments...);
                                    run([&] { detail::CallWithLeading<sizeof...(arguments)>(handler, passed); });
                                });
    }

    // The report itself, for errors that do not come as exceptions.
    void report(const QString &message) const;

private:
    Reporter reporter;
    std::function<void()> afterEach;
};

} // namespace pigmentrix
