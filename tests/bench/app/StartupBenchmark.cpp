// Time from starting the program to its main window shown (mapped and viewable) under Xvfb,
// with the default files and with seven phrase files of 10,000 rows each, and the
// program's peak resident memory at that moment. Each repetition starts the program anew.

#include "support/x11/X11TestSession.h"

#include <X11/Xlib.h>
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

namespace {

namespace fs = std::filesystem;

int ignoreErrors(Display*, XErrorEvent*) {
    return 0; // the program's windows come and go
}

XvfbDisplay& sharedServer() {
    static XvfbDisplay server;
    return server;
}

void writeFile(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// The defaults, with the first-run question answered, and optionally large phrase files.
fs::path workingDirectory(const TemporaryDirectory& scratch, bool large) {
    for (const auto& entry : fs::directory_iterator(QUIP_DEFAULTS_DIR)) {
        fs::copy_file(entry.path(), scratch.path() / entry.path().filename(),
                      fs::copy_options::overwrite_existing);
    }
    std::ofstream(scratch.path() / "quipsender.INI", std::ios::binary | std::ios::app)
        << "FirstExecution=0\r\n";
    if (large) {
        for (int page = 1; page <= 7; ++page) {
            std::string text;
            for (int row = 0; row < 10000; ++row) {
                const std::string n = std::to_string(row);
                text += page == 4 ? ":-)\tl\xE4"
                                    "cheln " +
                                        n + "\t\r\n"
                                  : "Satz " + n + ": Der Klügere gibt nach, sagt man, gell?\t\r\n";
            }
            writeFile(scratch.path() / ("Gitter_" + std::to_string(page) + ".txt"), text);
        }
    }
    return scratch.path();
}

bool mainWindowViewable(Display* display, X11Probe& probe) {
    const auto window = probe.findWindowByCaptionPrefix("Quipsender [");
    if (!window) {
        return false;
    }
    XWindowAttributes attributes{};
    return XGetWindowAttributes(display, *window, &attributes) != 0 &&
           attributes.map_state == IsViewable;
}

// The peak resident set of a process, in MiB.
double peakMemoryMiB(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) {
            return std::stod(line.substr(6)) / 1024.0;
        }
    }
    return 0;
}

void StartToShown(benchmark::State& state, bool large) {
    XvfbDisplay& server = sharedServer();
    TemporaryDirectory scratch;
    const fs::path directory = workingDirectory(scratch, large);
    X11Probe probe(server.name());
    Display* display = XOpenDisplay(server.name().c_str());
    XSetErrorHandler(ignoreErrors);
    const fs::path previous = fs::current_path();
    fs::current_path(directory); // the program keeps its files in its current directory
    double peak = 0;
    for (auto _ : state) {
        const auto started = std::chrono::steady_clock::now();
        ChildProcess program({QUIP_PROGRAM_PATH}, server.environment());
        while (!mainWindowViewable(display, probe)) {
            if (std::chrono::steady_clock::now() - started > std::chrono::seconds(30)) {
                state.SkipWithError("the main window did not show");
                break;
            }
            std::this_thread::sleep_for(std::chrono::microseconds(500));
        }
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - started;
        state.SetIterationTime(elapsed.count());
        peak = peakMemoryMiB(program.pid());
    }
    state.counters["peak_MiB"] = peak;
    fs::current_path(previous);
    XCloseDisplay(display);
}

} // namespace

BENCHMARK_CAPTURE(StartToShown, DefaultFiles, false)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(StartToShown, SevenPagesOf10000Rows, true)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

BENCHMARK_MAIN();
