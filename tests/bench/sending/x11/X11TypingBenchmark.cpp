// Typing speed of the X11 backend into real targets under Xvfb with the German layout:
// characters per second at the keystroke pause in use, and the sender's CPU time over
// wall time while it types. Each run checks that the whole text arrived in order.

#include "sending/SendPreviewText.h"
#include "sending/x11/X11Platform.h"
#include "support/x11/X11TestSession.h"

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <chrono>
#include <string>

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

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

template <typename Target>
void typeInto(benchmark::State& state) {
    const Sample sample = thousandCharacters();
    XvfbDisplay display;
    display.setKeyboardLayout("de");
    const Target target(display, "Schnapsen - Chat");
    const auto platform = createX11Platform(display.name().c_str());
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
        state.counters["chars_per_s"] = 1000.0 / wall.count();
        state.counters["cpu_share"] = cpu / wall.count();
    }
}

void BM_TypeIntoQtTextBox(benchmark::State& state) {
    typeInto<ChatTargetWindow>(state);
}

void BM_TypeIntoChromium(benchmark::State& state) {
    typeInto<ChromiumChat>(state);
}

// One run each: the text accumulates in the target.
BENCHMARK(BM_TypeIntoQtTextBox)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TypeIntoChromium)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
