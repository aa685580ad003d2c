#pragma once
// Test doubles for the platform adapters and a program directory in a temporary folder.
#include "app/TForm1.h"
#include "gui/TipPrint.h"
#include "history/DrawRecord.h"
#include "net/HttpClient.h"
#include "support/ScopedEnv.h"
#include "support/TestDraws.h"

#include <QDate>
#include <QStringList>
#include <QTemporaryDir>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <vector>

// Readable QString values in failure messages.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

// Records every text shown and answers input boxes and file dialogs from queues. An input box
// or file dialog without a queued answer behaves as if cancelled.
class FakeDialogs : public Dialogs {
public:
    struct Shown {
        QString kind; // "message", "error", "question", "input", "save", "open"
        QString text; // message text, or "caption|prompt|proposal", or filter|suffix|name
    };

    void message(QWidget*, const QString& text) override;
    void error(QWidget*, const QString& text) override;
    // Answered from questionAnswers; without a queued answer: No (Cancel when offered).
    Answer question(QWidget*, const QString& text, bool withCancel = false) override;
    // Recorded as a "message"; answered from continueAnswers, without one: go on.
    bool messageOrStop(QWidget*, const QString& text, const QString& stopCaption) override;
    std::deque<bool> continueAnswers;
    QString lastStopCaption;
    QString inputBox(QWidget*, const QString& caption, const QString& prompt,
                     const QString& proposal) override;
    QString saveFileName(QWidget*, const FileRequest& request) override;
    QString openFileName(QWidget*, const FileRequest& request) override;

    // Answers a modal window: the callback may change its controls and returns the modal result.
    // Without one the window is cancelled (QDialog::Rejected).
    int showModal(QDialog* dialog) override;
    std::deque<std::function<int(QDialog*)>> modalAnswers;
    int modalCount = 0;

    QStringList messages() const; // plain messages, in order
    QStringList errors() const;   // error boxes, in order
    QStringList questions() const; // questions asked, in order
    std::vector<Shown> shown;

    // Answers; std::nullopt-like cancel is an empty optional in the queue.
    std::deque<std::optional<QString>> inputAnswers;
    std::deque<Answer> questionAnswers;
    std::deque<QString> saveAnswers; // empty text = cancel
    std::deque<QString> openAnswers;
    std::vector<FileRequest> fileRequests;
    // Called when a message or error is shown (lets a test act while a modal message is up).
    std::function<void(const Shown&)> onShown;
};

class FakeClock : public Clock {
public:
    QDate date = QDate(2025, 9, 1);
    std::uint64_t count = 12345;
    QDate today() const override { return date; }
    std::uint64_t counter() const override { return count; }
};

class RecordingSound : public Sound {
public:
    QStringList played;
    void play(const QString& wavPath) override { played << wavPath; }
};

class RecordingShell : public Shell {
public:
    QStringList opened;
    bool succeeds = true; // false: as a desktop without a handler for the file
    bool open(const QString& addressOrFile) override {
        opened << addressOrFile;
        return succeeds;
    }
};

struct TestPlatform {
    std::shared_ptr<FakeDialogs> dialogs = std::make_shared<FakeDialogs>();
    std::shared_ptr<FakeClock> clock = std::make_shared<FakeClock>();
    std::shared_ptr<RecordingSound> sound = std::make_shared<RecordingSound>();
    std::shared_ptr<RecordingShell> shell = std::make_shared<RecordingShell>();
    // The real printing, so tests see the real preview and PDF.
    std::shared_ptr<Printing> printing = std::make_shared<Printing>();
    // The real client: window tests download from their loopback servers.
    HttpGetterFactory http = [] { return std::unique_ptr<HttpGetter>(std::make_unique<HttpClient>()); };
    // No window of the tests updates by itself at start (its server would be the operator's
    // real one); a test of that update turns it on and points the window at a local fake.
    bool updateAtStart = false;
    Platform platform() const { return Platform{dialogs, clock, sound, shell, printing, http, updateAtStart}; }
};

// A program directory in a fresh temporary folder, with the settings store pointed at a
// folder of its own (XDG_CONFIG_HOME), so nothing of the user's is touched.
class TestProgramDir {
public:
    TestProgramDir();
    ~TestProgramDir();
    QString path() const; // ends in "/"
    QString file(const QString& name) const { return path() + name; }
    QString configHome() const;

    void writeHistory(const std::vector<DrawRecord>& records) const;
    std::vector<DrawRecord> readHistory() const;
    // The bundled real history (1990-2025).
    void installRealHistory() const;
    // Copies the files the program keeps beside it (vew/, land/, yippee.wav).
    void installBesideFiles() const;

private:
    QTemporaryDir m_dir;
    ScopedEnv m_configHome;
};

// Stores the language item ("Deutsch1", "Englichen1", "Grichisch1") the next window starts with
// (in the settings of the current test program directory). Without one a window starts Greek.
void storeLanguage(const QString& item);

// A main window on a test program directory with fake adapters. Shows it (offscreen) and runs
// the first activation when `activate` is true.
struct FormFixture {
    explicit FormFixture(TestProgramDir& dir, bool activate = true);
    ~FormFixture();
    TestPlatform platform;
    std::unique_ptr<TForm1> form;
    TForm1* operator->() const { return form.get(); }
    // Lets queued events run (the deferred activation, chart refresh).
    static void processEvents();
};
