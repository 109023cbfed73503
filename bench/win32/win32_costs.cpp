// SPDX-License-Identifier: GPL-3.0-or-later
// What the Windows program costs against bare Win32 floors, in one run: start-up to the first
// painted frame and the peak working set by then, against a bare window; the prompt round trip
// against a bare dialog. The programs beside this one are run in turn, interleaved, and the
// medians compared with the targets. Usage: win32_costs [runs]

#include "probe.h"

#include "median.h"
#include "win32_program.h"

#include <cstdlib>
#include <map>
#include <string>

namespace {

// Runs the program of that name beside this one; its "key value" lines, and "started_us" for
// the moment it was started.
std::map<std::string, std::int64_t> run(const std::wstring &name)
{
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    std::map<std::string, std::int64_t> values;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0))
        return values;
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    PROCESS_INFORMATION process{};
    values["started_us"] = bench::nowUs();
    if (kit::startBeside(name, process, writeEnd)) {
        CloseHandle(writeEnd);
        std::string output;
        char buffer[256];
        DWORD got = 0;
        while (ReadFile(readEnd, buffer, sizeof buffer, &got, nullptr) && got > 0)
            output.append(buffer, got);
        WaitForSingleObject(process.hProcess, INFINITE);
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
        for (std::size_t at = 0; at < output.size();) {
            const std::size_t end = output.find('\n', at);
            const std::string line = output.substr(at, end - at);
            const std::size_t blank = line.find(' ');
            if (blank != std::string::npos)
                values[line.substr(0, blank)] = std::atoll(line.c_str() + blank + 1);
            at = end == std::string::npos ? output.size() : end + 1;
        }
    } else {
        CloseHandle(writeEnd);
    }
    CloseHandle(readEnd);
    return values;
}

// The median of the values, in units of `scale`.
double medianIn(const std::vector<std::int64_t> &values, double scale)
{
    return kit::median(values) / scale;
}

void row(const char *figure, double program, double floor, const char *unit, double target)
{
    const double ratio = floor > 0 ? program / floor : 0;
    std::printf("%-32s %10.2f %-3s %10.2f %-3s %6.2fx  <= %.2fx  %s\n", figure, program, unit,
                floor, unit, ratio, target, ratio <= target ? "met" : "NOT MET");
}

} // namespace

int main(int argc, char *argv[])
{
    const int runs = argc > 1 ? std::max(3, std::atoi(argv[1])) : 11;
    // Start-up and memory of the program, the bare window and the captions floor, in turn.
    const wchar_t *starts[] = {L"bench_win32_start_real.exe", L"bench_win32_start_bare.exe",
                               L"bench_win32_start_captions.exe"};
    std::vector<std::int64_t> start[3], memory[3], tripReal, tripBare;
    for (int i = 0; i < runs; ++i) {
        for (std::size_t program = 0; program < 3; ++program) {
            auto values = run(starts[program]);
            start[program].push_back(values["painted_us"] - values["started_us"]);
            memory[program].push_back(values["peak_kib"]);
        }
    }
    for (int i = 0; i < std::max(3, runs / 2); ++i) {
        tripReal.push_back(run(L"bench_win32_prompt_real.exe")["round_trip_us"]);
        tripBare.push_back(run(L"bench_win32_prompt_bare.exe")["round_trip_us"]);
    }
    std::printf("medians of %d runs under Wine (not Windows)\n", runs);
    std::printf("%-32s %14s %14s %7s  %s\n", "figure", "Brannock", "floor", "ratio", "target");
    row("start-up, bare floor", medianIn(start[0], 1000), medianIn(start[1], 1000), "ms", 1.15);
    row("start-up, captions floor", medianIn(start[0], 1000), medianIn(start[2], 1000), "ms", 1.15);
    row("peak memory, bare floor", medianIn(memory[0], 1024), medianIn(memory[1], 1024), "MiB",
        1.15);
    row("peak memory, captions floor", medianIn(memory[0], 1024), medianIn(memory[2], 1024), "MiB",
        1.15);
    row("prompt round trip", medianIn(tripReal, 1000), medianIn(tripBare, 1000), "ms", 1.5);
    return 0;
}
