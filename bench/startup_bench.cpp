// Start-up to the first shown window: the program against a Qt Widgets hello world, each a
// separate process started and waited for, alternating, on the X server of DISPLAY or else on
// the offscreen platform. Both note the moment their first window is painted and quit (see
// StartupProbe.cpp). The iteration time is from the start of the process to that first paint,
// what the player waits for; the whole process, its exit included, and its CPU time are
// counters.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

struct Run {
    double firstPaint = -1; // seconds from spawn to the first paint
    double wall = -1;       // seconds from spawn to exit
    double cpu = 0;         // user + system seconds of the child
};

double seconds(const timeval& t) {
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
}

Run runOnce(const char* program) {
    Run run;
    int stamp[2];
    if (::pipe(stamp) != 0) return run;
    ::fcntl(stamp[0], F_SETFD, FD_CLOEXEC); // the child keeps only the end it writes to
    ::setenv("QUINTARA_STARTUP_FD", std::to_string(stamp[1]).c_str(), 1);
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    char* argv[] = {const_cast<char*>(program), nullptr};
    const bool spawned = ::posix_spawn(&pid, program, nullptr, nullptr, argv, environ) == 0;
    ::close(stamp[1]);
    std::int64_t painted = 0;
    const bool stamped = spawned && ::read(stamp[0], &painted, sizeof painted) == static_cast<ssize_t>(sizeof painted);
    ::close(stamp[0]);
    if (!spawned) return run;
    int status = 0;
    rusage usage{};
    while (::wait4(pid, &status, 0, &usage) < 0) {
    }
    const auto end = std::chrono::steady_clock::now();
    if (!stamped || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return run;
    run.firstPaint = std::chrono::duration<double>(
                         std::chrono::steady_clock::time_point(std::chrono::nanoseconds(painted)) - start)
                         .count();
    run.wall = std::chrono::duration<double>(end - start).count();
    run.cpu = seconds(usage.ru_utime) + seconds(usage.ru_stime);
    return run;
}

// The time to the first paint as the iteration time; the whole process and the child's CPU
// time (which a machine shared with other work disturbs far less) as counters, ms per start.
void run(benchmark::State& state, const char* program) {
    double cpu = 0;
    double wall = 0;
    for ([[maybe_unused]] auto _ : state) {
        const Run r = runOnce(program);
        if (r.wall < 0) {
            state.SkipWithError("the program did not start, paint and end cleanly");
            return;
        }
        state.SetIterationTime(r.firstPaint);
        cpu += r.cpu;
        wall += r.wall;
    }
    state.counters["child_cpu_ms"] = benchmark::Counter(cpu * 1000, benchmark::Counter::kAvgIterations);
    state.counters["to_exit_ms"] = benchmark::Counter(wall * 1000, benchmark::Counter::kAvgIterations);
}

void BM_StartupHelloWorld(benchmark::State& state) {
    run(state, QUINTARA_HELLO_PROGRAM);
}
void BM_StartupProgram(benchmark::State& state) {
    run(state, QUINTARA_STARTUP_PROGRAM);
}
BENCHMARK(BM_StartupHelloWorld)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartupProgram)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    // Under an X server (DISPLAY set, e.g. xvfb-run) the windows are shown on it, as a player
    // sees them; without one on the offscreen platform.
    if (!std::getenv("DISPLAY")) ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // A settings folder of its own, the same for every run (the first run creates it).
    char dir[] = "/tmp/quintara-startup-XXXXXX";
    if (!::mkdtemp(dir)) return 1;
    ::setenv("XDG_CONFIG_HOME", dir, 1);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::system((std::string("rm -rf '") + dir + "'").c_str());
    return 0;
}
