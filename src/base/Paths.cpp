#include "base/Paths.h"
#include "base/BuildInfo.h"
#include "base/Errors.h"
#include "base/SafeFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

QString asDirectory(QString path) {
    if (!path.isEmpty() && !path.endsWith(QLatin1Char('/'))) path += QLatin1Char('/');
    return path;
}

} // namespace

const QString Paths::HistoryName = QStringLiteral("ZahlenGR.dat");
const QString Paths::TipListName = QStringLiteral("tipps.txt");
const QString Paths::TipTextName = QStringLiteral("Tipp.txt");

Paths::Paths(Layout layout, QString program, QString data, QString user)
    : m_layout(layout), m_program(asDirectory(std::move(program))), m_data(asDirectory(std::move(data))),
      m_user(asDirectory(std::move(user))) {}

Paths Paths::portable(const QString& programDirectory) {
    return Paths(Layout::Portable, programDirectory, programDirectory, programDirectory);
}

Paths Paths::installed(const QString& programDirectory, const QString& dataDirectory,
                       const QString& userDirectory) {
    return Paths(Layout::Installed, programDirectory, dataDirectory, userDirectory);
}

QString Paths::userDataHome() {
    QString base = qEnvironmentVariable("XDG_DATA_HOME");
    // Relative values are invalid and ignored.
    if (base.isEmpty() || !QDir::isAbsolutePath(base))
        base = QDir::homePath() + QStringLiteral("/.local/share");
    return asDirectory(QDir::cleanPath(base + QStringLiteral("/quintara")));
}

Paths Paths::forProgram(const QString& programDirectory) {
    const QString program = asDirectory(programDirectory);
    const QString installedData =
        asDirectory(QDir::cleanPath(program + BuildInfo::dataDirectoryFromProgram()));
    // An install tree keeps the player's files out of it even where it could be written (a
    // root session, a prefix in the home directory).
    if (QFileInfo(installedData).isDir()) return installed(program, installedData, userDataHome());
    if (QFileInfo(program).isWritable()) return portable(program);
    return installed(program, program, userDataHome());
}

QString Paths::translationPath(const QString& fileName) const {
    return m_data + QStringLiteral("land/") + fileName;
}

QString Paths::manualPath() const {
    const QString name = QStringLiteral("README.md");
    for (const QString& candidate : {QDir::cleanPath(m_data + QStringLiteral("../doc/quintara/") + name), m_data + name})
        if (QFileInfo(candidate).isFile()) return candidate;
    return {};
}

QString Paths::lockPath() const {
    return m_user + QStringLiteral(".quintara.lock");
}

QString Paths::dialogDirectory() const {
    return m_layout == Layout::Installed ? m_user : QString();
}

void Paths::makeUserDirectory() const {
    if (m_layout != Layout::Installed) return;
    const QString user = m_user.chopped(1);
    if (QFileInfo(user).isDir()) return;
    const bool made = QDir().mkpath(QFileInfo(user).absolutePath()) &&
                      QDir().mkdir(user, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (!made && !QFileInfo(user).isDir())
        throw FileError(QCoreApplication::translate("Paths", "Der Ordner für Ihre Daten kann nicht angelegt werden: %1").arg(user));
}

void Paths::prepareUserDirectory() const {
    if (m_layout != Layout::Installed) return;
    makeUserDirectory();
    const QString history = historyPath();
    const QString bundled = bundledHistoryPath();
    if (QFileInfo::exists(history) || QFileInfo(history).isSymLink() || history == bundled ||
        !QFileInfo::exists(bundled))
        return;
    // Written whole or not at all, never over a history made meanwhile by another start; the
    // player's copy is his to write, whatever the mode of the shipped file. The shipped history
    // is below 1 MB; 16 MB is what the program reads of any history.
    SafeFile::ReplaceOptions options;
    options.keepExisting = true;
    options.fixedMode = 0600;
    options.failureNote = QCoreApplication::translate("Paths", "Die mitgelieferte Ziehungsdatei %1 wurde nicht nach %2 kopiert.").arg(bundled, history);
    SafeFile::replace(history, SafeFile::readAll(bundled, 16 * 1024 * 1024), options);
}
