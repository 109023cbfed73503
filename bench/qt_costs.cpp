// SPDX-License-Identifier: GPL-3.0-or-later
// Driver of the cost benchmarks: runs each small Qt program of bench/ as a child process, the
// program's side and Qt's floor in turn, repeated, and prints every figure as the median of
// the runs, its spread (lowest and highest run), the floor's, their ratio and the target.
//
//   qt_costs [--runs N]
//
// Start-up is measured from just before fork() to the child's first painted frame; peak memory
// is the child's maximum resident set from wait4(). Both run on the offscreen platform, and on
// xcb on the display DISPLAY names when it is set (scripts/bench.sh runs this driver on a
// private Xvfb, scripts/with-xvfb.sh). Children get a temporary HOME, no print
// scheduler and no settings of the user. Missing a target is reported, not failed: the exit
// status is 0 unless a program could not be measured at all.

#include "median.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

std::int64_t monotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return std::int64_t{now.tv_sec} * 1'000'000'000 + now.tv_nsec;
}

struct ChildRun
{
    std::map<std::string, std::vector<std::int64_t>, std::less<>> values; // "key value" lines
    std::int64_t forkAt = 0; // CLOCK_MONOTONIC ns, just before fork()
    long peakKib = 0;        // maximum resident set
    bool ok = false;

    std::int64_t value(std::string_view key) const
    {
        const auto found = values.find(key);
        return found == values.end() || found->second.empty() ? 0 : found->second.front();
    }
};

std::string g_workDir; // temporary HOME of the children
int g_failures = 0;

ChildRun runChild(const std::string &program, const std::vector<std::string> &args,
                  const std::vector<std::pair<std::string, std::string>> &environment)
{
    ChildRun run;
    int out[2];
    if (pipe(out) != 0)
        return run;
    const std::string errorFile = g_workDir + "/stderr.txt";
    run.forkAt = monotonicNs();
    const pid_t pid = fork();
    if (pid == 0) {
        for (const auto &[name, value] : environment)
            setenv(name.c_str(), value.c_str(), 1);
        dup2(out[1], STDOUT_FILENO);
        const int err = open(errorFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (err >= 0)
            dup2(err, STDERR_FILENO);
        close(out[0]);
        close(out[1]);
        std::vector<char *> argv{const_cast<char *>(program.c_str())};
        for (const std::string &arg : args)
            argv.push_back(const_cast<char *>(arg.c_str()));
        argv.push_back(nullptr);
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    close(out[1]);
    std::string text;
    char buffer[4096];
    for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) != 0;) {
        if (n < 0)
            break;
        text.append(buffer, static_cast<std::size_t>(n));
    }
    close(out[0]);
    int status = 0;
    rusage usage{};
    if (pid < 0 || wait4(pid, &status, 0, &usage) != pid)
        return run;
    run.peakKib = usage.ru_maxrss;
    run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;

    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        const auto space = line.find(' ');
        if (space == std::string::npos)
            continue;
        std::int64_t value = 0;
        std::from_chars(line.data() + space + 1, line.data() + line.size(), value);
        run.values[line.substr(0, space)].push_back(value);
    }
    if (!run.ok) {
        ++g_failures;
        std::fprintf(stderr, "%s failed; its errors:\n", program.c_str());
        std::ifstream errors(errorFile);
        std::fprintf(stderr, "%s\n",
                     std::string(std::istreambuf_iterator<char>(errors), {}).c_str());
    }
    return run;
}

using kit::median;

std::string fixed(double value, int decimals)
{
    char text[64];
    const auto end
            = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals)
                      .ptr;
    return {text, end};
}

// Runs of one figure: the median and the lowest and highest run.
struct Figure
{
    std::vector<double> runs;
    std::string text(int decimals) const
    {
        if (runs.empty())
            return "-";
        return fixed(median(runs), decimals) + " ("
               + fixed(*std::min_element(runs.begin(), runs.end()), decimals) + "-"
               + fixed(*std::max_element(runs.begin(), runs.end()), decimals) + ")";
    }
};

