#include "platform/posix/hivexhive.h"

#include <hivex.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace {
hive_h* hive(void* handle) { return static_cast<hive_h*>(handle); }

std::vector<std::string> splitPath(const std::string& path)
{
    std::vector<std::string> parts;
    std::string part;
    for (char c : path) {
        if (c == '\\') {
            if (!part.empty())
                parts.push_back(part);
            part.clear();
        } else {
            part += c;
        }
    }
    if (!part.empty())
        parts.push_back(part);
    return parts;
}
}

std::unique_ptr<HivexHive> HivexHive::open(const std::string& path, std::string& error)
{
    hive_h* h = hivex_open(path.c_str(), HIVEX_OPEN_WRITE);
    if (!h) {
        error = "Cannot open registry hive " + path + ": " + std::strerror(errno);
        return nullptr;
    }
    return std::unique_ptr<HivexHive>(new HivexHive(h));
}

HivexHive::~HivexHive()
{
    hivex_close(hive(m_handle));
}

bool HivexHive::fail(const std::string& what)
{
    m_lastError = what + ": " + std::strerror(errno);
    return false;
}

size_t HivexHive::node(const std::string& path, bool create)
{
    hive_node_h current = hivex_root(hive(m_handle));
    for (const std::string& part : splitPath(path)) {
        if (current == 0)
            return 0;
        errno = 0;
        hive_node_h child = hivex_node_get_child(hive(m_handle), current, part.c_str());
        if (child == 0 && errno == 0 && create)
            child = hivex_node_add_child(hive(m_handle), current, part.c_str());
        current = child;
    }
    return current;
}

bool HivexHive::keyExists(const std::string& path)
{
    return node(path, false) != 0;
}

std::vector<std::string> HivexHive::subKeys(const std::string& path)
{
    std::vector<std::string> names;
    const hive_node_h key = node(path, false);
    if (key == 0)
        return names;
    hive_node_h* children = hivex_node_children(hive(m_handle), key);
    if (!children)
        return names;
    for (hive_node_h* c = children; *c != 0; ++c) {
        char* name = hivex_node_name(hive(m_handle), *c);
        if (name)
            names.emplace_back(name);
        std::free(name);
    }
    std::free(children);
    return names;
}

bool HivexHive::readValue(const std::string& path, const std::string& name, uint32_t& type, std::vector<uint8_t>& data)
{
    const hive_node_h key = node(path, false);
    if (key == 0)
        return fail("No key " + path);
    const hive_value_h value = hivex_node_get_value(hive(m_handle), key, name.c_str());
    if (value == 0)
        return fail("No value " + path + "\\" + name);
    hive_type t = hive_t_none;
    size_t length = 0;
    char* bytes = hivex_value_value(hive(m_handle), value, &t, &length);
    if (!bytes)
        return fail("Cannot read " + path + "\\" + name);
    type = uint32_t(t);
    data.assign(reinterpret_cast<uint8_t*>(bytes), reinterpret_cast<uint8_t*>(bytes) + length);
    std::free(bytes);
    return true;
}

bool HivexHive::writeValue(const std::string& path, const std::string& name, uint32_t type,
                           const std::vector<uint8_t>& data)
{
    const hive_node_h key = node(path, true);
    if (key == 0)
        return fail("Cannot create key " + path);
    std::vector<char> bytes(data.begin(), data.end());
    std::string key_name = name;
    hive_set_value value;
    value.key = key_name.data();
    value.t = hive_type(type);
    value.len = bytes.size();
    value.value = bytes.data();
    if (hivex_node_set_value(hive(m_handle), key, &value, 0) != 0)
        return fail("Cannot write " + path + "\\" + name);
    return true;
}

bool HivexHive::deleteKey(const std::string& path)
{
    const hive_node_h key = node(path, false);
    if (key == 0)
        return true;
    if (key == hivex_root(hive(m_handle)) || hivex_node_delete_child(hive(m_handle), key) != 0)
        return fail("Cannot delete key " + path);
    return true;
}

bool HivexHive::commit()
{
    if (hivex_commit(hive(m_handle), nullptr, 0) != 0)
        return fail("Cannot write the hive back");
    return true;
}
