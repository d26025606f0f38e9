#pragma once

#include <csignal>
#include <ctime>
#include <unistd.h>

// For the start-up benchmark (bench/measure_memory.sh), which asks the program and its bare
// yardstick window alike for the CPU time they have used: header-only, so the yardstick
// takes it without the rest of the core.
namespace CpuTimeReport {

// Writes "cpu time NS ns" to standard error: the CPU time the process has used since launch,
// all its threads (those that have ended too). Only what a signal handler may call.
inline void write(int)
{
    timespec cpu {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu);
    auto ns = static_cast<unsigned long long>(cpu.tv_sec) * 1000000000ULL
        + static_cast<unsigned long long>(cpu.tv_nsec);
    char digits[24];
    int count = 0;
    do {
        digits[count++] = char('0' + ns % 10);
        ns /= 10;
    } while (ns != 0);
    char line[48] = "cpu time ";
    int length = 9;
    while (count > 0)
        line[length++] = digits[--count];
    for (const char *unit = " ns\n"; *unit != '\0'; ++unit)
        line[length++] = *unit;
    [[maybe_unused]] const ssize_t written = ::write(STDERR_FILENO, line, size_t(length));
}

// From now on SIGUSR1 writes the CPU time.
inline void onSignal()
{
    struct sigaction report = {};
    report.sa_handler = write;
    report.sa_flags = SA_RESTART;
    sigaction(SIGUSR1, &report, nullptr);
}

}
