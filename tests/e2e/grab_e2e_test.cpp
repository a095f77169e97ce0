// The eyedropper end to end: the real program on a private X server, a test
// pattern on the screen, the real pointer driven by xdotool. The program's
// current colour is read back through its Copy button and the clipboard, its
// magnifier from the screen. Beside it, the X11 screen reader itself on the
// same server.
#include "sampling/average_color.h"
#include "sampling/x11_screen_sampler.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QStandardPaths>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <optional>

namespace {

QString ProgramPath;

// The spot the grabs aim at: a white centre, a black 3 x 3 ring and a red
// 5 x 5 ring, so that each averaging mode gives its own colour.
constexpr QPoint Spot(1000, 600);
const QRgb Background = qRgb(40, 90, 160);

QImage Pattern(QSize size)
{
    QImage pattern(size, QImage::Format_RGB32);
    pattern.fill(Background);
    for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx) {
            const int ring = std::max(std::abs(dx), std::abs(dy));
            pattern.setPixel(Spot + QPoint(dx, dy), ring == 0   ? qRgb(255, 255, 255)
                                                    : ring == 1 ? qRgb(0, 0, 0)
                                                                : qRgb(255, 0, 0));
        }
    return pattern;
}

class PatternWindow : public QWidget {
public:
    explicit PatternWindow(const QImage &pattern)
        : QWidget(nullptr, Qt::FramelessWindowHint)
        , pattern(pattern)
    {
        setGeometry(QRect(QPoint(0, 0), pattern.size()));
    }

protected:
    void paintEvent(QPaintEvent *) override { QPainter(this).drawImage(0, 0, pattern); }

private:
    QImage pattern;
};

QString Xdotool(const QStringList &arguments)
{
    QProcess xdotool;
    xdotool.start(QStringLiteral("xdotool"), arguments);
    xdotool.waitForFinished(20000);
    return QString::fromUtf8(xdotool.readAllStandardOutput()).trimmed();
}

// Runs xdotool while this process keeps answering the X server.
void Act(const QStringList &arguments)
{
    Xdotool(arguments);
    QTest::qWait(150);
}

class GrabEndToEnd : public testing::Test {
protected:
    void SetUp() override
    {
        if (QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
            GTEST_SKIP() << "xdotool is not installed";
        patternWindow = std::make_unique<PatternWindow>(Pattern(QGuiApplication::primaryScreen()->size()));
        patternWindow->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(patternWindow.get()));

        // HTML Hex codes and the automatic copy after a grab, as a user
        // would have left them at the last close.
        const QString settingsFolder = qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/Pigmentrix");
        ASSERT_TRUE(QDir().mkpath(settingsFolder));
        QFile settings(settingsFolder + QStringLiteral("/Pigmentrix.ini"));
        ASSERT_TRUE(settings.open(QIODevice::WriteOnly | QIODevice::Truncate));
        settings.write("[Pigmentrix]\ncbxDisplay_ItemIndex=0\nAutoColorCopyafterGrab1_Checked=TRUE\n"
                       "CheckNewVersion=FALSE\n");
        settings.close();

        program.start(ProgramPath, {QStringLiteral("/allowclose")});
        ASSERT_TRUE(program.waitForStarted());
        window = Xdotool({"search", "--sync", "--onlyvisible", "--name", "^Pigmentrix"}).section('\n', 0, 0);
        ASSERT_FALSE(window.isEmpty());
        const QString geometry = Xdotool({"getwindowgeometry", "--shell", window});
        const auto value = [&geometry](const char *key) {
            const QRegularExpressionMatch match =
                QRegularExpression(QStringLiteral("%1=(-?\\d+)").arg(QLatin1String(key))).match(geometry);
            return match.captured(1).toInt();
        };
        origin = QPoint(value("X"), value("Y"));
        ASSERT_FALSE(QRect(origin, QSize(486, 282)).adjusted(-100, -100, 100, 100).contains(Spot))
            << "the program's window covers the test spot";
        QTest::qWait(500);
    }

    void TearDown() override
    {
        program.terminate();
        if (!program.waitForFinished(5000)) {
            program.kill();
            program.waitForFinished();
        }
    }

    // There is no window manager: the keys reach the program once it has the
    // input focus.
    void pressKeys(const char *keys)
    {
        Act({"windowfocus", "--sync", window});
        Act({"key", "--clearmodifiers", keys});
    }

    void click(QPoint inWindow)
    {
        const QPoint at = origin + inWindow;
        Act({"mousemove", QString::number(at.x()), QString::number(at.y())});
        Act({"click", "1"});
    }

    // Press the grab button, travel to the spot, let the timer tick, release.
    void grabSpot()
    {
        const QPoint button = origin + QPoint(311 + 16, 111 + 16);
        Act({"mousemove", QString::number(button.x()), QString::number(button.y())});
        Act({"mousedown", "1"});
        for (int step = 1; step <= 4; ++step) {
            const QPoint at = button + (Spot - button) * step / 4;
            Act({"mousemove", QString::number(at.x()), QString::number(at.y())});
        }
        QTest::qWait(500);
        Act({"mouseup", "1"});
    }

