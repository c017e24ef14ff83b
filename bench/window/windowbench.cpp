// Times the program against a bare Qt window and prints one table:
//   start-up, process start to the window shown and first painted (median of the runs);
//   peak resident memory of the same processes;
//   a click of "Calcola " with the sample design, from the click to the three captions written.
// Usage: windowbench [runs]   (the two start-up programs are looked for beside it)
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

void printRow(const char *what, const char *unit, double value, double baseline, const char *target)
{
    if (baseline > 0)
        std::printf("| %-44s | %10.3f %-2s | %10.3f %-2s | %6.3f | %-14s |\n",
                    what,
                    value,
                    unit,
                    baseline,
                    unit,
                    value / baseline,
                    target);
    else
        std::printf(
            "| %-44s | %10.3f %-2s | %13s | %6s | %-14s |\n", what, value, unit, "", "", target);
}

} // namespace

int main(int argc, char *argv[])
{
    const int runs = argc > 1 ? std::max(15, std::atoi(argv[1])) : 21;
    std::string dir = argv[0];
    dir = dir.substr(0, dir.find_last_of('/') + 1);

    // Start-up and memory, the two programs taking turns so that both see the same machine.
    std::vector<double> formTimes, bareTimes, formMemory, bareMemory;
    startOnce(dir + "form1window"); // warm the file cache for both
    startOnce(dir + "barewindow");
    for (int i = 0; i < runs; ++i) {
        const Run form = startOnce(dir + "form1window");
        const Run bare = startOnce(dir + "barewindow");
        formTimes.push_back(form.milliseconds);
        bareTimes.push_back(bare.milliseconds);
        formMemory.push_back(static_cast<double>(form.peakKilobytes) / 1024.0);
        bareMemory.push_back(static_cast<double>(bare.peakKilobytes) / 1024.0);
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

    std::printf("Platform: %s; %d start-up runs of each program, medians.\n\n",
                qPrintable(QGuiApplication::platformName()),
                runs);
    std::printf("| %-44s | %13s | %13s | %6s | %-14s |\n",
                "Measure",
                "Brenvola",
                "Bare window",
                "Ratio",
                "Target");
    std::printf("|%s|%s|%s|%s|%s|\n",
                std::string(46, '-').c_str(),
                std::string(15, '-').c_str(),
                std::string(15, '-').c_str(),
                std::string(8, '-').c_str(),
                std::string(16, '-').c_str());
    printRow("start-up to the window shown and painted",
             "ms",
             median(formTimes),
             median(bareTimes),
             "ratio <= 1.15");
    printRow("peak resident memory", "MB", median(formMemory), median(bareMemory), "ratio <= 1.15");
    printRow("click of \"Calcola \" to the 3 captions", "us", median(clicks), 0, "< 1000 us");
    return 0;
}
