#include "modes/datapartitionlabel.h"

#include "core/toolargumentrules.h"

QString DataPartitionLabel::normalized(const QString& text) { return text.trimmed(); }

QString DataPartitionLabel::problem(const QString& label)
{
    if (label.isEmpty())
        return tr("The data partition label is empty");
    if (label.size() > MaxLength)
        return tr("The data partition label is longer than %1 characters").arg(MaxLength);
    if (!ToolArgumentRules::isSafe(label))
        return tr("The data partition label contains a double quote, a line break or another control character");
    return QString();
}
