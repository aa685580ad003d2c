#pragma once
// An environment variable set (or unset, for a null value) for the lifetime of the object, and
// restored to what it was afterwards, unset included.
#include <QByteArray>
#include <QFile>
#include <QString>
#include <QtGlobal>

class ScopedEnv {
public:
    ScopedEnv(const char* name, const QByteArray& value)
        : m_name(name), m_had(qEnvironmentVariableIsSet(name)), m_old(qgetenv(name)) {
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value);
    }
    // A path or other text, in the file system's encoding.
    ScopedEnv(const char* name, const QString& value)
        : ScopedEnv(name, value.isNull() ? QByteArray() : QFile::encodeName(value)) {}
    ~ScopedEnv() {
        if (m_had)
            qputenv(m_name, m_old);
        else
            qunsetenv(m_name);
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    const char* m_name;
    bool m_had;
    QByteArray m_old;
};
