#include "platform/win32/win32snapshots.h"

#include "platform/win32/win32platform.h"

#include <windows.h>
#include <objbase.h>
#include <vss.h>
#include <vswriter.h>
#include <vsbackup.h>

#include <cstdio>
#include <functional>
#include <map>
#include <thread>

namespace {
// Freezing writes takes seconds; a provider that has not answered after this never will.
constexpr DWORD AsyncTimeoutMs = 5 * 60 * 1000;

// Runs `work` on a new thread in the multithreaded apartment and waits for it.
void inMultithreadedApartment(const std::function<void()>& work)
{
    std::thread worker([&work] {
        const HRESULT init = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
        work();
        if (SUCCEEDED(init))
            CoUninitialize();
    });
    worker.join();
}

bool report(HRESULT result, const char* step)
{
    Platform::setLastError(uint32_t(result), std::string(step) + ": " + Win32Snapshots::resultText(result));
    return false;
}

// Waits for an asynchronous VSS call and releases it; false with lastError when it failed or hung.
bool finish(HRESULT started, IVssAsync* async, const char* step)
{
    if (FAILED(started) || !async)
        return report(started, step);
    HRESULT status = async->Wait(AsyncTimeoutMs);
    if (SUCCEEDED(status) && FAILED(async->QueryStatus(&status, nullptr)))
        status = E_UNEXPECTED;
    if (status == VSS_S_ASYNC_PENDING) {
        async->Cancel();
        async->Release();
        Platform::setLastError(uint32_t(ERROR_TIMEOUT), std::string(step) + ": the shadow copy service did not finish in time");
        return false;
    }
    async->Release();
    if (status == VSS_S_ASYNC_CANCELLED)
        status = E_ABORT;
    return SUCCEEDED(status) ? true : report(status, step);
}

class Win32SourceSnapshot : public SourceSnapshot {
public:
    Win32SourceSnapshot(IVssBackupComponents* backup, VSS_ID set, std::map<std::string, std::string> devices,
                        CO_MTA_USAGE_COOKIE apartment)
        : m_backup(backup), m_set(set), m_devices(std::move(devices)), m_apartment(apartment)
    {
    }
    ~Win32SourceSnapshot() override
    {
        IVssBackupComponents* backup = m_backup;
        const VSS_ID set = m_set;
        inMultithreadedApartment([backup, set] {
            LONG deleted = 0;
            VSS_ID notDeleted = GUID_NULL;
            backup->DeleteSnapshots(set, VSS_OBJECT_SNAPSHOT_SET, TRUE, &deleted, &notDeleted);
            backup->Release();
        });
        if (m_apartment)
            CoDecrementMTAUsage(m_apartment);
    }
    std::string shadowDevice(const std::string& volumeName) const override
    {
        const auto it = m_devices.find(volumeName);
        return it == m_devices.end() ? std::string() : it->second;
    }

private:
    IVssBackupComponents* m_backup;
    VSS_ID m_set;
    std::map<std::string, std::string> m_devices;
    // Keeps the apartment the requester lives in: were it torn down when the creating thread ends,
    // the service would drop the set, which it holds only for as long as its requester is connected.
    CO_MTA_USAGE_COOKIE m_apartment;
};

// A requester for a set that no writer takes part in: the volumes are read as a crash-consistent
// image, which is what a sector copy needs, and the set goes away with its requester.
bool newRequester(IVssBackupComponents*& backup)
{
    backup = nullptr;
    HRESULT r = CreateVssBackupComponents(&backup);
    if (FAILED(r))
        return report(r, "CreateVssBackupComponents");
    r = backup->InitializeForBackup(nullptr);
    if (SUCCEEDED(r))
        r = backup->SetContext(VSS_CTX_FILE_SHARE_BACKUP);
    if (FAILED(r)) {
        backup->Release();
        backup = nullptr;
        return report(r, "InitializeForBackup");
    }
    return true;
}

std::string volumeWithSlash(std::string name)
{
    if (name.empty() || name.back() != '\\')
        name += '\\';
    return name;
}
}

