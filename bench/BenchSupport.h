#pragma once

// Timing, medians and the result table of the benchmark runner.

#include <QString>

#include <chrono>
#include <functional>
#include <vector>

using Clock = std::chrono::steady_clock;

inline double ElapsedMs(Clock::time_point since)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - since).count();
}

double Median(std::vector<double> values);

// Runs each body reps times, the two interleaved, so that a machine that slows down slows both alike.
// Each body returns its own measurement (whatever unit the row uses).
struct Pair
{
    double kestrune;
    double baseline;
};
Pair MeasureSideBySide(int reps, const std::function<double()>& kestrune,
                       const std::function<double()>& baseline);

struct Row
{
    QString operation;
    QString unit;
    double kestrune;
    double baseline;
    QString target;
    bool met;
};

void PrintTable(const std::vector<Row>& rows);
