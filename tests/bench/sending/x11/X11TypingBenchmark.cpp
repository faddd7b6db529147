// Typing speed of the X11 backend into real targets under Xvfb with the German layout:
// characters per second at the keystroke pause in use, and the sender's CPU time over
// wall time while it types. Each run checks that the whole text arrived in order.
//
// The *Keyless runs type a text in which every fifth character has no key on the layout
// (spare keys for the send). Into Chromium, xdotool types the same text without a delay in
// the same run, for comparison, five times each in turn, the text area emptied before each:
// ours_ms and xdotool_ms are the medians, xdotool_ratio ours over xdotool's, xdotool_whole
// how many of xdotool's five texts arrived whole, xdotool_chars the length of its last one.

#include "sending/FindTargetWindow.h"
#include "sending/SendKeySequence.h"
#include "sending/SendPreviewText.h"
#include "sending/x11/X11Platform.h"
#include "support/sending/TypedTexts.h"
#include "support/x11/X11TestSession.h"

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

namespace {

// cp1252 and its UTF-8 twin: both cases, digits, punctuation, umlauts, and characters
// that the German layout types with AltGr (through the escape table or the layout).
struct Sample {
    std::string cp1252;
    std::string utf8;
};

Sample thousandCharacters() {
    const Sample pieces[] = {
        {"Servus Leute, ", "Servus Leute, "},
        {"GUTES Spiel! ", "GUTES Spiel! "},
        {"Runde 12 von 40: ", "Runde 12 von 40: "},
        {"gr\xFC\xDF"
         "e ",
         "grüße "},
        {"\xC4\xD6\xDC \xE4\xF6\xFC ", "ÄÖÜ äöü "},
        {"{ja} [nein] ", "{ja} [nein] "},
        {"a@b ~x| ", "a@b ~x| "},
        {"5\x80 \\ 3\xB5m ", "5€ \\ 3µm "},
        {"(ok)? \"gut\"; ", "(ok)? \"gut\"; "},
        {"#7 + 8 = 15. ", "#7 + 8 = 15. "},
    };
    Sample sample;
    std::size_t piece = 0;
    while (sample.cp1252.size() < 1000) {
        sample.cp1252 += pieces[piece].cp1252;
        sample.utf8 += pieces[piece].utf8;
        piece = (piece + 1) % std::size(pieces);
    }
    // Cut at a whole piece boundary is not needed: cut both at the same character.
    while (sample.cp1252.size() > 1000) {
        const char last = sample.cp1252.back();
        sample.cp1252.pop_back();
        if (static_cast<unsigned char>(last) < 0x80) {
            sample.utf8.pop_back();
        } else {
            const std::size_t width = static_cast<unsigned char>(last) == 0x80 ? 3 : 2;
            sample.utf8.resize(sample.utf8.size() - width);
        }
    }
    return sample;
}

// 1,000 characters; every fifth one is one that the German layout has only as a dead-key
// composition, or not at all.
Sample keylessThousand() {
    const std::string keyed = "Servus Leute, GUTES Spiel! Runde 12 von 40: gr\xFC\xDF"
                              "e {ja} [nein] a@b ~x| 5\x80 \\ 3\xB5m (ok)? #7 + 8 = 15. ";
    const std::string keyless = "\xE9\xE8\xE0\xE7\xF1\xEA\xE2\xF4\xFB\xF9\xEB\xEF\xEE\xF5\xE3";
    Sample sample;
    for (std::size_t i = 0; sample.cp1252.size() < 1000; ++i) {
        sample.cp1252 += i % 5 == 4 ? keyless[(i / 5) % keyless.size()] : keyed[i % keyed.size()];
    }
    sample.utf8 = cp1252ToUtf8(sample.cp1252);
    return sample;
}

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// xdotool's time for the same text, typed without a delay into the focused window.
double xdotoolSeconds(const XvfbDisplay& display, const std::string& utf8) {
    const auto start = std::chrono::steady_clock::now();
    std::vector<std::string> environment = display.environment();
    environment.emplace_back("LC_ALL=C.UTF-8"); // it reads its argument in the locale's charset
    runProgram({"xdotool", "type", "--delay", "0", utf8}, environment);
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

template <typename Target>
void typeInto(benchmark::State& state, const Sample& sample) {
    XvfbDisplay display;
    display.setKeyboardLayout("de");
    const Target target(display, "Schnapsen - Chat");
    const auto platform = createX11Platform(display.name().c_str());
    std::size_t keyless = 0;
    for (const char c : sample.cp1252) {
        keyless += platform->layoutKey(static_cast<unsigned char>(c)) == 0xFFFF ? 1 : 0;
    }
    state.counters["keyless"] = static_cast<double>(keyless);
    for (auto _ : state) {
        const double cpuBefore = cpuSeconds();
        const auto start = std::chrono::steady_clock::now();
        const SendResult result =
            SendPreviewText(*platform, "Schnapsen - Chat", sample.cp1252, false);
        const std::chrono::duration<double> wall = std::chrono::steady_clock::now() - start;
        const double cpu = cpuSeconds() - cpuBefore;
        state.SetIterationTime(wall.count());
        if (result != SendResult::Sent) {
            state.SkipWithError("the target was not typed into");
            return;
        }
        const std::string received = target.waitForText(sample.utf8, std::chrono::seconds(60));
        if (received != sample.utf8) {
            state.SkipWithError(("text lost or out of order; received: " + received).c_str());
            return;
        }
        state.counters["chars_per_s"] = static_cast<double>(sample.cp1252.size()) / wall.count();
        state.counters["cpu_share"] = cpu / wall.count();
    }
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void againstXdotool(benchmark::State& state, const Sample& sample) {
    XvfbDisplay display;
    display.setKeyboardLayout("de");
    const ChromiumChat target(display, "Schnapsen - Chat");
    const auto platform = createX11Platform(display.name().c_str());
    const auto empty = [&] {
        SendKeySequence(*platform, "{CTRL-a}{DEL}", FindTargetWindow(*platform, "Schnapsen"));
        return target.waitForText("", std::chrono::seconds(20)).empty();
    };
    for (auto _ : state) {
        std::vector<double> ours;
        std::vector<double> xdotool;
        int xdotoolWhole = 0;
        std::string xdotoolText;
        for (int round = 0; round < 5; ++round) {
            if (!empty()) {
                state.SkipWithError("the text area could not be emptied");
                return;
            }
            const auto start = std::chrono::steady_clock::now();
            const SendResult result =
                SendPreviewText(*platform, "Schnapsen - Chat", sample.cp1252, false);
            ours.push_back(
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
            const std::string received = target.waitForText(sample.utf8, std::chrono::seconds(60));
            if (result != SendResult::Sent || received != sample.utf8) {
                state.SkipWithError(("text lost or out of order; received: " + received).c_str());
                return;
            }
            if (!empty()) {
                state.SkipWithError("the text area could not be emptied");
                return;
            }
            // The window has the focus from emptying it.
            xdotool.push_back(xdotoolSeconds(display, sample.utf8));
            // What it lost stays lost: a short wait.
            xdotoolText = target.waitForText(sample.utf8, std::chrono::seconds(3));
            xdotoolWhole += xdotoolText == sample.utf8 ? 1 : 0;
        }
        state.SetIterationTime(median(ours));
        state.counters["ours_ms"] = median(ours) * 1000;
        state.counters["xdotool_ms"] = median(xdotool) * 1000;
        state.counters["xdotool_ratio"] = median(ours) / median(xdotool);
        state.counters["xdotool_whole"] = xdotoolWhole;
        // Characters of its last text, against 1,000 sent.
        state.counters["xdotool_chars"] =
            static_cast<double>(std::count_if(xdotoolText.begin(), xdotoolText.end(), [](char c) {
                return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
            }));
    }
}

void BM_TypeIntoQtTextBox(benchmark::State& state) {
    typeInto<ChatTargetWindow>(state, thousandCharacters());
}

void BM_TypeIntoChromium(benchmark::State& state) {
    typeInto<ChromiumChat>(state, thousandCharacters());
}

void BM_TypeIntoQtTextBoxKeyless(benchmark::State& state) {
    typeInto<ChatTargetWindow>(state, keylessThousand());
}

void BM_TypeIntoChromiumKeylessAgainstXdotool(benchmark::State& state) {
    againstXdotool(state, keylessThousand());
}

// One run each: the text accumulates in the target.
BENCHMARK(BM_TypeIntoQtTextBox)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TypeIntoChromium)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TypeIntoQtTextBoxKeyless)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TypeIntoChromiumKeylessAgainstXdotool)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
