#include "common/uCommon.h"

#include <array>
#include <cstdlib>
#include <memory>

// The likeness measure that ranks found programs against their folder's name. It runs once per found file,
// so the marks live on the stack for every ordinary name and only an unusually long text allocates.
int Similarity(const QString& first, const QString& second)
{
    const bool swap = first.size() < second.size();
    const QString& a = swap ? second : first;
    const QString& b = swap ? first : second;
    const qsizetype n = a.size();
    const qsizetype m = b.size();
    if (n == 0 || m == 0)
        return 0;

    constexpr qsizetype StackMarks = 256;
    std::array<bool, StackMarks + 1> stackMarks{};
    std::unique_ptr<bool[]> heapMarks;
    bool* marks = stackMarks.data();
    if (n > StackMarks) {
        heapMarks = std::make_unique<bool[]>(std::size_t(n) + 1);
        marks = heapMarks.get();
    }

    const QChar* const A = a.constData() - 1; // 1-based, as the measure is defined
    const QChar* const B = b.constData() - 1;
    const qsizetype window = n / 3 + (n - m);

    auto backUp = [&](qsizetype& i) {
        i = n;
        while (i > 1 && !marks[i])
            --i;
    };

    qsizetype i = 1;
    qsizetype j = 1;
    qsizetype count = 0;
    while (j <= m) {
        if (marks[i]) {
            if (++i > n) {
                backUp(i);
                ++j;
            }
        } else if (B[j] == A[i] && std::abs(i - j) <= window) {
            marks[i] = true;
            ++count;
            ++j;
            if (++i > n)
                i = 1;
        } else if (++i > n) {
            backUp(i);
            ++j;
        }
    }
    return int(count * 100 / n);
}
