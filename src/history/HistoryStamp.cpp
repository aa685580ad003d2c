#include "history/HistoryStamp.h"

#include <QFile>
#include <mutex>
#include <vector>

FileStamp FileStamp::of(const struct stat& st) {
    FileStamp s;
    s.device = st.st_dev;
    s.inode = st.st_ino;
    s.size = st.st_size;
    s.modified = st.st_mtim;
    s.changed = st.st_ctim;
    return s;
}

bool FileStamp::operator==(const FileStamp& o) const {
    return sameFile(o) && size == o.size && modified.tv_sec == o.modified.tv_sec &&
           modified.tv_nsec == o.modified.tv_nsec && changed.tv_sec == o.changed.tv_sec &&
           changed.tv_nsec == o.changed.tv_nsec;
}

namespace {

// The last stamp of each file the program wrote lately. A rewrite by rename gives the history a
// new inode each time, so only the newest few are kept.
constexpr std::size_t kKept = 16;
std::mutex g_mutex;
std::vector<FileStamp> g_stamps;

void note(const FileStamp& s) {
    const std::lock_guard lock(g_mutex);
    for (FileStamp& known : g_stamps)
        if (known.sameFile(s)) {
            known = s;
            return;
        }
    if (g_stamps.size() == kKept) g_stamps.erase(g_stamps.begin());
    g_stamps.push_back(s);
}

} // namespace

namespace OwnWrites {

void noteWritten(const QString& path) {
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) == 0) note(FileStamp::of(st));
}

void noteWritten(int fd) {
    struct stat st {};
    if (::fstat(fd, &st) == 0) note(FileStamp::of(st));
}

bool isOwn(const FileStamp& stamp) {
    const std::lock_guard lock(g_mutex);
    for (const FileStamp& known : g_stamps)
        if (known.sameFile(stamp)) return known == stamp;
    return false;
}

} // namespace OwnWrites
