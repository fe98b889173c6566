#include "BenchSupport.h"

#include <algorithm>
#include <cstdio>

double Median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

Pair MeasureSideBySide(int reps, const std::function<double()>& kestrune,
                       const std::function<double()>& baseline)
{
    std::vector<double> k;
    std::vector<double> b;
    for (int i = 0; i < reps; ++i) {
        if (i % 2) {
            b.push_back(baseline());
            k.push_back(kestrune());
        } else {
            k.push_back(kestrune());
            b.push_back(baseline());
        }
    }
    return {Median(k), Median(b)};
}

void PrintTable(const std::vector<Row>& rows)
{
    std::printf("\n%-62s %14s %14s %7s  %-26s %s\n", "operation", "Kestrune", "baseline", "ratio", "target",
                "");
    std::printf("%s\n", QString(136, QLatin1Char('-')).toUtf8().constData());
    for (const Row& row : rows) {
        const double ratio = row.baseline > 0 ? row.kestrune / row.baseline : 0;
        std::printf("%-62s %10.2f %-3s %10.2f %-3s %7.2f  %-26s %s\n", row.operation.toUtf8().constData(),
                    row.kestrune, row.unit.toUtf8().constData(), row.baseline, row.unit.toUtf8().constData(),
                    ratio, row.target.toUtf8().constData(), row.met ? "met" : "MISSED");
    }
    std::fflush(stdout);
}
