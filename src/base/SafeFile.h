#pragma once
// Every file the program writes is replaced through replace(): the new content goes to a
// temporary file beside the target, is synced, renamed over the target, and the directory is
// synced so that the rename itself survives a power cut. Every file the program reads is opened
// through openForReading() (readAll() for whole files), which says what really went wrong and
// refuses files beyond a size limit and anything that is not a regular file.
#include "base/UniqueFd.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <sys/types.h>

namespace SafeFile {

struct ReplaceOptions {
    // Empty gives "<target>.qgr-XXXXXX" with six random letters or digits.
    QString tempPath;
    // When not 0: the mode of the new file whatever the old one had.
    mode_t fixedMode = 0;
    // Added to a failure message.
    QString failureNote;
    // Creates the file only: one that exists, or appears meanwhile, stays and the bytes are dropped.
    bool keepExisting = false;
};

// Replaces (or creates) the file at path with bytes; through a symbolic link the file it leads
// to is replaced in its own directory (a fixed tempPath is then not used). An existing file that
// this process may not write is refused with the error an in-place write would get; its mode,
// group and (where allowed) owner carry over. A new file gets mode 0644 less the umask. Throws
// FileError; on failure the old file is whole and the temporary file is gone.
void replace(const QString& path, const QByteArray& bytes, const ReplaceOptions& options = {});

// Syncs the directory holding path, so that a rename or a creation in it is on disk. Throws
// FileError (a file system without directory sync is fine).
void syncDirectoryOf(const QString& path);

// The whole content of a file, at most maxBytes. Throws FileError.
QByteArray readAll(const QString& path, qint64 maxBytes);

// Opens a file read-only. A pipe, a device, a socket or a directory is refused before anything
// is read from it, since a read could wait for ever or never end; so is a file larger than
// maxBytes. Throws FileError; sets size when given.
UniqueFd openForReading(const QString& path, qint64 maxBytes, qint64* size = nullptr);
// The same check on a descriptor opened elsewhere. Returns its size.
qint64 requireRegularFile(int fd, const QString& path, qint64 maxBytes);

// Reads n bytes at offset, fewer only at the file's end; returns how many were read. Writes all
// n bytes at offset. Both throw FileError naming path.
qint64 readAt(int fd, char* buffer, qint64 n, qint64 offset, const QString& path);
void writeAt(int fd, const char* bytes, qint64 n, qint64 offset, const QString& path);

// Where a write to path really goes: path itself, or the file a chain of symbolic links leads
// to. Throws FileError for a loop of links.
QString writeTarget(const QString& path);

// Temporary files this program leaves only when it is killed mid-write: the fixed history
// temporaries and "<name>.qgr-XXXXXX". Removes those found directly in directory (regular files
// owned by this user only) and returns their names.
QStringList removeStaleTemporaries(const QString& directory);

} // namespace SafeFile
