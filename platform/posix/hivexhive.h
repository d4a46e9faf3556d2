#pragma once
#include "platform/registryhive.h"

#include <memory>

// RegistryHive over libhivex. Opened for writing; the file changes only on commit().
class HivexHive : public RegistryHive {
public:
    // Null with `error` set when the file cannot be opened as a hive.
    static std::unique_ptr<HivexHive> open(const std::string& path, std::string& error);
    ~HivexHive() override;

    bool keyExists(const std::string& path) override;
    std::vector<std::string> subKeys(const std::string& path) override;
    bool readValue(const std::string& path, const std::string& name, uint32_t& type,
                   std::vector<uint8_t>& data) override;
    bool writeValue(const std::string& path, const std::string& name, uint32_t type,
                    const std::vector<uint8_t>& data) override;
    bool deleteKey(const std::string& path) override;
    bool commit() override;
    std::string lastError() const override { return m_lastError; }

private:
    explicit HivexHive(void* handle) : m_handle(handle) {}
    // Node of `path`, 0 when missing; with `create`, missing keys are added on the way.
    size_t node(const std::string& path, bool create);
    bool fail(const std::string& what);

    void* m_handle;
    std::string m_lastError;
};
