#include "boot/bootstorecheck.h"

#include "boot/offlinebcdstore.h"
#include "ondisk/bcdstorelayout.h"
#include "platform/registryhive.h"

#include <algorithm>

namespace {
using Severity = BootabilityCheck::Severity;

bool sameDisk(const BcdDeviceElement::Identity& a, const BcdDeviceElement::Identity& b)
{
    return a.gpt == b.gpt && (a.gpt ? a.diskGuid == b.diskGuid : a.signature == b.signature);
}

std::string lower(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(), [](char c) { return char(std::tolower(static_cast<unsigned char>(c))); });
    return s;
}
} // namespace

std::vector<BootabilityCheck::Finding> BootStoreCheck::run(RegistryHive& hive, const QString& where,
                                                           const std::vector<Partition>& partitions)
{
    std::vector<BootabilityCheck::Finding> out;
    const std::string defaultEntry = lower(OfflineBcdStore::defaultLoader(hive));
    int resolved = 0;
    for (const OfflineBcdStore::Element& e : OfflineBcdStore::deviceElements(hive)) {
        BcdDeviceElement::Identity id;
        if (BcdDeviceElement::decode(e.value, id) != BcdDeviceElement::Form::Partition)
            continue;
        const QString name = QStringLiteral("%1 %2 %3").arg(where, QString::fromStdString(e.object), QString::fromStdString(e.element));
        const QString named = QString::fromStdString(id.describe());
        const std::string object = lower(e.object);
        const bool essential = object == BcdStoreLayout::BootManagerObject || object == defaultEntry;
        const bool onDisk = std::any_of(partitions.begin(), partitions.end(), [&](const Partition& p) { return sameDisk(p.identity, id); });
        if (!onDisk) {
            out.push_back({essential ? Severity::Error : Severity::Warning,
                           QStringLiteral("Boot store %1 names %2, which is not this disk").arg(name, named)});
            continue;
        }
        const auto p = std::find_if(partitions.begin(), partitions.end(), [&](const Partition& q) { return q.identity == id; });
        if (p == partitions.end()) {
            out.push_back({Severity::Error, QStringLiteral("Boot store %1 names %2, which is no partition of this disk").arg(name, named)});
            continue;
        }
        uint32_t type = 0;
        const bool osDevice = OfflineBcdStore::elementType(e.element, type) && type == BcdStoreLayout::OsDevice;
        if (osDevice ? !p->ntfs : !(p->ntfs || p->fat)) {
            out.push_back({Severity::Error, QStringLiteral("Boot store %1 names partition %2, which holds no %3 volume")
                                                .arg(name).arg(p->number).arg(osDevice ? QStringLiteral("NTFS") : QStringLiteral("NTFS or FAT32"))});
            continue;
        }
        ++resolved;
    }
    if (resolved > 0)
        out.push_back({Severity::Ok, QStringLiteral("Boot store %1: %2 device elements name partitions of this disk").arg(where).arg(resolved)});
    return out;
}
