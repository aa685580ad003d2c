#pragma once
#include <QString>
#include <ctime>
#include <optional>
#include <sys/stat.h>
#include <sys/types.h>

// What stat() tells about a file that changes whenever its content changes: device and inode
// (a replacement by rename), size (an append), modification and change time (a rewrite in
// place). Two equal stamps of one file mean no change was seen between them.
struct FileStamp {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec modified{};
    timespec changed{};

    static FileStamp of(const struct stat& st);
    bool sameFile(const FileStamp& o) const { return device == o.device && inode == o.inode; }
    bool operator==(const FileStamp& o) const;
};

// Every writer of a history file calls noteWritten() after a successful write, and a reader
// that finds exactly that stamp later knows the content is what the program put there, however
// young the file is. Any change from elsewhere after that write gives a different stamp (except
// a rewrite of the same size within one tick of the file system's clock, which no other program
// does to this file). Safe to call from any thread.
namespace OwnWrites {

// Records the file's stamp as it is now (nothing when it cannot be stat()ed).
void noteWritten(const QString& path);
void noteWritten(int fd);
// The stamp equals the stamp of the program's last write of that file.
bool isOwn(const FileStamp& stamp);

} // namespace OwnWrites