struct Row
{
    std::string measure;
    std::string platform;
    std::string unit;
    Figure program;
    std::optional<Figure> floor;
    int decimals = 1;
    std::string target;
    // Whether the target is met, from the medians; empty when no target.
    std::string met;
};

std::vector<Row> g_rows;

std::string pad(std::string text, std::size_t width)
{
    // Columns are ASCII, so bytes are characters.
    if (text.size() < width)
        text.append(width - text.size(), ' ');
    return text;
}

void printTable()
{
    const std::vector<std::string> heads
            = {"figure", "platform", "Brannock (min-max)", "Qt floor (min-max)", "ratio",
               "target", "met"};
    std::vector<std::vector<std::string>> cells;
    cells.push_back(heads);
    for (const Row &row : g_rows) {
        std::string ratio = "-";
        if (row.floor && median(row.floor->runs) > 0)
            ratio = fixed(median(row.program.runs) / median(row.floor->runs), 2) + "x";
        cells.push_back({row.measure + " [" + row.unit + "]", row.platform,
                         row.program.text(row.decimals),
                         row.floor ? row.floor->text(row.decimals) : std::string("-"), ratio,
                         row.target, row.met});
    }
    std::vector<std::size_t> widths(heads.size(), 0);
    for (const auto &line : cells)
        for (std::size_t i = 0; i < line.size(); ++i)
            widths[i] = std::max(widths[i], line[i].size());
    for (std::size_t l = 0; l < cells.size(); ++l) {
        std::string text;
        for (std::size_t i = 0; i < cells[l].size(); ++i)
            text += pad(cells[l][i], widths[i] + 2);
        while (!text.empty() && text.back() == ' ')
            text.pop_back();
        std::printf("%s\n", text.c_str());
        if (l == 0) {
            std::size_t total = 0;
            for (const std::size_t width : widths)
                total += width + 2;
            std::printf("%s\n", std::string(total - 2, '-').c_str());
        }
    }
}

double ratioOf(const Row &row)
{
    return row.floor ? median(row.program.runs) / median(row.floor->runs) : 0;
}

std::string yesNo(bool met)
{
    return met ? "yes" : "NO";
}

using Environment = std::vector<std::pair<std::string, std::string>>;

