// Typing speed of the Wayland backends into Chromium, natively and under XWayland, on a
// headless sway (our own keymap) and a headless KWin (fake input, German layout): 1,000
// characters a run, ten runs each from one platform, as the program keeps one. Each run
// checks that the whole text arrived exactly and in order; a run that lost anything ends
// the benchmark with an error.

#include "sending/FindTargetWindow.h"
#include "sending/SendKeySequence.h"
#include "sending/wayland/WaylandPlatform.h"
#include "support/sending/TypedTexts.h"
#include "support/wayland/WaylandSession.h"
#include "support/wayland/WaylandTargets.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <string>

namespace {

// The printable cp1252 characters that the compositor can type, repeated to 1,000: on KWin
// without those the German layout has no key or composition for (the backend reports them).
std::string thousandCharacters(SendingPlatform& platform) {
    std::string typeable;
    for (const char c : everyPrintableCp1252()) {
        if (platform.layoutKey(static_cast<unsigned char>(c)) != 0xFFFF) {
            typeable += c;
        }
    }
    platform.takeUntypedCharacters();
    std::string text;
    while (text.size() < 1000) {
        text += typeable.substr(0, 1000 - text.size());
    }
    return text;
}

void typeInto(benchmark::State& state, Compositor compositor, TargetPlatform targetPlatform) {
    const WaylandSession session(compositor);
    const WaylandChromiumChat page(session, "Schnapsen - Chat", targetPlatform);
    const auto platform = createWaylandPlatform(
        compositor == Compositor::KWin ? WaylandDesktop::KWin : WaylandDesktop::Wlroots,
        session.socket());
    if (!platform) {
        state.SkipWithError("the compositor turned us away");
        return;
    }
    const std::string text = thousandCharacters(*platform);
    const std::string utf8 = cp1252ToUtf8(text);
    double seconds = 0;
    int exact = 0;
    for (auto _ : state) {
        const std::string before = page.text();
        const auto start = std::chrono::steady_clock::now();
        // As a send does it: two lookups, then the text.
        FindTargetWindow(*platform, "Schnapsen - Chat");
        const WindowHandle window = FindTargetWindow(*platform, "Schnapsen - Chat");
        const SendOutcome outcome = TypeText(*platform, text, window);
        const std::chrono::duration<double> wall = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(wall.count());
        if (window == kNullWindow || outcome != SendOutcome::Completed) {
            state.SkipWithError("the target was not typed into");
            return;
        }
        const std::string expected = before + utf8;
        if (page.waitForText(expected, std::chrono::seconds(60)) != expected) {
            state.SkipWithError("text lost or out of order");
            return;
        }
        seconds += wall.count();
        ++exact;
    }
    state.counters["exact_runs"] = exact;
    state.counters["chars_per_s"] =
        seconds > 0 ? exact * static_cast<double>(text.size()) / seconds : 0;
}

void BM_SwayChromiumWayland(benchmark::State& state) {
    typeInto(state, Compositor::Sway, TargetPlatform::Native);
}
void BM_SwayChromiumX11(benchmark::State& state) {
    typeInto(state, Compositor::Sway, TargetPlatform::XWayland);
}
void BM_KWinChromiumWayland(benchmark::State& state) {
    typeInto(state, Compositor::KWin, TargetPlatform::Native);
}
void BM_KWinChromiumX11(benchmark::State& state) {
    typeInto(state, Compositor::KWin, TargetPlatform::XWayland);
}

BENCHMARK(BM_SwayChromiumWayland)->Iterations(10)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SwayChromiumX11)->Iterations(10)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_KWinChromiumWayland)->Iterations(10)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_KWinChromiumX11)->Iterations(10)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
