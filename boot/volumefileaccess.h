#pragma once
#include <QString>

// Single files of one volume of the copy, read into and written back from local files. Paths are
// relative to the volume root, with "/" between parts.
class VolumeFileAccess {
public:
    enum class Kind { Unknown, Fat, Ntfs };

    virtual ~VolumeFileAccess() = default;

    virtual Kind kind() const = 0;
    // Copies the file into `localFile`.
    virtual bool fetch(const QString& path, const QString& localFile) = 0;
    // Overwrites an existing file with `localFile`.
    virtual bool put(const QString& localFile, const QString& path) = 0;
    // Creates the folder and its missing parents.
    virtual bool makeFolder(const QString& path) = 0;
    // The last failure was a refusal or a tool that could not do its work, not a missing file.
    virtual bool refused() const = 0;
    virtual QString lastError() const = 0;
};
