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

    // What the Windows tools set on a copy's store for it to start anywhere: on UEFI the boot
    // manager's device becomes "boot" and WinPE mode goes; every copy gets hardware detection;
    // a system clone also ignores boot-status failures, keeps recovery on and drops
    // nointegritychecks.
    struct Portable {
        bool uefi = false;
        bool migration = false;
    };
    // One element set to `value`, or removed when `value` is empty.
    struct Setting {
        std::string object;
        uint32_t element = 0;
        std::vector<uint8_t> value;
        std::string text;  // "detecthal = yes", for the log
    };

    // The settings `portable` asks for on the boot manager and `loader` (the default entry; empty
    // when the store names none, which leaves only the boot manager's part).
    static std::vector<Setting> portableSettings(const std::string& loader, const Portable& portable);
    // The boot manager's default entry as stored ("{guid}"); empty when there is none.
    static std::string defaultLoader(RegistryHive& hive);
    // An element's key name: its type in eight hex digits.
    static std::string elementName(uint32_t type);
    // "{obj} 26000010: detecthal = yes", for the log and the summary.
    static QString describe(const Setting& setting);

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
    // Writes the portable settings that change anything and commits; `applied` lists them.
    bool configure(RegistryHive& hive, const Portable& portable, std::vector<Setting>& applied);
    QString lastError() const { return m_lastError; }

private:
    QString m_lastError;
};
