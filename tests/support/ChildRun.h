#pragma once
// Runs a piece of work in a forked child, so that a test can give it limits the test process
// itself must not have (a file size limit, another user); the child reports through a pipe how
// the work ended.
#include <QString>
#include <functional>

struct ChildOutcome {
    enum Kind { Succeeded, FileFailure, OtherFailure, Crashed } kind = Crashed;
    QString message; // the FileError text
};

// `prepare` runs in the child first; when it returns false the work is not run (OtherFailure).
// Crashed: the child could not be started or ended without a report.
ChildOutcome runInChild(const std::function<bool()>& prepare, const std::function<void()>& work);