    // The code box's text, through the Copy button and the clipboard.
    QString copiedCode(const QString &expected)
    {
        QGuiApplication::clipboard()->clear();
        click({3 + 4 + 21, 111 + 55 + 11});
        return clipboardText(expected);
    }

    // The clipboard's text once it is expected, or as it is after 3 s.
    static QString clipboardText(const QString &expected)
    {
        QElapsedTimer waited;
        waited.start();
        QString text;
        while (waited.elapsed() < 3000) {
            text = QGuiApplication::clipboard()->text();
            if (text == expected)
                break;
            QTest::qWait(100);
        }
        return text;
    }

    QImage magnifierOnScreen()
    {
        const QPoint picture = origin + QPoint(311 + 3 + 1, 111 + 32 + 1);
        return QGuiApplication::primaryScreen()
            ->grabWindow(0, picture.x(), picture.y(), 165, 132)
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    }

    std::unique_ptr<PatternWindow> patternWindow;
    QProcess program;
    QString window;
    QPoint origin;
};

TEST_F(GrabEndToEnd, EachAveragingModeTakesItsColourFromTheScreen)
{
    struct Row {
        const char *keys;
        const char *code;
    };
    // Off: the white pixel; 3x3: 255 div 9 = 28; 5x5: red 17 * 255 div 25 = 173, others 255 div 25 = 10.
    const std::vector<Row> rows = {
        {"ctrl+alt+1", "#FFFFFF"},
        {"ctrl+alt+3", "#1C1C1C"},
        {"ctrl+alt+5", "#AD0A0A"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.keys);
        pressKeys(row.keys);
        QGuiApplication::clipboard()->clear();
        grabSpot();
        EXPECT_EQ(clipboardText(QString::fromLatin1(row.code)), QString::fromLatin1(row.code))
            << "copied by itself at the release";
        EXPECT_EQ(copiedCode(QString::fromLatin1(row.code)), QString::fromLatin1(row.code));

        // Zoom 4 with the cross: the centre keeps the pointer's pixel, the
        // top-left corner shows the background 20 columns and 16 rows away.
        const QImage magnifier = magnifierOnScreen();
        EXPECT_EQ(magnifier.pixel(82, 66), qRgb(255, 255, 255));
        EXPECT_EQ(magnifier.pixel(0, 0), Background);
        EXPECT_EQ(magnifier.pixel(85, 66), qRgb(255, 255, 255)) << "a black ring pixel inverted by the arm";
    }
}

// Default tracking: the pointer rests on the background long enough for
// ticks to take it, then moves onto the spot and the button is released at
// once, before the next tick. The colour taken is the spot's.
TEST_F(GrabEndToEnd, AReleaseRightAfterArrivingTakesTheColourThere)
{
    pressKeys("ctrl+alt+1");
    const QPoint button = origin + QPoint(311 + 16, 111 + 16);
    const QPoint before = Spot - QPoint(50, 50);
    Act({"mousemove", QString::number(button.x()), QString::number(button.y())});
    Act({"mousedown", "1"});
    Act({"mousemove", QString::number(before.x()), QString::number(before.y())});
    QTest::qWait(300);
    QGuiApplication::clipboard()->clear();
    // One xdotool run: the release follows the move without a pause.
    Act({"mousemove", QString::number(Spot.x()), QString::number(Spot.y()), "mouseup", "1"});
    EXPECT_EQ(clipboardText(QStringLiteral("#FFFFFF")), QStringLiteral("#FFFFFF"));
}

class X11ScreenReading : public testing::Test {
protected:
    void SetUp() override
    {
        patternWindow = std::make_unique<PatternWindow>(Pattern(QGuiApplication::primaryScreen()->size()));
        patternWindow->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(patternWindow.get()));
        QTest::qWait(200);
        screen = pigmentrix::X11ScreenSampler::open();
        ASSERT_TRUE(screen);
    }

    std::unique_ptr<PatternWindow> patternWindow;
    std::unique_ptr<pigmentrix::X11ScreenSampler> screen;
};

