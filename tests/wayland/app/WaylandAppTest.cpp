// The real main window, its own windows under XWayland as the program runs them, sending
// through the backend it picks itself from WAYLAND_DISPLAY: sway, KWin, and KWin hiding its
// interfaces.
#include "support/app/ScratchProgramDirectory.h"
#include "support/wayland/WaylandSession.h"
#include "support/wayland/WaylandTargets.h"

#include "app/ProgramWindows.h"
#include "runtime/MessageBoxes.h"
#include "runtime/SettingsPath.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

namespace {

// The session the program's own windows run in (through its XWayland).
const WaylandSession* home = nullptr;

// The program in a scratch directory whose settings name "Schnapsen - Chat" as the target,
// sending on the session `sending` (WAYLAND_DISPLAY as the program finds it).
class WaylandAppTest : public ::testing::Test {
protected:
    ~WaylandAppTest() override {
        fMain.reset();
        setenv("WAYLAND_DISPLAY", home->socket().c_str(), 1);
    }

    void start(const WaylandSession& sending) {
        setenv("WAYLAND_DISPLAY", sending.socket().c_str(), 1);
        fMain = ScratchProgramDirectory::startProgram(true);
    }

    void send(const QString& text) { ScratchProgramDirectory::send(*fMain, text); }

    std::unique_ptr<TfMain> fMain;
    QStringList boxes;

private:
    ScopedMessageBoxPresenter presenter_{[this](const MessageBoxRequest& box) {
        boxes << box.text;
        return MessageBoxAnswer::Ok;
    }};
    ScratchProgramDirectory directory_;
};

} // namespace

TEST_F(WaylandAppTest, OnSwaySendTypesThePreviewAndEnterIntoANativeWindow) {
    WaylandChatTarget chat(*home, "Schnapsen - Chat", TargetPlatform::Native);
    start(*home);
    send(QStringLiteral("Grüß Gott, 5 € für dich! ‰ ñ"));
    EXPECT_EQ(chat.waitForText("Grüß Gott, 5 € für dich! ‰ ñ\n"), "Grüß Gott, 5 € für dich! ‰ ñ\n");
    EXPECT_TRUE(boxes.isEmpty()) << boxes.join('|').toStdString();
}

TEST_F(WaylandAppTest, OnKWinSendTypesThroughTheLayoutAndNamesWhatItHasNoKeyFor) {
    WaylandSession kwin(Compositor::KWin);
    WaylandChatTarget chat(kwin, "Schnapsen - Chat", TargetPlatform::XWayland);
    start(kwin);
    send(QStringLiteral("Grüß Gott, 5 € für dich! ‰ ñ"));
    EXPECT_EQ(chat.waitForText("Grüß Gott, 5 € für dich!  \n"), "Grüß Gott, 5 € für dich!  \n");
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_EQ(boxes[0], QStringLiteral("Diese Zeichen kann die Tastaturbelegung nicht schreiben, "
                                       "sie wurden nicht gesendet: ‰ ñ"));
}

TEST_F(WaylandAppTest, AKdeSessionWithoutTheDesktopFileIsToldOnce) {
    // KWin hides its window list from us too: no target can be started and waited for.
    WaylandSession kwin(Compositor::KWin, true);
    start(kwin);
    send(QStringLiteral("Hallo"));
    ASSERT_EQ(boxes.size(), 2) << boxes.join('|').toStdString();
    EXPECT_EQ(boxes[0], QStringLiteral("Zielfenster Schnapsen - Chat nicht vorhanden!"));
    EXPECT_TRUE(boxes[1].startsWith(QStringLiteral("KDE Plasma lässt Quipsender")));
    EXPECT_TRUE(boxes[1].contains(QStringLiteral("/share/applications/quipsender-kwin.desktop ")));
    send(QStringLiteral("Hallo"));
    ASSERT_EQ(boxes.size(), 3);
    EXPECT_EQ(boxes[2], QStringLiteral("Zielfenster Schnapsen - Chat nicht vorhanden!"));
}

int main(int argc, char* argv[]) {
    WaylandSession sway(Compositor::Sway);
    home = &sway;
    // The program's own windows are X11 windows, as main() makes them.
    setenv("DISPLAY", sway.display().c_str(), 1);
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    setenv("WAYLAND_DISPLAY", sway.socket().c_str(), 1);
    int result = 0;
    {
        QApplication app(argc, argv);
        ::testing::InitGoogleTest(&argc, argv);
        result = RUN_ALL_TESTS();
    }
    return result;
}
