#include "core/cloneprogress.h"

#include <algorithm>

CloneProgress::CloneProgress() : startTime(QDateTime::currentDateTime()) {}

void CloneProgress::reset() { *this = CloneProgress(); }

double CloneProgress::percentage() const
{
    if (totalBytes == 0)
        return 0.0;
    const double p = static_cast<double>(copiedBytes) / static_cast<double>(totalBytes) * 100.0;
    return std::clamp(p, 0.0, 100.0);
}
