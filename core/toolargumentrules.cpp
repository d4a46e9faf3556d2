#include "core/toolargumentrules.h"

#include <algorithm>

bool ToolArgumentRules::isSafe(const QString& value)
{
    return std::none_of(value.begin(), value.end(), [](QChar c) {
        const QChar::Category category = c.category();
        return c == QLatin1Char('"') || category == QChar::Other_Control || category == QChar::Separator_Line
            || category == QChar::Separator_Paragraph;
    });
}