std::string Win32Snapshots::resultText(long result)
{
    switch (HRESULT(result)) {
    case E_ACCESSDENIED: return "access denied (the program must run as administrator)";
    case VSS_E_VOLUME_NOT_SUPPORTED:
    case VSS_E_VOLUME_NOT_SUPPORTED_BY_PROVIDER: return "the volume does not support shadow copies (FAT volumes do not)";
    case VSS_E_SNAPSHOT_SET_IN_PROGRESS: return "another shadow copy is being made; try again later";
    case VSS_E_MAXIMUM_NUMBER_OF_SNAPSHOTS_REACHED: return "the volume has as many shadow copies as it can hold";
    case VSS_E_INSUFFICIENT_STORAGE: return "there is not enough free space for the shadow copy";
    case VSS_E_PROVIDER_VETO: return "the shadow copy provider refused";
    case VSS_E_UNEXPECTED_PROVIDER_ERROR: return "the shadow copy provider failed";
    case VSS_E_OBJECT_NOT_FOUND: return "the volume was not found";
    case VSS_E_BAD_STATE: return "the shadow copy service is in the wrong state";
    default: break;
    }
    std::string text = Win32Platform::errorText(uint32_t(result));
    char code[24];
    std::snprintf(code, sizeof code, "0x%08lX", static_cast<unsigned long>(result));
    return text.empty() ? std::string("the shadow copy service failed with ") + code : text + " (" + code + ")";
}

bool Win32Snapshots::available()
{
    bool ok = false;
    uint32_t code = 0;
    std::string text;
    inMultithreadedApartment([&] {
        IVssBackupComponents* backup = nullptr;
        ok = newRequester(backup);
        if (backup)
            backup->Release();
        code = Platform::lastErrorCode();
        text = Platform::lastErrorText();
    });
    if (!ok)
        Platform::setLastError(code, text);
    return ok;
}

std::unique_ptr<SourceSnapshot> Win32Snapshots::createSnapshot(const std::vector<std::string>& volumeNames)
{
    std::unique_ptr<SourceSnapshot> result;
    uint32_t code = 0;
    std::string text;
    CO_MTA_USAGE_COOKIE apartment = nullptr;
    if (FAILED(CoIncrementMTAUsage(&apartment)))
        apartment = nullptr;
    inMultithreadedApartment([&] {
        IVssBackupComponents* backup = nullptr;
        if (!newRequester(backup)) {
            code = Platform::lastErrorCode();
            text = Platform::lastErrorText();
            return;
        }
        VSS_ID set = GUID_NULL;
        std::vector<std::pair<std::string, VSS_ID>> members;
        IVssAsync* async = nullptr;
        bool ok = true;
        HRESULT r = backup->SetBackupState(FALSE, TRUE, VSS_BT_COPY, FALSE);
        if (SUCCEEDED(r))
            r = backup->StartSnapshotSet(&set);
        if (FAILED(r))
            ok = report(r, "StartSnapshotSet");
        for (const std::string& name : volumeNames) {
            if (!ok)
                break;
            std::wstring volume = Win32Platform::wide(volumeWithSlash(name));
            VSS_ID id = GUID_NULL;
            r = backup->AddToSnapshotSet(volume.data(), GUID_NULL, &id);
            if (FAILED(r)) {
                report(r, "AddToSnapshotSet");
                Platform::setLastError(Platform::lastErrorCode(), name + ": " + Platform::lastErrorText());
                ok = false;
            }
            members.emplace_back(name, id);
        }
        ok = ok && finish(backup->PrepareForBackup(&async), async, "PrepareForBackup");
        async = nullptr;
        ok = ok && finish(backup->DoSnapshotSet(&async), async, "DoSnapshotSet");
        std::map<std::string, std::string> devices;
        for (const auto& [name, id] : members) {
            if (!ok)
                break;
            VSS_SNAPSHOT_PROP prop{};
            r = backup->GetSnapshotProperties(id, &prop);
            if (FAILED(r)) {
                ok = report(r, "GetSnapshotProperties");
                break;
            }
            if (prop.m_pwszSnapshotDeviceObject)
                devices[name] = Win32Platform::narrow(std::wstring(prop.m_pwszSnapshotDeviceObject));
            VssFreeSnapshotProperties(&prop);
        }
        if (ok) {
            result = std::make_unique<Win32SourceSnapshot>(backup, set, std::move(devices), apartment);
            return;
        }
        code = Platform::lastErrorCode();
        text = Platform::lastErrorText();
        // A set half made is given back at once.
        if (set != GUID_NULL) {
            backup->AbortBackup();
            LONG deleted = 0;
            VSS_ID notDeleted = GUID_NULL;
            backup->DeleteSnapshots(set, VSS_OBJECT_SNAPSHOT_SET, TRUE, &deleted, &notDeleted);
        }
        backup->Release();
    });
    if (!result) {
        if (apartment)
            CoDecrementMTAUsage(apartment);
        Platform::setLastError(code ? code : uint32_t(E_FAIL), text);
    }
    return result;
}
