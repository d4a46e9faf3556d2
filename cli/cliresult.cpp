#include "cli/cliresult.h"

CliResult::Code CliResult::ofClone(bool success, const CloneProgress& last, bool cancelRequested)
{
    if (success)
        return last.unreadableSectors > 0 ? UnreadableSectors : Success;
    // A cancellation that arrived after the copy had already failed is still a failure.
    if (last.status == Tessarin::Cancelled || (cancelRequested && last.errorMessage.isEmpty()))
        return Cancelled;
    if (last.refused)
        return Refused;
    return Failed;
}
