#pragma once
// Volume shadow copies through the VSS requester interface. Compiled only on Windows.
#include "platform/platformsnapshots.h"

// Every VSS call runs on a thread of its own that joins COM's multithreaded apartment, so the
// caller's apartment (the window's thread is single-threaded) never matters and the set can be
// deleted from whichever thread ends the run.
class Win32Snapshots : public PlatformSnapshots {
public:
    bool available() override;
    std::unique_ptr<SourceSnapshot> createSnapshot(const std::vector<std::string>& volumeNames) override;

    // The HRESULT as a sentence: VSS's own codes have no system message.
    static std::string resultText(long result);
};
