// Start-up to the first shown window: the program against a Qt Widgets hello world, each a
// separate process started and waited for (both quit once their first window is painted,
// see StartupProbe.cpp), alternating, on the offscreen platform.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

std::string g_configHome;

double runOnce(const char* program) {
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    char* argv[] = {const_cast<char*>(program), nullptr};
    if (::posix_spawn(&pid, program, nullptr, nullptr, argv, environ) != 0) return -1;
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0) {
    }
    const auto end = std::chrono::steady_clock::now();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return -1;
    return std::chrono::duration<double>(end - start).count();
}

void run(benchmark::State& state, const char* program) {
    for (auto _ : state) {
        const double seconds = runOnce(program);
        if (seconds < 0) {
            state.SkipWithError("the program did not start and end cleanly");
            return;
        }
        state.SetIterationTime(seconds);
    }
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
    g_configHome = dir;
    ::setenv("XDG_CONFIG_HOME", dir, 1);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::system((std::string("rm -rf '") + dir + "'").c_str());
    return 0;
}
