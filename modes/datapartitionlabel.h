#pragma once
#include <QCoreApplication>
#include <QString>

// The label of the data partition a system clone creates, as the window's label field and the
// command line's --data-label take it. It travels inside label="..." of a diskpart script and as
// one argument of mkntfs, and an NTFS label holds at most 32 characters.
class DataPartitionLabel {
    Q_DECLARE_TR_FUNCTIONS(DataPartitionLabel)
public:
    static constexpr int MaxLength = 32;

    // The text as the label is taken: surrounding white space removed.
    static QString normalized(const QString& text);
    // Why the normalized `label` cannot be used; empty when it can.
    static QString problem(const QString& label);
};
