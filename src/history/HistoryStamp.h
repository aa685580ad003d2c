#pragma once
#include <ctime>
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
    bool operator==(const FileStamp& o) const;
};
