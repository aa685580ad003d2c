#include "gui/Dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

QString toQtFilter(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2)
        out << QStringLiteral("%1 (%2)").arg(
            parts[i], QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' ')));
    return out.join(QStringLiteral(";;"));
}

int Dialogs::showModal(QDialog* dialog) {
    return dialog->exec();
}

void WidgetDialogs::message(QWidget* parent, const QString& text) {
    QMessageBox::information(parent, QApplication::applicationName(), text);
}

void WidgetDialogs::error(QWidget* parent, const QString& text) {
    QMessageBox::critical(parent, QApplication::applicationName(), text);
}

Dialogs::Answer WidgetDialogs::question(QWidget* parent, const QString& text, bool withCancel) {
    QMessageBox::StandardButtons buttons = QMessageBox::Yes | QMessageBox::No;
    if (withCancel) buttons |= QMessageBox::Cancel;
    const auto escape = withCancel ? QMessageBox::Cancel : QMessageBox::No;
    QMessageBox box(QMessageBox::Question, QApplication::applicationName(), text, buttons, parent);
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(escape);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return withCancel ? Answer::Cancel : Answer::No;
    }
}

QString WidgetDialogs::inputBox(QWidget* parent, const QString& caption, const QString& prompt,
                                const QString& proposal) {
    bool ok = false;
    const QString text = QInputDialog::getText(parent, caption, prompt, QLineEdit::Normal, proposal, &ok);
    return ok ? text : proposal;
}

static QString runFileDialog(QWidget* parent, const Dialogs::FileRequest& request,
                             QFileDialog::AcceptMode mode) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilter(toQtFilter(request.filter));
    dialog.setDefaultSuffix(request.defaultSuffix);
    // Files are overwritten without asking, as everywhere in the program.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    if (!request.directory.isEmpty()) dialog.setDirectory(request.directory);
    if (!request.proposedName.isEmpty()) dialog.selectFile(request.proposedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().first();
}

QString WidgetDialogs::saveFileName(QWidget* parent, const FileRequest& request) {
    return runFileDialog(parent, request, QFileDialog::AcceptSave);
}

QString WidgetDialogs::openFileName(QWidget* parent, const FileRequest& request) {
    return runFileDialog(parent, request, QFileDialog::AcceptOpen);
}
