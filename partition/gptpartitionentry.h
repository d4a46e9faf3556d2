#pragma once
#include <QString>
#include <QUuid>
#include <array>
#include <cstdint>

// One 128-byte GPT partition entry. An entry whose type GUID is all zero is unused.
class GptPartitionEntry {
public:
    static constexpr int Size = 128;
    static constexpr int MaxNameUnits = 35;

    static constexpr int OffTypeGuid = 0;
    static constexpr int OffUniqueGuid = 16;
    static constexpr int OffFirstLba = 32;
    static constexpr int OffLastLba = 40;
    static constexpr int OffAttributes = 48;
    static constexpr int OffName = 56;
    static constexpr int NameBytes = 72;

    std::array<uint8_t, 16> typeGuid{};
    std::array<uint8_t, 16> uniqueGuid{};
    uint64_t firstLba = 0;
    uint64_t lastLba = 0;
    uint64_t attributes = 0;
    std::array<uint8_t, NameBytes> name{};

    static GptPartitionEntry decode(const uint8_t* bytes);
    void encode(uint8_t* bytes) const;

    bool isUsed() const;
    // Stores at most MaxNameUnits UTF-16 code units, the rest zero.
    void setName(const QString& text);
    QString nameText() const;
    void setTypeGuid(const QUuid& guid);
    void setUniqueGuid(const QUuid& guid);
    QUuid typeUuid() const;
    QUuid uniqueUuid() const;
};
