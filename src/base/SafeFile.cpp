#include "base/SafeFile.h"

#include "base/Errors.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace SafeFile {

namespace {

const QString kTempMarker = QStringLiteral(".qgr-");

QByteArray native(const QString& path) {
    return QFile::encodeName(path);
}

int openRetrying(const QByteArray& path, int flags, mode_t mode = 0) {
    int fd;
    do {
        fd = ::open(path.constData(), flags | O_CLOEXEC, mode);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

FileError withNote(const FileError& e, const QString& note) {
    return note.isEmpty() ? e : FileError(e.message() + QLatin1Char(' ') + note);
}

QString randomSuffix() {
    static const char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QString s;
    for (int i = 0; i < 6; ++i)
        s += QLatin1Char(kAlphabet[QRandomGenerator::global()->bounded(int(sizeof kAlphabet) - 1)]);
    return s;
}

// Creates the temporary file exclusively, at fixedPath when given; a fixed name left over from a
// killed run is removed first. Returns the descriptor and sets tempPath.
int createTemp(const QString& path, const QString& fixedPath, mode_t mode, QString& tempPath) {
    const bool fixed = !fixedPath.isEmpty();
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempPath = fixed ? fixedPath : path + kTempMarker + randomSuffix();
        struct stat st {};
        if (fixed && ::lstat(native(tempPath).constData(), &st) == 0 && !S_ISDIR(st.st_mode))
            ::unlink(native(tempPath).constData());
        const int fd = openRetrying(native(tempPath), O_WRONLY | O_CREAT | O_EXCL, mode);
        if (fd >= 0) return fd;
        if (fixed || errno != EEXIST) throw openError(tempPath, errno);
    }
    throw openError(tempPath, EEXIST);
}

FileError tooLarge(const QString& path, qint64 size, qint64 maxBytes) {
    return FileError(QCoreApplication::translate("SafeFile",
                                                 "Die Datei \"%1\" ist zu groß: %2 Bytes, höchstens %3 "
                                                 "Bytes werden gelesen. Sie bleibt unverändert.")
                         .arg(path)
                         .arg(size)
                         .arg(maxBytes));
}

FileError renameError(const QString& path, const QString& tempPath, int error) {
    return FileError(QCoreApplication::translate("SafeFile", "Die Datei \"%1\" kann nicht durch \"%2\" ersetzt werden. %3.")
                         .arg(path, tempPath, systemErrorText(error)));
}

bool isOwnTemporaryName(const QString& fileName) {
    static const QRegularExpression own(QStringLiteral("^(ZahlenGR\\.dat~|Zahlen\\.da~|.+\\.qgr-[A-Za-z0-9]{6})$"));
    return own.match(fileName).hasMatch();
}

} // namespace

QString writeTarget(const QString& path) {
    QString current = path;
    // The kernel gives up after 40 links in a row; so does this.
    for (int hop = 0; hop < 40; ++hop) {
        struct stat st {};
        if (::lstat(native(current).constData(), &st) != 0 || !S_ISLNK(st.st_mode)) return current;
        QByteArray link(PATH_MAX, Qt::Uninitialized);
        const ssize_t n = ::readlink(native(current).constData(), link.data(), static_cast<size_t>(link.size()));
        if (n < 0) throw openError(path, errno);
        const QString target = QFile::decodeName(link.left(n));
        // A relative link is relative to the directory the link is in.
        current = QDir::isAbsolutePath(target) ? target : QFileInfo(current).absolutePath() + QLatin1Char('/') + target;
    }
    throw openError(path, ELOOP);
}

qint64 requireRegularFile(int fd, const QString& path, qint64 maxBytes) {
    struct stat st {};
    if (::fstat(fd, &st) != 0) throw readError(path, errno);
    if (S_ISDIR(st.st_mode)) throw openError(path, EISDIR);
    if (!S_ISREG(st.st_mode))
        throw FileError(QCoreApplication::translate("SafeFile",
                                                    "\"%1\" ist keine gewöhnliche Datei, sondern zum Beispiel "
                                                    "eine Pipe oder ein Gerät, und wird nicht gelesen.")
                            .arg(path));
    if (st.st_size > maxBytes) throw tooLarge(path, static_cast<qint64>(st.st_size), maxBytes);
    return static_cast<qint64>(st.st_size);
}

UniqueFd openForReading(const QString& path, qint64 maxBytes, qint64* size) {
    // Without O_NONBLOCK the open of a pipe would wait for a writer before the check below.
    UniqueFd fd(openRetrying(native(path), O_RDONLY | O_NONBLOCK));
    if (fd.get() < 0) throw openError(path, errno);
    const qint64 bytes = requireRegularFile(fd.get(), path, maxBytes);
    const int status = ::fcntl(fd.get(), F_GETFL);
    if (status != -1) ::fcntl(fd.get(), F_SETFL, status & ~O_NONBLOCK);
    if (size) *size = bytes;
    return fd;
}

namespace {

// Moves n bytes through pread or pwrite at offset, going on after an interruption or a partial
// transfer; stops early only when nothing more moves. Returns the bytes moved, -1 with errno.
template <class Io, class Buffer> qint64 transferAt(Io io, int fd, Buffer* buffer, qint64 n, qint64 offset) {
    qint64 done = 0;
    while (done < n) {
        const ssize_t moved = io(fd, buffer + done, static_cast<size_t>(n - done), offset + done);
        if (moved < 0 && errno == EINTR) continue;
        if (moved < 0) return -1;
        if (moved == 0) break;
        done += moved;
    }
    return done;
}

} // namespace

qint64 readAt(int fd, char* buffer, qint64 n, qint64 offset, const QString& path) {
    const qint64 got = transferAt(::pread, fd, buffer, n, offset);
    if (got < 0) throw readError(path, errno);
    return got;
}

void writeAt(int fd, const char* bytes, qint64 n, qint64 offset, const QString& path) {
    const qint64 put = transferAt(::pwrite, fd, bytes, n, offset);
    if (put < 0) throw writeError(path, errno);
    if (put < n) throw writeError(path, ENOSPC);
}

void syncDirectoryOf(const QString& path) {
    const QString dir = QFileInfo(path).absolutePath();
    UniqueFd fd(openRetrying(native(dir), O_RDONLY | O_DIRECTORY));
    if (fd.get() < 0) throw writeError(dir, errno);
    if (::fsync(fd.get()) != 0 && errno != EINVAL && errno != EROFS) throw writeError(dir, errno);
}

void replace(const QString& path, const QByteArray& bytes, const ReplaceOptions& options) {
    // Through a link the file it leads to is replaced, beside itself: a temporary file beside
    // the link could lie on another file system, and a rename there would replace the link.
    const QString file = writeTarget(path);
    const QByteArray target = native(file);
    // What is there now: its permissions decide whether it may be replaced, and carry over.
    struct stat old {};
    bool exists = false;
    if (::stat(target.constData(), &old) == 0) {
        if (options.keepExisting) return;
        exists = true;
        if (S_ISDIR(old.st_mode)) throw withNote(openError(path, EISDIR), options.failureNote);
        // A file the user made read-only is not replaced behind his back: the same open an
        // in-place write would do must succeed (root passes, as it would there).
        if (S_ISREG(old.st_mode)) {
            UniqueFd probe(openRetrying(target, O_WRONLY | O_NONBLOCK));
            if (probe.get() < 0) throw withNote(openError(path, errno), options.failureNote);
        }
    } else if (errno != ENOENT) {
        throw withNote(openError(path, errno), options.failureNote);
    }

    QString tempPath;
    // A new file gets its mode through the umask at creation; a replacement the old file's.
    UniqueFd fd(createTemp(file, file == path ? options.tempPath : QString(),
                           options.fixedMode != 0 ? options.fixedMode : exists ? 0600 : 0644, tempPath));
    const QByteArray temp = native(tempPath);
    try {
        if (exists && (old.st_uid != ::geteuid() || old.st_gid != ::getegid())) {
            // Keep owner and group where allowed (root, or a group of ours); else ours.
            if (::fchown(fd.get(), old.st_uid, old.st_gid) != 0) {
                [[maybe_unused]] const int ignored = ::fchown(fd.get(), static_cast<uid_t>(-1), old.st_gid);
            }
        }
        const mode_t mode = options.fixedMode != 0 ? options.fixedMode : (old.st_mode & 07777);
        if ((exists || options.fixedMode != 0) && ::fchmod(fd.get(), mode) != 0) throw writeError(tempPath, errno);

        writeAt(fd.get(), bytes.constData(), bytes.size(), 0, path);
        if (::fsync(fd.get()) != 0 && errno != EINVAL) throw writeError(path, errno);
        if (::close(fd.release()) != 0) throw writeError(path, errno);
        if (options.keepExisting) {
            // A file made meanwhile wins; where the file system cannot refuse a replacement
            // the check above stands.
            if (::renameat2(AT_FDCWD, temp.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) == 0) {
                syncDirectoryOf(file);
                return;
            }
            if (errno == EEXIST) {
                ::unlink(temp.constData());
                return;
            }
            if (errno != EINVAL && errno != ENOSYS) throw renameError(path, tempPath, errno);
        }
        if (::rename(temp.constData(), target.constData()) != 0) throw renameError(path, tempPath, errno);
    } catch (const FileError& e) {
        fd.reset();
        ::unlink(temp.constData());
        throw withNote(e, options.failureNote);
    } catch (...) {
        fd.reset();
        ::unlink(temp.constData());
        throw;
    }
    syncDirectoryOf(file);
}

QByteArray readAll(const QString& path, qint64 maxBytes) {
    qint64 size = 0;
    const UniqueFd fd = openForReading(path, maxBytes, &size);
    QByteArray bytes;
    bytes.reserve(static_cast<qsizetype>(size));
    char buffer[65536];
    for (;;) {
        const qint64 got = readAt(fd.get(), buffer, sizeof buffer, bytes.size(), path);
        if (got == 0) break;
        // The file grew while it was read.
        if (bytes.size() + got > maxBytes) throw tooLarge(path, bytes.size() + got, maxBytes);
        bytes.append(buffer, got);
    }
    return bytes;
}

QStringList removeStaleTemporaries(const QString& directory) {
    QStringList removed;
    const QDir dir(directory);
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (!isOwnTemporaryName(name)) continue;
        const QByteArray path = native(dir.filePath(name));
        struct stat st {};
        if (::lstat(path.constData(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != ::geteuid()) continue;
        if (::unlink(path.constData()) == 0) removed << name;
    }
    if (!removed.isEmpty()) {
        try {
            syncDirectoryOf(dir.filePath(removed.first()));
        } catch (const FileError&) {
            // The removal is tidying only; nothing is lost if it does not reach the disk.
        }
    }
    return removed;
}

} // namespace SafeFile
