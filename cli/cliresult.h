#pragma once
#include "core/cloneprogress.h"

// The console program's exit codes, one per way a run can end.
class CliResult {
public:
    enum Code {
        Success = 0,
        Failed = 1,
        BadCommandLine = 2,
        Refused = 3,        // validation or the user said no: nothing was written
        Cancelled = 4,
        UnreadableSectors = 5,  // completed, but some source sectors were written as zeros
    };

    // The code of a clone that ran: `last` is the final progress, `cancelRequested` whether the
    // user interrupted it.
    static Code ofClone(bool success, const CloneProgress& last, bool cancelRequested);
};
