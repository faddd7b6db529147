// KWin with its permission checks on, as a KDE Plasma session runs it: the window list and
// fake input only for the binary that a desktop file names, and our installed file does.
#include "support/wayland/WaylandSession.h"
#include "support/x11/ChildProcess.h"
#include "support/x11/TemporaryDirectory.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

namespace {

namespace fs = std::filesystem;

// What the probe at `path` is offered, as it prints it.
std::string probe(const WaylandSession& session, const fs::path& path) {
    ChildProcess process({path.string()}, {"WAYLAND_DISPLAY=" + session.socket()});
    return process.readLine(std::chrono::seconds(10)).value_or("no answer");
}

// Asks until the answer is `expected`: KWin reads new desktop files on its own time.
std::string probeUntil(const WaylandSession& session, const fs::path& path,
                       const std::string& expected) {
    std::string answer = probe(session, path);
    for (int i = 0; i < 50 && answer != expected; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        answer = probe(session, path);
    }
    return answer;
}

// The package's desktop file, naming `program` as the install would.
void installDesktopFile(const WaylandSession& session, const fs::path& program) {
    std::ifstream in(QUIP_KWIN_DESKTOP_FILE_TEMPLATE);
    std::stringstream text;
    text << in.rdbuf();
    std::string entry = text.str();
    const std::string placeholder = "@QUIP_PROGRAM@";
    entry.replace(entry.find(placeholder), placeholder.size(), program.string());
    std::ofstream(fs::path(session.applicationsDirectory()) / "quipsender-kwin.desktop") << entry;
}

} // namespace

TEST(KWinPermission, TheDesktopFileGrantsTheNamedBinaryAndNoCopyOfIt) {
    WaylandSession session(Compositor::KWin, true);
    TemporaryDirectory scratch;
    const fs::path installed = scratch.path() / "bin" / "quipsender";
    const fs::path copy = scratch.path() / "elsewhere" / "quipsender";
    const fs::path link = scratch.path() / "quipsender-link";
    fs::create_directories(installed.parent_path());
    fs::create_directories(copy.parent_path());
    fs::copy_file(QUIP_DESKTOP_PROBE_PATH, installed);
    fs::copy_file(QUIP_DESKTOP_PROBE_PATH, copy);
    fs::create_symlink(installed, link);

    // Without the file, KWin hides what sending needs, and the session is told apart.
    EXPECT_EQ(probe(session, installed), "kwin-without-permission");

    installDesktopFile(session, installed);
    EXPECT_EQ(probeUntil(session, installed, "kwin keystate"), "kwin keystate");
    // KWin goes by the binary a process runs: a link to it counts, a copy does not.
    EXPECT_EQ(probe(session, link), "kwin keystate");
    EXPECT_EQ(probe(session, copy), "kwin-without-permission");
}
