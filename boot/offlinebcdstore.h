#pragma once
#include "ondisk/bcddeviceelement.h"

#include <QString>
#include <QStringList>

#include <string>
#include <utility>
#include <vector>

class RegistryHive;

// Points the device elements of a boot store, opened as a hive file, at the clone: each element
// naming a partition of the source disk gets the identity of the same partition on the target.
// Elements naming any other disk, and device forms other than a plain partition, stay as they are.
class OfflineBcdStore {
public:
    using Identity = BcdDeviceElement::Identity;
    // Source identity -> target identity, one pair per copied partition.
    using IdentityMap = std::vector<std::pair<Identity, Identity>>;

    // One device element as stored: object key name ("{guid}"), element key name ("11000001").
    struct Element {
        std::string object;
        std::string element;
        std::vector<uint8_t> value;
    };
    struct Edit {
        std::string object;
        std::string element;
        Identity before;
        Identity after;
        std::vector<uint8_t> value;  // the element value with the target identity in place
    };

    // The edits `elements` need under `map`; elements that need none are not listed.
    static std::vector<Edit> plan(const std::vector<Element>& elements, const IdentityMap& map);
    // The element type an element key's name ("11000001") gives; false for any other name.
    static bool elementType(const std::string& name, uint32_t& type);
    // Device elements of every object in the store.
    static std::vector<Element> deviceElements(RegistryHive& hive);
    // "{obj} 11000001: GPT disk {..} partition {..} -> GPT disk {..} partition {..}", for the log and the summary.
    static QString describe(const Edit& edit);

    // Plans, writes and commits; `applied` lists what changed. False with lastError when a write
    // or the commit fails (the file is then as it was: nothing reaches it before the commit).
    bool update(RegistryHive& hive, const IdentityMap& map, std::vector<Edit>& applied);
    QString lastError() const { return m_lastError; }

private:
    QString m_lastError;
};
