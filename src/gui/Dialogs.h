#pragma once
#include <QString>

class QDialog;
class QWidget;

// Every message box, input box and file dialog of the program goes through this interface, so
// tests can answer them and read the exact text shown.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // A plain message (the program's foreseen messages: "Wählen Sie zuerst einen Tipp aus", ...).
    virtual void message(QWidget* parent, const QString& text) = 0;
    // The standard error box for an error that ended an action.
    virtual void error(QWidget* parent, const QString& text) = 0;
    // A question the user answers with Yes or No (or Cancel, when offered). Closing the box
    // answers Cancel where it is offered, No otherwise.
    enum class Answer { Yes, No, Cancel };
    virtual Answer question(QWidget* parent, const QString& text, bool withCancel = false) = 0;
    // A message the user may answer with a request to stop what is going on (one hit of a long
    // search). Returns true to go on: OK, Enter; false for the stop button or Escape.
    virtual bool messageOrStop(QWidget* parent, const QString& text, const QString& stopCaption) = 0;
    // Caption, prompt and proposed text in; the entered text out, the proposal when cancelled.
    virtual QString inputBox(QWidget* parent, const QString& caption, const QString& prompt,
                             const QString& proposal) = 0;

    struct FileRequest {
        QString filter;        // "Tippdatei|*.hlt"
        QString defaultSuffix; // "hlt"
        QString proposedName;  // file name or path proposed to the user
        QString directory;     // where the dialog opens; empty: the system's choice
    };
    // The chosen path, or an empty text when the user cancelled.
    virtual QString saveFileName(QWidget* parent, const FileRequest& request) = 0;
    virtual QString openFileName(QWidget* parent, const FileRequest& request) = 0;

    // How every window of the program asks where to save: the save dialog opens in the folder
    // where the player last saved a file (the request's own folder until the first save), and
    // the folder of the chosen file is kept for the next one.
    QString saveFile(QWidget* parent, FileRequest request);
    // The folder of the last save (kept in the settings); empty before the first.
    const QString& saveDirectory() const { return m_saveDirectory; }
    void setSaveDirectory(const QString& directory) { m_saveDirectory = directory; }

    // Shows one of the program's own windows modally and returns its modal result.
    virtual int showModal(QDialog* dialog);

private:
    QString m_saveDirectory;
};

// The real dialogs of the toolkit.
class WidgetDialogs : public Dialogs {
public:
    void message(QWidget* parent, const QString& text) override;
    void error(QWidget* parent, const QString& text) override;
    Answer question(QWidget* parent, const QString& text, bool withCancel = false) override;
    bool messageOrStop(QWidget* parent, const QString& text, const QString& stopCaption) override;
    // The caption, which often holds the question ("Bei wievielen Zahlen ...?"), stands in the
    // box above the prompt as well as in the title bar, where a window manager may cut it.
    // Cancel takes the proposal; its hint says so.
    QString inputBox(QWidget* parent, const QString& caption, const QString& prompt,
                     const QString& proposal) override;
    QString saveFileName(QWidget* parent, const FileRequest& request) override;
    QString openFileName(QWidget* parent, const FileRequest& request) override;
};
