#include "modes/cloneplan.h"

uint64_t ClonePlan::totalBytes() const
{
    uint64_t total = 0;
    for (const Copy& c : copies)
        total += c.bytes;
    return total;
}

std::vector<CopyExtent> ClonePlan::extents() const
{
    std::vector<CopyExtent> all;
    for (const Copy& c : copies)
        all.insert(all.end(), c.extents.begin(), c.extents.end());
    return all;
}

QString ClonePlan::methodName(Method method)
{
    switch (method) {
    case Method::Full: return QStringLiteral("full");
    case Method::Smart: return QStringLiteral("smart");
    case Method::SectorBySector: return QStringLiteral("sector by sector");
    }
    return {};
}
