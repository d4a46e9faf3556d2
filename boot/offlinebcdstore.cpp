#include "boot/offlinebcdstore.h"

#include "ondisk/bcdstorelayout.h"
#include "platform/registryhive.h"

#include "ondisk/byteorder.h"

#include <cstdio>
#include <cstdlib>

namespace {
const std::string ObjectsKey = BcdStoreLayout::ObjectsKey;
const std::string ElementsKey = BcdStoreLayout::ElementsKey;
const std::string ElementValue = BcdStoreLayout::ElementValue;
}

std::string OfflineBcdStore::elementName(uint32_t type)
{
    char name[9];
    std::snprintf(name, sizeof name, "%08X", unsigned(type));
    return name;
}

std::vector<OfflineBcdStore::Setting> OfflineBcdStore::portableSettings(const std::string& loader, const Portable& portable)
{
    using L = BcdStoreLayout;
    const std::vector<uint8_t> yes(L::BooleanBytes, 1);
    std::vector<Setting> out;
    if (portable.uefi)
        out.push_back({L::BootManagerObject, L::ApplicationDevice, BcdDeviceElement::bootDevice(), "device = boot"});
    if (loader.empty())
        return out;
    out.push_back({loader, L::DetectKernelAndHal, yes, "detecthal = yes"});
    if (portable.uefi)
        out.push_back({loader, L::WinPeMode, {}, "winpe removed"});
    if (portable.migration) {
        std::vector<uint8_t> policy(L::IntegerBytes, 0);
        ByteOrder::put64(policy.data(), L::BootStatusIgnoreAllFailures);
        out.push_back({loader, L::DisableIntegrityChecks, {}, "nointegritychecks removed"});
        out.push_back({loader, L::BootStatusPolicy, policy, "bootstatuspolicy = IgnoreAllFailures"});
        out.push_back({loader, L::AutoRecoveryEnabled, yes, "recoveryenabled = yes"});
    }
    return out;
}

std::string OfflineBcdStore::defaultLoader(RegistryHive& hive)
{
    uint32_t type = 0;
    std::vector<uint8_t> data;
    const std::string key = ObjectsKey + "\\" + BcdStoreLayout::BootManagerObject + "\\" + ElementsKey + "\\"
        + elementName(BcdStoreLayout::DefaultObject);
    if (!hive.readValue(key, ElementValue, type, data))
        return {};
    // UTF-16 text of a GUID in braces; anything else names no object.
    std::string text;
    for (size_t i = 0; i + 1 < data.size(); i += 2) {
        const unsigned unit = data[i] | (data[i + 1] << 8);
        if (unit == 0)
            break;
        if (unit > 0x7E)
            return {};
        text += char(unit);
    }
    if (text.size() < 3 || text.front() != '{' || text.back() != '}')
        return {};
    return hive.keyExists(ObjectsKey + "\\" + text) ? text : std::string();
}

QString OfflineBcdStore::describe(const Setting& setting)
{
    return QStringLiteral("%1 %2: %3")
        .arg(QString::fromStdString(setting.object), QString::fromStdString(elementName(setting.element)),
             QString::fromStdString(setting.text));
}

bool OfflineBcdStore::configure(RegistryHive& hive, const Portable& portable, std::vector<Setting>& applied)
{
    applied.clear();
    if (!hive.keyExists(ObjectsKey)) {
        m_lastError = QStringLiteral("Not a boot store: no Objects key");
        return false;
    }
    std::vector<Setting> changed;
    for (Setting& s : portableSettings(defaultLoader(hive), portable)) {
        const std::string key = ObjectsKey + "\\" + s.object + "\\" + ElementsKey + "\\" + elementName(s.element);
        uint32_t type = 0;
        std::vector<uint8_t> current;
        const bool present = hive.readValue(key, ElementValue, type, current);
        if (s.value.empty() ? !hive.keyExists(key) : present && type == RegistryHive::TypeBinary && current == s.value)
            continue;
        const bool ok = s.value.empty() ? hive.deleteKey(key) : hive.writeValue(key, ElementValue, RegistryHive::TypeBinary, s.value);
        if (!ok) {
            m_lastError = QString::fromStdString(hive.lastError());
            return false;
        }
        changed.push_back(std::move(s));
    }
    if (!changed.empty() && !hive.commit()) {
        m_lastError = QString::fromStdString(hive.lastError());
        return false;
    }
    applied = std::move(changed);
    return true;
}

bool OfflineBcdStore::elementType(const std::string& name, uint32_t& type)
{
    if (name.empty() || name.size() > 8)
        return false;
    char* end = nullptr;
    const unsigned long value = std::strtoul(name.c_str(), &end, 16);
    if (*end != '\0')
        return false;
    type = uint32_t(value);
    return true;
}

std::vector<OfflineBcdStore::Edit> OfflineBcdStore::plan(const std::vector<Element>& elements, const IdentityMap& map)
{
    std::vector<Edit> edits;
    for (const Element& e : elements) {
        Identity current;
        if (BcdDeviceElement::decode(e.value, current) != BcdDeviceElement::Form::Partition)
            continue;
        for (const auto& [source, target] : map) {
            if (!(source == current) || source == target)
                continue;
            Edit edit{e.object, e.element, current, target, e.value};
            if (BcdDeviceElement::encode(edit.value, target))
                edits.push_back(std::move(edit));
            break;
        }
    }
    return edits;
}

std::vector<OfflineBcdStore::Element> OfflineBcdStore::deviceElements(RegistryHive& hive)
{
    std::vector<Element> out;
    for (const std::string& object : hive.subKeys(ObjectsKey)) {
        const std::string elements = ObjectsKey + "\\" + object + "\\" + ElementsKey;
        for (const std::string& name : hive.subKeys(elements)) {
            uint32_t type = 0;
            if (!elementType(name, type) || !BcdDeviceElement::isDeviceType(type))
                continue;
            Element e{object, name, {}};
            uint32_t valueType = 0;
            if (hive.readValue(elements + "\\" + name, ElementValue, valueType, e.value)
                && valueType == RegistryHive::TypeBinary)
                out.push_back(std::move(e));
        }
    }
    return out;
}

QString OfflineBcdStore::describe(const Edit& edit)
{
    return QStringLiteral("%1 %2: %3 -> %4")
        .arg(QString::fromStdString(edit.object), QString::fromStdString(edit.element),
             QString::fromStdString(edit.before.describe()), QString::fromStdString(edit.after.describe()));
}

bool OfflineBcdStore::update(RegistryHive& hive, const IdentityMap& map, std::vector<Edit>& applied)
{
    applied.clear();
    if (!hive.keyExists(ObjectsKey)) {
        m_lastError = QStringLiteral("Not a boot store: no Objects key");
        return false;
    }
    std::vector<Edit> edits = plan(deviceElements(hive), map);
    for (const Edit& edit : edits) {
        const std::string key = ObjectsKey + "\\" + edit.object + "\\" + ElementsKey + "\\" + edit.element;
        if (!hive.writeValue(key, ElementValue, RegistryHive::TypeBinary, edit.value)) {
            m_lastError = QString::fromStdString(hive.lastError());
            return false;
        }
    }
    if (!edits.empty() && !hive.commit()) {
        m_lastError = QString::fromStdString(hive.lastError());
        return false;
    }
    applied = std::move(edits);
    return true;
}
