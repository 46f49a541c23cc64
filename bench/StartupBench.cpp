// Start-up benchmarks: startup runs the application, offscreen, until the
// chart view has painted once; startup_minimal_window runs a Qt window that
// only paints white, the least any widgets program takes to its first paint,
// and startup_minimal_text_window the same window with one line of text in
// the application's interface fonts. All are whole process lifetimes, so all
// include their exit.

#include "Benchmarks.h"

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <string>
#include <vector>

extern char** environ;

namespace {

// This process's environment with the offscreen platform and the
// application's quit-after-first-paint switch.
std::vector<std::string> ChildEnvironment()
{
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        const std::string entry(*e);
        if (entry.rfind("QT_QPA_PLATFORM=", 0) != 0)
            env.push_back(entry);
    }
    env.push_back("QT_QPA_PLATFORM=offscreen");
    env.push_back("QUADRIX_QUIT_AFTER_FIRST_PAINT=1");
    return env;
}

// Runs program with one argument (none when empty) to its end with its
// output discarded; true when it exits with 0.
bool RunToExit(const char* program, const char* argument, const std::vector<std::string>& env)
{
    std::vector<char*> envp;
    for (const std::string& entry : env)
        envp.push_back(const_cast<char*>(entry.c_str()));
    envp.push_back(nullptr);
    char* argv[] = {const_cast<char*>(program), const_cast<char*>(argument), nullptr};
    if (!*argument)
        argv[1] = nullptr;

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, program, &actions, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        return false;
    int status = 0;
    return waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void BenchStartup(benchmark::State& state, const char* program, const char* argument)
{
    const std::vector<std::string> env = ChildEnvironment();
    for (auto _ : state) {
        if (!RunToExit(program, argument, env)) {
            state.SkipWithError("the program did not run to its first paint and exit");
            break;
        }
    }
}

} // namespace

void RegisterStartupBenchmarks()
{
    // Timed by the wall clock (the names gain "/real_time"): this process's
    // own CPU time is no guide to how many runs to make.
    benchmark::RegisterBenchmark("startup", BenchStartup, QUADRIX_APP, "")
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark("startup_minimal_window", BenchStartup, QUADRIX_MINIMAL_WINDOW, "")
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark("startup_minimal_text_window", BenchStartup, QUADRIX_MINIMAL_WINDOW, "--text")
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
}
