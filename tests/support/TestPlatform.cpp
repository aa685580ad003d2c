#include "support/TestPlatform.h"
#include "base/SettingsStore.h"

#include "history/DrawHistory.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QProcess>

void FakeDialogs::message(QWidget*, const QString& text) {
    shown.push_back({QStringLiteral("message"), text});
    if (onShown) onShown(shown.back());
}

void FakeDialogs::error(QWidget*, const QString& text) {
    shown.push_back({QStringLiteral("error"), text});
    if (onShown) onShown(shown.back());
}

QString FakeDialogs::inputBox(QWidget*, const QString& caption, const QString& prompt,
                              const QString& proposal) {
    shown.push_back(
        {QStringLiteral("input"), caption + QLatin1Char('|') + prompt + QLatin1Char('|') + proposal});
    if (onShown) onShown(shown.back());
    if (inputAnswers.empty()) return proposal;
    const auto answer = inputAnswers.front();
    inputAnswers.pop_front();
    return answer ? *answer : proposal;
}

QString FakeDialogs::saveFileName(QWidget*, const FileRequest& request) {
    fileRequests.push_back(request);
    shown.push_back({QStringLiteral("save"), request.filter + QLatin1Char('|') + request.defaultSuffix +
                                                 QLatin1Char('|') + request.proposedName});
    if (saveAnswers.empty()) return {};
    const QString answer = saveAnswers.front();
    saveAnswers.pop_front();
    return answer;
}

QString FakeDialogs::openFileName(QWidget*, const FileRequest& request) {
    fileRequests.push_back(request);
    shown.push_back({QStringLiteral("open"), request.filter + QLatin1Char('|') + request.defaultSuffix +
                                                 QLatin1Char('|') + request.proposedName});
    if (openAnswers.empty()) return {};
    const QString answer = openAnswers.front();
    openAnswers.pop_front();
    return answer;
}

int FakeDialogs::showModal(QDialog* dialog) {
    ++modalCount;
    if (modalAnswers.empty()) return QDialog::Rejected;
    auto answer = modalAnswers.front();
    modalAnswers.pop_front();
    const int result = answer(dialog);
    dialog->setResult(result);
    return result;
}

bool FakeDialogs::messageOrStop(QWidget*, const QString& text, const QString& stopCaption) {
    shown.push_back({QStringLiteral("message"), text});
    lastStopCaption = stopCaption;
    if (onShown) onShown(shown.back());
    if (continueAnswers.empty()) return true;
    const bool goOn = continueAnswers.front();
    continueAnswers.pop_front();
    return goOn;
}

Dialogs::Answer FakeDialogs::question(QWidget*, const QString& text, bool withCancel) {
    shown.push_back({QStringLiteral("question"), text});
    if (onShown) onShown(shown.back());
    if (questionAnswers.empty()) return withCancel ? Answer::Cancel : Answer::No;
    const Answer answer = questionAnswers.front();
    questionAnswers.pop_front();
    return answer;
}

QStringList FakeDialogs::questions() const {
    QStringList out;
    for (const Shown& s : shown)
        if (s.kind == QLatin1String("question")) out << s.text;
    return out;
}

QStringList FakeDialogs::messages() const {
    QStringList out;
    for (const auto& s : shown)
        if (s.kind == QLatin1String("message")) out << s.text;
    return out;
}

QStringList FakeDialogs::errors() const {
    QStringList out;
    for (const auto& s : shown)
        if (s.kind == QLatin1String("error")) out << s.text;
    return out;
}

TestProgramDir::TestProgramDir() : m_configHome("XDG_CONFIG_HOME", configHome()) {
    QDir().mkpath(configHome());
}

TestProgramDir::~TestProgramDir() = default;

QString TestProgramDir::path() const {
    return m_dir.path() + QStringLiteral("/program/");
}
QString TestProgramDir::configHome() const {
    return m_dir.path() + QStringLiteral("/config");
}

void TestProgramDir::writeHistory(const std::vector<DrawRecord>& records) const {
    QDir().mkpath(path());
    QFile f(file(QStringLiteral("ZahlenGR.dat")));
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    for (const auto& r : records) {
        const auto b = r.toBytes();
        f.write(reinterpret_cast<const char*>(b.data()), DrawRecord::Size);
    }
}

std::vector<DrawRecord> TestProgramDir::readHistory() const {
    return DrawHistory(file(QStringLiteral("ZahlenGR.dat"))).readAll();
}

void TestProgramDir::installRealHistory() const {
    writeHistory(realHistory());
}

void TestProgramDir::installBesideFiles() const {
    QDir().mkpath(path());
    QProcess::execute(QStringLiteral("cp"),
                      {QStringLiteral("-r"), QStringLiteral(QUINTARA_SOURCE_DIR "/data/beside/."), path()});
}

FormFixture::FormFixture(TestProgramDir& dir, bool activate) {
    QDir().mkpath(dir.path());
    form = std::make_unique<TForm1>(dir.path(), platform.platform());
    if (activate) {
        form->show();
        processEvents();
    }
}

FormFixture::~FormFixture() {
    if (form) form->close();
}

void FormFixture::processEvents() {
    for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
}

void storeLanguage(const QString& item) {
    SettingsStore key = SettingsStore::openKey(SettingsStore::ProgramKey);
    for (const QString& language :
         {QStringLiteral("Deutsch1"), QStringLiteral("Englichen1"), QStringLiteral("Grichisch1")})
        key.writeInteger(language, language == item ? 1 : 0);
    key.save();
}
