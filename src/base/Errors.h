#pragma once
#include <QString>
#include <stdexcept>

// An error that ends the running action and is shown to the user in the standard error box.
class AppError : public std::runtime_error {
public:
    explicit AppError(const QString& message)
        : std::runtime_error(message.toStdString()), m_message(message) {}
    const QString& message() const { return m_message; }

private:
    QString m_message;
};

// A file could not be opened, read, written or replaced.
class FileError : public AppError {
public:
    using AppError::AppError;
};

// A text did not convert to a number.
class ConversionError : public AppError {
public:
    using AppError::AppError;
};

// What the user reads for an error that ended an action: the message of the program's own
// errors, the text of any other exception.
QString errorText(const std::exception& error);

// German text for an errno value, as the user should read it.
QString systemErrorText(int errorNumber);
// "Die Datei ... kann nicht geöffnet werden: ..." and friends.
FileError openError(const QString& path, int errorNumber);
FileError readError(const QString& path, int errorNumber);
FileError writeError(const QString& path, int errorNumber);

// Whole-number conversion as the program uses it everywhere: optional blanks around an
// optionally signed decimal integer that fits 32 bits. Throws ConversionError otherwise.
int toInt(const QString& text);
bool tryToInt(const QString& text, int& value);
