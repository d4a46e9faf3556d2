#pragma once
// A clone killed part-way, the way a crash or a pulled plug ends it: SIGKILL, no cancel.
#include <QString>
#include <QStringList>

#include <cstdint>

class CloneInterrupter {
public:
    // Runs `command` (a clone printing JSON lines) and kills it once a progress line reports half
    // of its bytes copied or `targetImage` holds `halfBytes` of written data, whichever comes first:
    // the lines come at most once a second, too seldom for a copy of a few seconds.
    // `reached` gets the bytes written to the target by the time the clone was dead.
    // False when the clone could not be started or ended by itself before.
    static bool run(const QStringList& command, const QString& targetImage, uint64_t halfBytes, uint64_t& reached,
                    QString& error);
    // Whether one JSON line of the clone reports at least half of the total copied.
    static bool pastHalf(const QByteArray& line);
};
