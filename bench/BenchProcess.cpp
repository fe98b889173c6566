// Whole-program measurements: start-up to the first painted list, and the memory it then holds, against a
// Qt program that shows an empty window.
#include "BenchSupport.h"

#include <QByteArray>
#include <QString>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

struct Launch
{
    double msToPaint = -1;
    double peakRssMb = -1;
};

// The high-water mark of the process's own memory; the kernel's child accounting would count the
// runner's memory too, since a spawned child starts as a copy of it.
double PeakRssMb(pid_t pid)
{
    FILE* status = std::fopen(("/proc/" + std::to_string(pid) + "/status").c_str(), "r");
    if (!status)
        return -1;
    char line[256];
    double kb = -1;
    while (std::fgets(line, sizeof line, status)) {
        if (std::strncmp(line, "VmHWM:", 6) == 0)
            kb = std::atof(line + 6);
    }
    std::fclose(status);
    return kb / 1024.0;
}

Launch StartAndWaitForPaint(const char* program, const QString& stateDir)
{
    int pipeFds[2];
    if (pipe(pipeFds) != 0)
        return {};
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e)
        env.emplace_back(*e);
    env.emplace_back("QT_QPA_PLATFORM=offscreen");
    env.emplace_back("KESTRUNE_BENCH_EXIT_AFTER_PAINT=1");
    env.emplace_back("KESTRUNE_HOME=" + stateDir.toStdString());
    std::vector<char*> envp;
    for (std::string& e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);
    char* argv[] = {const_cast<char*>(program), nullptr};

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], 1);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    const auto start = Clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, program, &actions, nullptr, argv, envp.data()) != 0)
        return {};
    close(pipeFds[1]);
    Launch launch;
    std::string out;
    char buffer[256];
    ssize_t n;
    while ((n = read(pipeFds[0], buffer, sizeof buffer)) > 0) {
        out.append(buffer, std::size_t(n));
        if (out.find("painted") != std::string::npos) {
            launch.msToPaint = ElapsedMs(start);
            launch.peakRssMb = PeakRssMb(pid);
            break;
        }
    }
    close(pipeFds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    posix_spawn_file_actions_destroy(&actions);
    return launch;
}

} // namespace

void BenchStartUpAndMemory(std::vector<Row>& rows, const QString& stateDir, const QString& emptyStateDir)
{
    std::vector<double> kTime, bTime, kRss, bRss;
    StartAndWaitForPaint(KESTRUNE_PROGRAM, stateDir); // warm the caches the first start fills
    for (int i = 0; i < 9; ++i) {
        const Launch k = StartAndWaitForPaint(KESTRUNE_PROGRAM, stateDir);
        const Launch b = StartAndWaitForPaint(KESTRUNE_EMPTY_WINDOW, emptyStateDir);
        kTime.push_back(k.msToPaint);
        bTime.push_back(b.msToPaint);
        kRss.push_back(k.peakRssMb);
        bRss.push_back(b.peakRssMb);
    }
    const double startUp = Median(kTime);
    const double memory = Median(kRss);
    rows.push_back({QStringLiteral("start-up with 5,000 shortcuts, to the first painted list"),
                    QStringLiteral("ms"), startUp, Median(bTime), QStringLiteral("< 350 ms"),
                    startUp > 0 && startUp < 350});
    rows.push_back({QStringLiteral("memory after start-up with 5,000 shortcuts (peak RSS)"),
                    QStringLiteral("MB"), memory, Median(bRss), QStringLiteral("< 80 MB"),
                    memory > 0 && memory < 80});
}
