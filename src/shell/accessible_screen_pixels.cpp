#include "shell/accessible_screen_pixels.h"

#include "ui/accessibility.h"
#include "ui/device_pixels.h"

#include <QAccessible>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <cmath>
#include <optional>

namespace pigmentrix {
namespace {

// Where Qt's bridge lives: its connection to the accessibility bus and the
// object tree it serves there.
const QString BridgeConnection = QStringLiteral("a11y");
const QString BridgeObjects = QStringLiteral("/org/a11y/atspi/accessible");
const QString RootObject = QStringLiteral("/org/a11y/atspi/accessible/root");
const QString Component = QStringLiteral("org.a11y.atspi.Component");
const QString Text = QStringLiteral("org.a11y.atspi.Text");

// What a place is counted from.
enum class CoordinateType : uint { Screen = 0, Window = 1, Parent = 2 };

// The pixel of Qt's that holds the screen's pixel.
int Unscaled(int value, qreal factor)
{
    return static_cast<int>(std::floor(value / factor));
}

QAccessibleInterface *InterfaceAt(const QString &path)
{
    if (path == RootObject)
        return QAccessible::queryAccessibleInterface(qApp);
    if (!path.startsWith(BridgeObjects + QLatin1Char('/')))
        return nullptr;
    bool ok = false;
    const QAccessible::Id id = path.mid(BridgeObjects.size() + 1).toUInt(&ok);
    return ok && id ? QAccessible::accessibleInterface(id) : nullptr;
}

// The scale of the screen that shows interface; none where it is on no
// window (the application itself, an item out of view).
std::optional<ScreenScale> ScaleOf(QAccessibleInterface *interface)
{
    for (QAccessibleInterface *shown = interface; shown; shown = shown->parent()) {
        if (QWindow *window = shown->window()) {
            const QScreen *screen = window->screen();
            if (!screen)
                return std::nullopt;
            return ScreenScale{screen->geometry().topLeft(), window->devicePixelRatio()};
        }
    }
    return std::nullopt;
}

// The window or dialog interface lies in, as the bridge counts window
// places from.
QAccessibleInterface *WindowOf(QAccessibleInterface *interface)
{
    const QAccessibleInterface *application = QAccessible::queryAccessibleInterface(qApp);
    while (interface && interface->role() != QAccessible::Dialog && interface->role() != QAccessible::Window
           && interface->parent() != application)
        interface = interface->parent();
    return interface;
}

// A place in Qt's pixels on the screen, told in the screen's pixels and from
// what the caller counts.
QRect Told(const QRect &scaled, QAccessibleInterface *interface, uint from, const ScreenScale &scale)
{
    const QRect place = ToScreenPixels(scaled, scale);
    QAccessibleInterface *base = nullptr;
    if (from == static_cast<uint>(CoordinateType::Window))
        base = WindowOf(interface);
    else if (from == static_cast<uint>(CoordinateType::Parent))
        base = interface->parent();
    return base ? place.translated(-ToScreenPixels(base->rect(), scale).topLeft()) : place;
}

// A point in the screen's pixels, in Qt's: from the screen's corner, or
// relative to a window or parent, where only the stretch differs.
QPoint Asked(const QPoint &screen, uint from, const ScreenScale &scale)
{
    if (from == static_cast<uint>(CoordinateType::Screen))
        return FromScreenPixels(screen, scale);
    return QPoint(Unscaled(screen.x(), scale.factor), Unscaled(screen.y(), scale.factor));
}

QRect CharactersBox(QAccessibleTextInterface *text, int start, int end)
{
    QRect box;
    for (int offset = start; offset < end; ++offset)
        box |= text->characterRect(offset);
    return box;
}

QList<QVariant> Corners(const QRect &place)
{
    return {place.x(), place.y(), place.width(), place.height()};
}

// Stands in front of Qt's bridge on the accessibility bus: answers the
// questions about places itself, converts the points in questions to Qt's
// pixels, and hands every message on.
class ScreenPixelsBridge final : public QDBusVirtualObject {
public:
    explicit ScreenPixelsBridge(QDBusVirtualObject *bridge)
        : QDBusVirtualObject(bridge)
        , bridge(bridge)
    {
    }

    QString introspect(const QString &path) const override { return bridge ? bridge->introspect(path) : QString(); }

