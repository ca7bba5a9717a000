// Starts Morvelin and a bare Qt window of the same size in turn, as fresh processes on the
// current display, and prints for each the time from process start to its first painted
// frame and its peak memory (resident set), with the medians compared.
// Usage: bench_startup [rounds [morvelin...]]   (under a display, e.g. xvfb-run -a)
// Programs after the rounds (full paths) are other builds of Morvelin, measured in the same
// rounds in place of this build's, each against the same bare window.

#include "app/first_paint.h"
#include "median.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

extern char **environ;

namespace {

struct Run {
    double milliseconds = 0;    // from spawning to the first painted frame
    double cpuMilliseconds = 0; // user and system time of the whole run
    double mebibytes = 0;
};

struct Figures {
    double time = 0;
    double fastest = 0;
    double cpu = 0;
    double memory = 0;
};

struct Program {
    const char *name;
    const char *path;
    std::vector<Run> runs;
};

long long MonotonicNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

// One fresh process; false when it did not start or report its first paint.
bool Measure(const char *path, Run &run)
{
    int output[2];
    if (pipe(output) != 0)
        return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, output[0]);
    // Qt's remarks about the environment would only bury the figures.
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);

    std::vector<std::string> variables;
    for (char **variable = environ; *variable; ++variable)
        variables.emplace_back(*variable);
    variables.push_back(std::string(morvelin::kReportFirstPaintVariable) + "=1");
    std::vector<char *> environment;
    for (std::string &variable : variables)
        environment.push_back(variable.data());
    environment.push_back(nullptr);
    char *arguments[] = {const_cast<char *>(path), nullptr};

    pid_t child = 0;
    const long long started = MonotonicNanoseconds();
    const int spawned = posix_spawn(&child, path, &actions, nullptr, arguments, environment.data());
    posix_spawn_file_actions_destroy(&actions);
    close(output[1]);
    if (spawned != 0) {
        close(output[0]);
        return false;
    }
    std::string reported;
    char buffer[64];
    for (ssize_t n; (n = read(output[0], buffer, sizeof buffer)) > 0;)
        reported.append(buffer, size_t(n));
    close(output[0]);

    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0
        || reported.empty())
        return false;
    run.milliseconds = double(std::atoll(reported.c_str()) - started) / 1e6;
    run.cpuMilliseconds = (double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3
                           + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3);
    run.mebibytes = double(usage.ru_maxrss) / 1024.0; // kibibytes on Linux
    return true;
}

Figures Print(const Program &program)
{
    std::vector<double> times;
    std::vector<double> cpu;
    std::vector<double> memory;
    for (const Run &run : program.runs) {
        times.push_back(run.milliseconds);
        cpu.push_back(run.cpuMilliseconds);
        memory.push_back(run.mebibytes);
    }
    const Figures figures{Median(times), *std::min_element(times.begin(), times.end()), Median(cpu),
                          Median(memory)};
    std::printf("%-12s first paint median %6.1f ms (fastest %6.1f)   whole run's CPU median "
                "%6.1f ms   peak RSS median %5.1f MiB (most %5.1f)\n",
                program.name, figures.time, figures.fastest, figures.cpu, figures.memory,
                *std::max_element(memory.begin(), memory.end()));
    return figures;
}

} // namespace

int main(int argc, char *argv[])
{
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    std::vector<std::string> names;
    for (int i = 2; i < argc; ++i) {
        if (argv[i][0] != '/') {
            std::fprintf(stderr, "give each program with its full path\n");
            return 1;
        }
        names.push_back(std::string("Morvelin ") + std::to_string(i - 1));
    }
    // Morvelin keeps its list files in the current directory: give it an empty one.
    char folder[] = "/tmp/morvelin-startup-XXXXXX";
    if (!mkdtemp(folder) || chdir(folder) != 0)
        return 1;

    std::vector<Program> programs{{"bare window", BARE_WINDOW_PROGRAM, {}}};
    if (names.empty())
        programs.push_back({"Morvelin", MORVELIN_PROGRAM, {}});
    for (std::size_t i = 0; i < names.size(); ++i)
        programs.push_back({names[i].c_str(), argv[i + 2], {}});
    // One start of each first, unmeasured, so all find their libraries in the page cache.
    for (const Program &program : programs) {
        Run warmUp;
        if (!Measure(program.path, warmUp)) {
            std::fprintf(stderr, "%s did not report its first paint (is there a display?)\n",
                         program.path);
            return 1;
        }
    }
    // Interleaved, a different one going first in every round, so a slow spell of a
    // shared machine falls on all alike.
    for (int round = 0; round < rounds; ++round) {
        for (std::size_t i = 0; i < programs.size(); ++i) {
            Program &program = programs[(i + std::size_t(round)) % programs.size()];
            Run run;
            if (!Measure(program.path, run)) {
                std::fprintf(stderr, "%s did not report its first paint\n", program.path);
                return 1;
            }
            program.runs.push_back(run);
        }
    }
    rmdir(folder);

    std::printf("%d rounds, start of the process to its first painted frame\n", rounds);
    const Figures yardstick = Print(programs.front());
    for (std::size_t i = 1; i < programs.size(); ++i) {
        const Figures ours = Print(programs[i]);
        std::printf("  time   %.2f x the bare window by the medians, %.2f x by the fastest "
                    "(target at most 1.5 x)\n",
                    ours.time / yardstick.time, ours.fastest / yardstick.fastest);
        std::printf("  memory %+.1f MiB over the bare window (target at most +15 MiB)\n",
                    ours.memory - yardstick.memory);
    }
    return 0;
}