void measureStartUp(const std::string &platform, const Environment &environment, int runs)
{
    struct Side
    {
        const char *program;
        std::vector<double> frameMs, peakMib, mainMs, appMs, builtMs, paintMs;
    };
    Side real{BENCH_START_REAL, {}, {}, {}, {}, {}, {}};
    Side bare{BENCH_START_BARE, {}, {}, {}, {}, {}, {}};
    Side linked{BENCH_START_BARE_LINKED, {}, {}, {}, {}, {}, {}};
    Side captions{BENCH_START_CAPTIONS, {}, {}, {}, {}, {}, {}};
    // One unmeasured run each: the font and shader caches are then as warm for every side.
    for (Side *side : {&bare, &real, &linked, &captions})
        runChild(side->program, {}, environment);
    for (int r = 0; r < runs; ++r) {
        // The order turns every run, so a drift of the machine weighs on every side alike.
        std::vector<Side *> order = {&bare, &real, &linked, &captions};
        std::rotate(order.begin(), order.begin() + r % 4, order.end());
        for (Side *side : order) {
            const ChildRun run = runChild(side->program, {}, environment);
            if (!run.ok)
                continue;
            const auto ms = [&](std::string_view key) {
                return static_cast<double>(run.value(key) - run.forkAt) / 1e6;
            };
            side->frameMs.push_back(ms("frame_ns"));
            side->peakMib.push_back(static_cast<double>(run.peakKib) / 1024.0);
            side->mainMs.push_back(ms("main_ns"));
            side->appMs.push_back(ms("app_ns"));
            side->builtMs.push_back(ms("built_ns"));
            side->paintMs.push_back(ms("first_paint_ns"));
        }
    }
    // Against a bare window, which draws no text, and against the captions floor, which draws
    // the window's Chinese captions and is the fair floor: the target is set against it.
    g_rows.push_back({"start-up, bare floor",
                      platform,
                      "ms",
                      {real.frameMs},
                      Figure{bare.frameMs},
                      1,
                      "-",
                      ""});
    Row startUp{"start-up, captions floor", platform, "ms",       {real.frameMs},
                Figure{captions.frameMs},   1,        "<= 1.15x", ""};
    startUp.met = yesNo(ratioOf(startUp) <= 1.15);
    g_rows.push_back(startUp);
    g_rows.push_back({"peak memory (max RSS), bare floor",
                      platform,
                      "MiB",
                      {real.peakMib},
                      Figure{bare.peakMib},
                      1,
                      "-",
                      ""});
    Row memory{"peak memory (max RSS), captions floor",
               platform,
               "MiB",
               {real.peakMib},
               Figure{captions.peakMib},
               1,
               "<= 1.15x",
               ""};
    memory.met = yesNo(ratioOf(memory) <= 1.15);
    g_rows.push_back(memory);

    // Where the start-up goes, each phase from fork(): for finding what costs, not a target.
    std::printf("start-up phases on %s, medians in ms from fork() (real / bare / bare linked "
                "like the program / captions):\n",
                platform.c_str());
    const auto phase = [&](const char *name, std::vector<double> Side::*figure) {
        std::printf("  %-34s %8s / %8s / %8s / %8s\n", name, fixed(median(real.*figure), 1).c_str(),
                    fixed(median(bare.*figure), 1).c_str(),
                    fixed(median(linked.*figure), 1).c_str(),
                    fixed(median(captions.*figure), 1).c_str());
    };
    phase("main() entered (loading, linking)", &Side::mainMs);
    phase("QApplication and font set up", &Side::appMs);
    phase("window built", &Side::builtMs);
    phase("first paint event", &Side::paintMs);
    phase("first frame painted", &Side::frameMs);
    phase("peak memory [MiB]", &Side::peakMib);
    std::printf("\n");
    std::fflush(stdout);
}

void measurePrompts(const std::string &platform, const Environment &environment, int runs)
{
    std::vector<double> realRuns, bareRuns;
    std::size_t realSamples = 0, bareSamples = 0;
    const auto medianMs = [](const ChildRun &run) {
        std::vector<double> samples;
        const auto found = run.values.find("round_trip_ns");
        if (found != run.values.end())
            for (const std::int64_t ns : found->second)
                samples.push_back(static_cast<double>(ns) / 1e6);
        return std::make_pair(median(samples), samples.size());
    };
    for (int r = 0; r < runs; ++r) {
        for (int side = 0; side < 2; ++side) {
            const bool real = (side + r) % 2 == 0;
            const ChildRun run = runChild(real ? BENCH_PROMPT_REAL : BENCH_PROMPT_BARE,
                                          {real ? "30" : "180"}, environment);
            if (!run.ok)
                continue;
            const auto [ms, count] = medianMs(run);
            (real ? realRuns : bareRuns).push_back(ms);
            (real ? realSamples : bareSamples) += count;
        }
    }
    Row row{"prompt round trip (Enter to next Show)",
            platform,
            "ms",
            {realRuns},
            Figure{bareRuns},
            3,
            "<= 1.5x and < 16 ms",
            ""};
    row.met = yesNo(ratioOf(row) <= 1.5 && median(realRuns) < 16.0);
    g_rows.push_back(row);
    std::printf("prompt round trips on %s: %zu of the program's, %zu of the floor's, in %d runs "
                "each (per run: the median)\n\n",
                platform.c_str(), realSamples, bareSamples, runs);
    std::fflush(stdout);
}

