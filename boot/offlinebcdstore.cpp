#include "boot/offlinebcdstore.h"

#include "ondisk/bcdstorelayout.h"
#include "platform/registryhive.h"

#include <cstdlib>

namespace {
const std::string ObjectsKey = BcdStoreLayout::ObjectsKey;
const std::string ElementsKey = BcdStoreLayout::ElementsKey;
const std::string ElementValue = BcdStoreLayout::ElementValue;
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
