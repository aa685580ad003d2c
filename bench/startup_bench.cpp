// Start-up to the first shown window: the program against a Qt Widgets hello world, each a
// separate process started and waited for (both quit once their first window is painted,
// see StartupProbe.cpp), alternating, on the offscreen platform.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

struct Run {
    double wall = -1; // seconds from spawn to exit
    double cpu = 0;   // user + system seconds of the child
};

double seconds(const timeval& t) {
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
}

Run runOnce(const char* program) {
    Run run;
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    char* argv[] = {const_cast<char*>(program), nullptr};
    if (::posix_spawn(&pid, program, nullptr, nullptr, argv, environ) != 0) return run;
    int status = 0;
    rusage usage{};
    while (::wait4(pid, &status, 0, &usage) < 0) {
    }
    const auto end = std::chrono::steady_clock::now();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return run;
    run.wall = std::chrono::duration<double>(end - start).count();
    run.cpu = seconds(usage.ru_utime) + seconds(usage.ru_stime);
    return run;
}

// Wall time as the iteration time; the child's CPU time as a counter (ms per start), which a
// machine shared with other work disturbs far less.
void run(benchmark::State& state, const char* program) {
    double cpu = 0;
    for (auto _ : state) {
        const Run r = runOnce(program);
        if (r.wall < 0) {
            state.SkipWithError("the program did not start and end cleanly");
            return;
        }
        state.SetIterationTime(r.wall);
        cpu += r.cpu;
    }
    state.counters["child_cpu_ms"] = benchmark::Counter(cpu * 1000, benchmark::Counter::kAvgIterations);
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
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
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
