#pragma once
// A minimal NTFS volume in memory: boot sector, the MFT records of $MFT, $MFTMirr, $LogFile and
// $Bitmap and the bitmap, enough for the usage-map parser and its check. Fields can be spoiled
// before build() to test the checks.
#include <QByteArray>
#include <QMap>
#include <cstdint>
#include <cstring>

struct NtfsImage {
    uint32_t bytesPerSector = 512;
    uint32_t sectorsPerCluster = 8;
    uint64_t imageSectors = 4096;                    // the volume has one sector less (backup boot sector)
    uint64_t mftCluster = 4;
    int8_t clustersPerRecord = -10;                  // 1024-byte records
    QByteArray runList = QByteArray("\x11\x01\x40\x00", 4);  // $Bitmap: one cluster at LCN 64
    QByteArray bitmap;                               // $Bitmap contents; zero-padded
    int64_t bitmapValidLength = -1;                  // $Bitmap's initialized size; -1: its data size
    static constexpr uint64_t MftRecords = 20;
    // The data runs of the other records in use: $MFT over clusters 4-8, $MFTMirr at 12, $LogFile at 16-17.
    QMap<uint64_t, QByteArray> otherRuns{{0, QByteArray("\x11\x05\x04\x00", 4)},
                                         {1, QByteArray("\x11\x01\x0C\x00", 4)},
                                         {2, QByteArray("\x11\x02\x10\x00", 4)}};
    bool resident = false;
    uint16_t bootSignature = 0xAA55;

    uint32_t clusterSize() const { return bytesPerSector * sectorsPerCluster; }
    uint32_t recordSize() const
    {
        return clustersPerRecord > 0 ? uint32_t(clustersPerRecord) * clusterSize() : 1u << -clustersPerRecord;
    }
    uint64_t totalClusters() const { return (imageSectors - 1) / sectorsPerCluster; }
    uint64_t recordOffset(uint64_t n) const { return mftCluster * clusterSize() + n * recordSize(); }

    static void put(QByteArray& b, qsizetype at, uint64_t v, int width)
    {
        for (int i = 0; i < width; ++i)
            b[at + i] = char(uint8_t(v >> (8 * i)));
    }

    QByteArray record() const { return record(6, runList, (totalClusters() + 7) / 8, bitmapValidLength); }

    QByteArray record(uint64_t number, const QByteArray& runs, uint64_t dataSize, int64_t validLength = -1) const
    {
        const uint32_t size = recordSize();
        const uint16_t usaCount = uint16_t(size / 512 + 1);
        QByteArray r(qsizetype(size), '\0');
        std::memcpy(r.data(), "FILE", 4);
        put(r, 4, 0x30, 2);               // update sequence offset
        put(r, 6, usaCount, 2);
        const qsizetype first = (0x30 + 2 * usaCount + 7) / 8 * 8;
        put(r, 20, uint64_t(first), 2);
        put(r, 22, 1, 2);                 // in use
        put(r, 28, size, 4);
        put(r, 44, number, 4);            // record number
        qsizetype at = first;
        // A $STANDARD_INFORMATION stand-in first, so the walk has to step over an attribute.
        put(r, at, 0x10, 4);
        put(r, at + 4, 0x60, 4);
        at += 0x60;
        const qsizetype runBytes = (runs.size() + 7) / 8 * 8;
        const bool inRecord = resident && number == 6;
        const qsizetype length = inRecord ? 0x18 + 8 : 0x40 + runBytes;
        put(r, at, 0x80, 4);
        put(r, at + 4, uint64_t(length), 4);
        r[at + 8] = inRecord ? 0 : 1;
        if (!inRecord) {
            put(r, at + 32, 0x40, 2);
            put(r, at + 40, uint64_t(clusterSize()), 8);
            put(r, at + 48, dataSize, 8);
            put(r, at + 56, validLength < 0 ? dataSize : uint64_t(validLength), 8);
            std::memcpy(r.data() + at + 0x40, runs.constData(), size_t(runs.size()));
        }
        at += length;
        put(r, at, 0xFFFFFFFF, 4);
        put(r, 24, uint64_t(at + 8), 4);  // bytes in use
        // Update sequence: number 0x0001, saved words in the array, the number at each stride's end.
        put(r, 0x30, 1, 2);
        for (uint32_t i = 0; i < size / 512; ++i) {
            const qsizetype tail = qsizetype(i + 1) * 512 - 2;
            r[0x30 + 2 * (i + 1)] = r[tail];
            r[0x30 + 2 * (i + 1) + 1] = r[tail + 1];
            put(r, tail, 1, 2);
        }
        return r;
    }

    QByteArray build() const
    {
        QByteArray img(qsizetype(imageSectors * bytesPerSector), '\0');
        std::memcpy(img.data() + 3, "NTFS    ", 8);
        put(img, 11, bytesPerSector, 2);
        img[13] = char(sectorsPerCluster);
        put(img, 40, imageSectors - 1, 8);
        put(img, 48, mftCluster, 8);
        put(img, 56, totalClusters() / 2, 8);
        img[64] = char(clustersPerRecord);
        put(img, 72, 0x1234567890ABCDEFull, 8);
        put(img, 510, bootSignature, 2);
        const QByteArray rec = record();
        std::memcpy(img.data() + recordOffset(6), rec.constData(), size_t(rec.size()));
        for (auto it = otherRuns.begin(); it != otherRuns.end(); ++it) {
            const QByteArray other = record(it.key(), it.value(), it.key() == 0 ? MftRecords * recordSize() : clusterSize());
            std::memcpy(img.data() + recordOffset(it.key()), other.constData(), size_t(other.size()));
        }
        std::memcpy(img.data() + 64 * clusterSize(), bitmap.constData(), size_t(bitmap.size()));
        return img;
    }
};
