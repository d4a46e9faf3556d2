#pragma once
// Registry hive files made at test time with hivexregedit, and the boot-store device values that
// go into them, built from the published element layout.
#include "ondisk/byteorder.h"

#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QTest>
#include <algorithm>
#include <cstring>

namespace hivefixture {
// A partition device value: options GUID, type 6, size 0x48, partition id, style, disk id.
inline QByteArray device(uint32_t style, const QByteArray& partitionId, const QByteArray& diskId, uint32_t type = 6)
{
    QByteArray v(0x58, '\0');
    auto* p = reinterpret_cast<uint8_t*>(v.data());
    ByteOrder::put32(p + 0x10, type);
    ByteOrder::put32(p + 0x18, 0x48);
    v.replace(0x20, partitionId.size(), partitionId);
    ByteOrder::put32(p + 0x34, style);
    v.replace(0x38, diskId.size(), diskId);
    return v;
}
inline QByteArray le(uint64_t value, int bytes)
{
    QByteArray out;
    for (int i = 0; i < bytes; ++i)
        out.append(char(value >> (8 * i)));
    return out;
}
inline QString regHex(const QByteArray& b)
{
    QStringList parts;
    for (char c : b)
        parts.append(QStringLiteral("%1").arg(uint8_t(c), 2, 16, QLatin1Char('0')));
    return parts.join(QLatin1Char(','));
}

// An empty hive: base block, one bin holding the root key and its security cell, the rest free.
inline void writeEmptyHive(const QString& path)
{
    QByteArray file(8192, '\0');
    auto* b = reinterpret_cast<uint8_t*>(file.data());
    std::memcpy(b, "regf", 4);
    ByteOrder::put32(b + 4, 1);
    ByteOrder::put32(b + 8, 1);
    ByteOrder::put32(b + 20, 1);   // major version
    ByteOrder::put32(b + 24, 3);   // minor version
    ByteOrder::put32(b + 32, 1);   // flat file
    ByteOrder::put32(b + 36, 0x20);  // root key cell
    ByteOrder::put32(b + 40, 4096);  // bins size
    ByteOrder::put32(b + 44, 1);
    uint32_t sum = 0;
    for (int i = 0; i < 508; i += 4)
        sum ^= ByteOrder::get32(b + i);
    ByteOrder::put32(b + 508, sum);
    uint8_t* bin = b + 4096;
    std::memcpy(bin, "hbin", 4);
    ByteOrder::put32(bin + 8, 4096);
    uint8_t* nk = bin + 0x20;
    ByteOrder::put32(nk, uint32_t(-88));
    std::memcpy(nk + 4, "nk", 2);
    ByteOrder::put16(nk + 6, 0x2C);  // hive entry, no delete, ASCII name
    for (int at : {32, 36, 44, 52})  // sub-key lists, value list, class: none
        ByteOrder::put32(nk + at, 0xFFFFFFFF);
    ByteOrder::put32(nk + 48, 0x78);  // security cell
    ByteOrder::put16(nk + 76, 4);
    std::memcpy(nk + 80, "ROOT", 4);
    uint8_t* sk = bin + 0x78;
    ByteOrder::put32(sk, uint32_t(-48));
    std::memcpy(sk + 4, "sk", 2);
    ByteOrder::put32(sk + 8, 0x78);
    ByteOrder::put32(sk + 12, 0x78);
    ByteOrder::put32(sk + 16, 1);
    ByteOrder::put32(sk + 20, 20);
    sk[24] = 1;                      // descriptor revision
    ByteOrder::put16(sk + 26, 0x8000);  // self-relative
    ByteOrder::put32(bin + 0xA8, 4096 - 0xA8);
    QFile out(path);
    QVERIFY(out.open(QIODevice::WriteOnly) && out.write(file) == file.size());
}

inline const QString Prefix = QStringLiteral("HKEY_LOCAL_MACHINE\\H");

// A hive file holding the keys and values of `reg` (a .reg body without its header).
inline void makeHive(const QString& path, const QString& reg)
{
    writeEmptyHive(path);
    QFile file(path + QStringLiteral(".reg"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    // The tool adds a key only below an existing one: every parent gets its own section first.
    QStringList parents;
    static const QRegularExpression keyLine(QStringLiteral("^\\[(.*)\\]$"), QRegularExpression::MultilineOption);
    for (const QRegularExpressionMatch& m : keyLine.globalMatch(reg)) {
        const QStringList parts = m.captured(1).mid(Prefix.size() + 1).split(QLatin1Char('\\'));
        for (qsizetype n = 1; n < parts.size(); ++n)
            if (!parents.contains(parts.first(n).join(QLatin1Char('\\'))))
                parents.append(parts.first(n).join(QLatin1Char('\\')));
    }
    std::stable_sort(parents.begin(), parents.end(), [](const QString& a, const QString& b) { return a.count('\\') < b.count('\\'); });
    QString body;
    for (const QString& key : parents)
        body += QStringLiteral("[%1\\%2]\n\n").arg(Prefix, key);
    file.write(QStringLiteral("Windows Registry Editor Version 5.00\n\n%1%2").arg(body, reg).toUtf8());
    file.close();
    QProcess p;
    p.start(QStringLiteral("hivexregedit"), {QStringLiteral("--merge"), QStringLiteral("--prefix"), Prefix, path, file.fileName()});
    QVERIFY(p.waitForFinished(30000));
    QVERIFY2(p.exitCode() == 0, p.readAllStandardError().constData());
}
inline QString exportHive(const QString& path)
{
    QProcess p;
    p.start(QStringLiteral("hivexregedit"), {QStringLiteral("--export"), QStringLiteral("--prefix"), Prefix, path, QStringLiteral("\\")});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput()).remove(QLatin1Char('\r'));
}
} // namespace hivefixture
