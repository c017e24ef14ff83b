// Times the program against the fair floor (a window of its size showing text in its font) and a
// bare Qt window, and prints one table:
//   start-up, process start to the window shown and first painted (median of the runs);
//   peak resident memory of the same processes;
//   a click of "Calcola " with the sample design, from the click to the three captions written.
// Usage: windowbench [runs]   (the three start-up programs are looked for beside it)
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "application.h"
#include "form1.h"

extern char **environ;

namespace {

using Clock = std::chrono::steady_clock;

struct Run
{
    double milliseconds;
    long peakKilobytes;
};

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Starts the program, waits for its "painted" line, then for its end.
Run startOnce(const std::string &program)
{
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        std::exit(1);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    char *argv[] = {const_cast<char *>(program.c_str()), nullptr};

    const Clock::time_point start = Clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, environ) != 0) {
        std::fprintf(stderr, "cannot start %s\n", program.c_str());
        std::exit(1);
    }
    close(pipeEnds[1]);
    std::string line;
    char c = 0;
    while (read(pipeEnds[0], &c, 1) == 1 && c != '\n')
        line += c;
    const Clock::time_point painted = Clock::now();
    close(pipeEnds[0]);
    posix_spawn_file_actions_destroy(&actions);

    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    if (line != "painted" || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s did not report its first paint\n", program.c_str());
        std::exit(1);
    }
    return {std::chrono::duration<double, std::milli>(painted - start).count(), usage.ru_maxrss};
}

struct Program
{
    const char *name;
    std::string path;
    std::vector<double> times;
    std::vector<double> memory;
};

} // namespace

int main(int argc, char *argv[])
{
    const int runs = argc > 1 ? std::max(15, std::atoi(argv[1])) : 21;
    std::string dir = argv[0];
    dir = dir.substr(0, dir.find_last_of('/') + 1);

    // Start-up and memory, the programs taking turns so that all see the same machine.
    std::vector<Program> programs{
        {"Brenvola", dir + "form1window", {}, {}},
        {"fair floor: label, entry field, button", dir + "textwindow", {}, {}},
        {"bare window", dir + "barewindow", {}, {}}};
    for (const Program &program : programs)
        startOnce(program.path); // warm the file cache
    for (int i = 0; i < runs; ++i)
        for (std::size_t k = 0; k < programs.size(); ++k) { // each round starts with the next one
            Program &program = programs[(i + k) % programs.size()];
            const Run run = startOnce(program.path);
            program.times.push_back(run.milliseconds);
            program.memory.push_back(static_cast<double>(run.peakKilobytes) / 1024.0);
        }

    // A click of "Calcola " on the real window, two-transistor circuit, sample design.
    QApplication application(argc, argv);
    setUpApplication();
    Form1 form1;
    form1.show();
    form1.findChild<QRadioButton *>("Option2")->setChecked(true);
    form1.findChild<QPushButton *>("Command2")->click();
    auto *calcola = form1.findChild<QPushButton *>("Command1");
    auto *label17 = form1.findChild<QLabel *>("Label17");
    std::vector<double> clicks;
    for (int i = 0; i < 2000; ++i) {
        label17->clear();
        const Clock::time_point start = Clock::now();
        calcola->click(); // returns when the press has written its captions
        clicks.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
        if (label17->text().isEmpty())
            return 1;
    }

    std::printf("Platform: %s; %d start-up runs of each program, taking turns; medians.\n\n",
                qPrintable(QGuiApplication::platformName()),
                runs);
    std::printf("| %-40s | %12s | %8s | %12s | %8s |\n",
                "Start-up to the window shown and painted",
                "time",
                "/ floor",
                "peak memory",
                "/ floor");
    std::printf("|%s|%s|%s|%s|%s|\n",
                std::string(42, '-').c_str(),
                std::string(14, '-').c_str(),
                std::string(10, '-').c_str(),
                std::string(14, '-').c_str(),
                std::string(10, '-').c_str());
    const double floorTime = median(programs[1].times);
    const double floorMemory = median(programs[1].memory);
    for (const Program &program : programs) {
        const double time = median(program.times);
        const double memory = median(program.memory);
        std::printf("| %-40s | %9.3f ms | %8.3f | %9.2f MB | %8.3f |\n",
                    program.name,
                    time,
                    time / floorTime,
                    memory,
                    memory / floorMemory);
    }
    // The same ratio taken round by round, where both programs met the same machine: steadier
    // than the ratio of the medians when the machine's speed drifts.
    std::vector<double> paired;
    paired.reserve(programs[0].times.size());
    for (std::size_t i = 0; i < programs[0].times.size(); ++i)
        paired.push_back(programs[0].times[i] / programs[1].times[i]);
    std::sort(paired.begin(), paired.end());
    std::printf("\nBrenvola / floor, round by round: median %.3f, middle half %.3f to %.3f\n",
                median(paired),
                paired[paired.size() / 4],
                paired[paired.size() * 3 / 4]);
    std::printf("Budgets: Brenvola at most 1.25 x the floor's start-up (median of the rounds) and "
                "1.10 x its memory.\n");
    std::printf("Click of \"Calcola \" to the 3 captions written: %.3f us (budget < 1000 us)\n",
                median(clicks));
    return 0;
}
