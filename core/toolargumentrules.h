#pragma once
#include <QString>

// What may travel as one value to a platform tool: a single argument of a command line, or a
// label inside label="..." of a diskpart script. Neither has an escape for a double quote, and a
// control character or line end would end the argument or the script line and start another.
class ToolArgumentRules {
public:
    static bool isSafe(const QString& value);
};
