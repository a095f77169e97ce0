#pragma once

#include "model/color.h"

#include <QDBusConnection>
#include <QImage>
#include <QObject>
#include <QString>
#include <QVariantMap>

#include <chrono>

class QTimer;

namespace pigmentrix {

// Why the portal gave no picture or colour.
enum class PortalRefusal {
    Missing, // no portal, or one without the call
    Cancelled, // the user said no (response 1)
    Denied, // the desktop said no or failed (response 2 and above)
    NoAnswer, // no response in time
    Unreadable // a picture the program could not read
};

// The desktop portal's Screenshot interface over D-Bus: one still picture of
// the whole desktop, or a colour from the desktop's own picker. One request
// at a time; every request ends in exactly one signal.
class DesktopPortal final : public QObject {
    Q_OBJECT

public:
    explicit DesktopPortal(QDBusConnection bus = QDBusConnection::sessionBus(), QObject *parent = nullptr);
    ~DesktopPortal() override;

    // How long a request may go unanswered; the first screenshot may wait
    // for the user to allow it.
    void setAnswerTimeout(std::chrono::milliseconds timeout);
    bool busy() const { return pending != Call::None; }

    void requestScreenshot();
    void requestColor();
    // Gives the pending request up: the desktop may close what it shows
    // for it, and no signal follows.
    void abandon();

signals:
    void screenshotTaken(QImage image);
    void colorPicked(TColor color);
    void refused(PortalRefusal why);

private slots:
    void handleResponse(uint response, const QVariantMap &results);

private:
    enum class Call { None, Screenshot, PickColor };

    void request(Call call, const QString &method, QVariantMap options);
    void listenTo(const QString &path);
    void stopListening();
    void finish(PortalRefusal why);
    void takeScreenshot(const QVariantMap &results);
    void takeColor(const QVariantMap &results);

    QDBusConnection bus;
    QTimer *answerTimer;
    Call pending = Call::None;
    QString requestPath;
    unsigned tokens = 0;
};

} // namespace pigmentrix