TEST_F(X11ScreenReading, PointerAndPixelsShareOneSpace)
{
    if (QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
        GTEST_SKIP() << "xdotool is not installed";
    Xdotool({"mousemove", "123", "45"});
    EXPECT_EQ(screen->pointerPosition(), QPoint(123, 45));
    EXPECT_EQ(screen->pixel(Spot), pigmentrix::ComposeColor(255, 255, 255));
    EXPECT_EQ(screen->pixel(Spot + QPoint(1, 1)), pigmentrix::ComposeColor(0, 0, 0));
    EXPECT_EQ(screen->pixel(Spot + QPoint(-2, 0)), pigmentrix::ComposeColor(255, 0, 0));
    EXPECT_EQ(pigmentrix::GetAverageColor(*screen, Spot.x(), Spot.y(), 5), pigmentrix::ComposeColor(173, 10, 10));
}

TEST_F(X11ScreenReading, BlocksReachingPastTheDesktopAreTransparentThere)
{
    const QSize desktop = QGuiApplication::primaryScreen()->size();
    const std::vector<QRect> areas = {
        QRect(-2, -3, 5, 5),
        QRect(desktop.width() - 2, desktop.height() - 1, 4, 4),
    };
    for (const QRect &area : areas) {
        SCOPED_TRACE(area.x());
        const std::optional<QImage> block = screen->copyArea(area);
        ASSERT_TRUE(block);
        ASSERT_EQ(block->size(), area.size());
        for (int y = 0; y < block->height(); ++y)
            for (int x = 0; x < block->width(); ++x) {
                const bool onDesktop = QRect(QPoint(0, 0), desktop).contains(area.topLeft() + QPoint(x, y));
                EXPECT_EQ(block->pixel(x, y), onDesktop ? Background : qRgba(0, 0, 0, 0)) << x << ", " << y;
            }
    }
    EXPECT_FALSE(screen->pixel({-1, 0}));
}

// An X server of the case's own, with screens and sizes it chooses; the
// screen reader and xdotool talk to it through DISPLAY while it runs.
class OwnXServer {
public:
    explicit OwnXServer(const QStringList &screens)
    {
        QStringList arguments = {QStringLiteral("-displayfd"), QStringLiteral("1"),        QStringLiteral("-nolisten"),
                                 QStringLiteral("tcp"),        QStringLiteral("-noreset"), QStringLiteral("-br")};
        arguments += screens;
        server.start(QStringLiteral("Xvfb"), arguments);
        QElapsedTimer waited;
        waited.start();
        while (display.isEmpty() && waited.elapsed() < 10000) {
            server.waitForReadyRead(200);
            display = QString::fromLatin1(server.readAllStandardOutput()).trimmed();
        }
        previous = qgetenv("DISPLAY");
        qputenv("DISPLAY", (QStringLiteral(":") + display).toLatin1());
    }
    ~OwnXServer()
    {
        qputenv("DISPLAY", previous);
        server.kill();
        server.waitForFinished();
    }
    bool started() const { return !display.isEmpty(); }

private:
    QProcess server;
    QString display;
    QByteArray previous;
};

void RunTool(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(20000);
}

TEST(X11ScreenReadingOwnServer, AGrownDesktopIsMeasuredAgainBeforeAReadPastItsOldSize)
{
    if (QStandardPaths::findExecutable(QStringLiteral("xrandr")).isEmpty())
        GTEST_SKIP() << "xrandr is not installed";
    OwnXServer server({QStringLiteral("-screen"), QStringLiteral("0"), QStringLiteral("1024x768x24")});
    ASSERT_TRUE(server.started());
    RunTool(QStringLiteral("xrandr"), {QStringLiteral("--fb"), QStringLiteral("800x600")});
    const auto screen = pigmentrix::X11ScreenSampler::open();
    ASSERT_TRUE(screen);
    EXPECT_FALSE(screen->pixel({900, 700})) << "past the desktop as it is now";
    // A monitor is added: the desktop grows.
    RunTool(QStringLiteral("xrandr"), {QStringLiteral("--fb"), QStringLiteral("1024x768")});
    EXPECT_EQ(screen->pixel({900, 700}), pigmentrix::ComposeColor(0, 0, 0));
    const std::optional<QImage> block = screen->copyArea(QRect(1020, 764, 8, 8));
    ASSERT_TRUE(block);
    EXPECT_EQ(block->pixel(3, 3), qRgb(0, 0, 0));
    EXPECT_EQ(qAlpha(block->pixel(4, 4)), 0) << "still transparent past the new edge";
}

TEST(X11ScreenReadingOwnServer, ThePointerIsFollowedToAnotherScreen)
{
    if (QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
        GTEST_SKIP() << "xdotool is not installed";
    OwnXServer server({QStringLiteral("-screen"), QStringLiteral("0"), QStringLiteral("640x480x24"),
                       QStringLiteral("-screen"), QStringLiteral("1"), QStringLiteral("800x600x24")});
    ASSERT_TRUE(server.started());
    const auto screen = pigmentrix::X11ScreenSampler::open();
    ASSERT_TRUE(screen);
    Xdotool({"mousemove", "--screen", "1", "700", "550"});
    EXPECT_EQ(screen->pointerPosition(), QPoint(700, 550)) << "on the second screen";
    EXPECT_EQ(screen->pixel({700, 550}), pigmentrix::ComposeColor(0, 0, 0)) << "read there, past the first's size";
    Xdotool({"mousemove", "--screen", "0", "10", "20"});
    EXPECT_EQ(screen->pointerPosition(), QPoint(10, 20));
    EXPECT_FALSE(screen->pixel({700, 550})) << "the first screen is smaller";
}

} // namespace

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    if (argc < 2) {
        fprintf(stderr, "usage: grab_e2e_test PIGMENTRIX_PROGRAM\n");
        return 2;
    }
    ProgramPath = QString::fromLocal8Bit(argv[1]);
    return RUN_ALL_TESTS();
}