void measureReport(const Environment &environment, int runs)
{
    std::vector<double> realMs, floorMs, realMib, floorMib, realKib, floorKib;
    std::int64_t lines = 0;
    for (int r = 0; r < runs; ++r) {
        for (int side = 0; side < 2; ++side) {
            const bool real = (side + r) % 2 == 0;
            const ChildRun run = runChild(BENCH_REPORT_PDF,
                                          real ? std::vector<std::string>{}
                                               : std::vector<std::string>{"--floor"},
                                          environment);
            if (!run.ok)
                continue;
            (real ? realMs : floorMs).push_back(static_cast<double>(run.value("render_ns")) / 1e6);
            (real ? realMib : floorMib)
                    .push_back(static_cast<double>(run.value("peak_growth_kib")) / 1024.0);
            (real ? realKib : floorKib)
                    .push_back(static_cast<double>(run.value("file_bytes")) / 1024.0);
            lines = run.value("lines");
        }
    }
    Row time{"9,999-point report to PDF",
             "offscreen",
             "ms",
             {realMs},
             Figure{floorMs},
             0,
             "< 2000 ms",
             ""};
    time.met = yesNo(!realMs.empty() && median(realMs) < 2000);
    g_rows.push_back(time);
    g_rows.push_back({"  its peak memory growth",
                      "offscreen",
                      "MiB",
                      {realMib},
                      Figure{floorMib},
                      1,
                      "-",
                      ""});
    g_rows.push_back(
            {"  its PDF file", "offscreen", "KiB", {realKib}, Figure{floorKib}, 0, "-", ""});
    std::printf("report: %lld lines; floor: the same lines drawn straight into a PDF QPrinter\n\n",
                static_cast<long long>(lines));
    std::fflush(stdout);
}

} // namespace

int main(int argc, char *argv[])
{
    int runs = 11;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--runs" && i + 1 < argc)
            std::from_chars(argv[i + 1], argv[i + 1] + std::strlen(argv[i + 1]), runs), ++i;
        else {
            std::fprintf(stderr, "usage: %s [--runs N]\n", argv[0]);
            return 2;
        }
    }
    runs = std::max(runs, 1);

    char folder[] = "/tmp/brannock-bench.XXXXXX";
    if (!mkdtemp(folder)) {
        std::perror("mkdtemp");
        return 1;
    }
    g_workDir = folder;
    const std::string runtime = g_workDir + "/runtime";
    mkdir(runtime.c_str(), 0700);
    Environment common = {{"HOME", g_workDir},
                          {"XDG_CONFIG_HOME", g_workDir + "/.config"},
                          {"XDG_DATA_HOME", g_workDir + "/.local/share"},
                          {"XDG_RUNTIME_DIR", runtime},
                          {"CUPS_SERVER", g_workDir + "/no-scheduler.sock"}};

    std::printf("Brannock costs against Qt's floor, %d runs of each side, interleaved\n\n", runs);
    Environment offscreen = common;
    offscreen.emplace_back("QT_QPA_PLATFORM", "offscreen");
    measureStartUp("offscreen", offscreen, runs);
    measurePrompts("offscreen", offscreen, std::max(runs / 2, 3));

    if (const char *display = std::getenv("DISPLAY"); display && *display) {
        Environment x11 = common;
        x11.emplace_back("QT_QPA_PLATFORM", "xcb");
        x11.emplace_back("DISPLAY", display);
        measureStartUp("xcb", x11, runs);
        measurePrompts("xcb", x11, std::max(runs / 2, 3));
    } else {
        std::printf("xcb: not measured (DISPLAY is not set)\n\n");
    }
    measureReport(offscreen, std::max(runs / 2, 3));

    printTable();
    std::error_code error;
    std::filesystem::remove_all(g_workDir, error);
    return g_failures == 0 ? 0 : 1;
}