    bool handleMessage(const QDBusMessage &message, const QDBusConnection &connection) override
    {
        if (!bridge)
            return false;
        if (answered(message, connection))
            return true;
        return bridge->handleMessage(message, connection);
    }

private:
    bool answered(const QDBusMessage &message, const QDBusConnection &connection)
    {
        QAccessibleInterface *interface = InterfaceAt(message.path());
        if (!interface || !interface->isValid())
            return false;
        const std::optional<ScreenScale> scale = ScaleOf(interface);
        if (!scale)
            return false;
        const QString member = message.member();
        QList<QVariant> arguments = message.arguments();
        const auto from = [&](qsizetype index) { return arguments.value(index).toUInt(); };
        if (message.interface() == Component) {
            if (member == QLatin1String("GetExtents") && arguments.size() == 1)
                return reply(connection, message, {Told(interface->rect(), interface, from(0), *scale)});
            if (member == QLatin1String("GetPosition") && arguments.size() == 1) {
                const QRect place = Told(interface->rect(), interface, from(0), *scale);
                return reply(connection, message, {place.x(), place.y()});
            }
            if (member == QLatin1String("GetSize") && arguments.isEmpty()) {
                const QSize size = ToScreenPixels(interface->rect(), *scale).size();
                return reply(connection, message, {size.width(), size.height()});
            }
            if ((member == QLatin1String("Contains") || member == QLatin1String("GetAccessibleAtPoint"))
                && arguments.size() == 3)
                askInQtPixels(message, arguments, *scale);
            return false;
        }
        QAccessibleTextInterface *text = interface->textInterface();
        if (message.interface() != Text || !text)
            return false;
        if (member == QLatin1String("GetCharacterExtents") && arguments.size() == 2) {
            const QRect box = text->characterRect(arguments.at(0).toInt());
            return reply(connection, message, Corners(Told(box, interface, from(1), *scale)));
        }
        if (member == QLatin1String("GetRangeExtents") && arguments.size() == 3) {
            const QRect box = CharactersBox(text, arguments.at(0).toInt(), arguments.at(1).toInt());
            return reply(connection, message, Corners(Told(box, interface, from(2), *scale)));
        }
        if (member == QLatin1String("GetOffsetAtPoint") && arguments.size() == 3)
            askInQtPixels(message, arguments, *scale);
        return false;
    }

    // The point (the first two arguments) in Qt's pixels; the message, which
    // shares its arguments with every copy, goes on to the bridge so.
    static void askInQtPixels(const QDBusMessage &message, QList<QVariant> arguments, const ScreenScale &scale)
    {
        const QPoint point =
            Asked(QPoint(arguments.at(0).toInt(), arguments.at(1).toInt()), arguments.at(2).toUInt(), scale);
        arguments[0] = point.x();
        arguments[1] = point.y();
        QDBusMessage(message).setArguments(arguments);
    }

    static bool reply(const QDBusConnection &connection, const QDBusMessage &message, const QList<QVariant> &values)
    {
        return connection.send(message.createReply(values));
    }

    QPointer<QDBusVirtualObject> bridge;
};

bool StandInFrontOfBridge()
{
    QDBusConnection bus(BridgeConnection);
    if (!bus.isConnected())
        return false;
    auto *bridge = qobject_cast<QDBusVirtualObject *>(bus.objectRegisteredAt(BridgeObjects));
    if (!bridge)
        return false;
    if (dynamic_cast<ScreenPixelsBridge *>(bridge))
        return true;
    auto *front = new ScreenPixelsBridge(bridge);
    bus.unregisterObject(BridgeObjects);
    if (!bus.registerVirtualObject(BridgeObjects, front, QDBusConnection::SubPath)) {
        // Qt's bridge goes back as it was, and stays so.
        delete front;
        bus.registerVirtualObject(BridgeObjects, bridge, QDBusConnection::SubPath);
    }
    return true;
}

// Asked for every new interface: the first ask once accessibility is on
// comes after the bridge has put its objects on the bus, and before anyone
// can ask about a place.
QAccessibleInterface *WatchForBridge(const QString &, QObject *)
{
    static bool done = false;
    static bool waiting = false;
    if (done || waiting || !QAccessible::isActive())
        return nullptr;
    if (QGuiApplication::platformName() != QLatin1String("xcb")) {
        done = true;
        return nullptr;
    }
    waiting = true;
    QTimer::singleShot(0, qApp, [] {
        done = StandInFrontOfBridge();
        waiting = false;
    });
    return nullptr;
}

} // namespace

QRect ToScreenPixels(const QRect &scaled, const ScreenScale &scale)
{
    return ToDevicePixels(scaled.translated(-scale.origin), scale.factor, scale.factor).translated(scale.origin);
}

QPoint FromScreenPixels(const QPoint &screen, const ScreenScale &scale)
{
    const QPoint from = screen - scale.origin;
    return scale.origin + QPoint(Unscaled(from.x(), scale.factor), Unscaled(from.y(), scale.factor));
}

void TellAccessiblePlacesInScreenPixels()
{
    InstallAccessibleFactory<WatchForBridge>();
}

} // namespace pigmentrix
