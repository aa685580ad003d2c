#include "gui/Dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLabel>
#include <QPushButton>
#include <QMessageBox>

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
    QMessageBox box(QMessageBox::Question, QApplication::applicationName(), text, buttons, parent);
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(withCancel ? QMessageBox::Cancel : QMessageBox::No);
    const int answer = box.exec();
    if (answer == QMessageBox::Yes) return Answer::Yes;
    return answer == QMessageBox::No || !withCancel ? Answer::No : Answer::Cancel;
}

bool WidgetDialogs::messageOrStop(QWidget* parent, const QString& text, const QString& stopCaption) {
    QMessageBox box(QMessageBox::Information, QApplication::applicationName(), text, QMessageBox::Ok, parent);
    QPushButton* stop = box.addButton(stopCaption, QMessageBox::RejectRole);
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(stop);
    box.exec();
    return box.clickedButton() != stop;
}

QString WidgetDialogs::inputBox(QWidget* parent, const QString& caption, const QString& prompt,
                                const QString& proposal) {
    QInputDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("InputBox"));
    dialog.setWindowTitle(caption);
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setTextValue(proposal);
    dialog.setLabelText(QStringLiteral("<b>%1</b><br>%2").arg(caption.toHtmlEscaped(), prompt.toHtmlEscaped()));
    dialog.setCancelButtonText(QCoreApplication::translate("Dialogs", "Abbrechen"));
    dialog.setOkButtonText(QCoreApplication::translate("Dialogs", "OK"));
    dialog.minimumSizeHint(); // lays the box out, so its label and buttons exist
    if (auto* label = dialog.findChild<QLabel*>()) label->setTextFormat(Qt::RichText);
    for (QPushButton* button : dialog.findChildren<QPushButton*>())
        if (button->text() == dialog.cancelButtonText())
            button->setToolTip(QCoreApplication::translate(
                                   "Dialogs", "Schließt das Fenster und verwendet den vorgeschlagenen Wert „%1“.")
                                   .arg(proposal));
    const bool ok = dialog.exec() == QDialog::Accepted;
    return ok ? dialog.textValue() : proposal;
}

static QString runFileDialog(QWidget* parent, const Dialogs::FileRequest& request,
                             QFileDialog::AcceptMode mode) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // "Tippdatei|*.hlt" -> "Tippdatei (*.hlt)".
    dialog.setNameFilter(QString(request.filter).replace(QLatin1Char('|'), QStringLiteral(" (")) +
                         QLatin1Char(')'));
    dialog.setDefaultSuffix(request.defaultSuffix);
    // Files are overwritten without asking, as everywhere in the program.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    if (!request.directory.isEmpty()) dialog.setDirectory(request.directory);
    if (!request.proposedName.isEmpty()) dialog.selectFile(request.proposedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().first();
}

QString Dialogs::saveFile(QWidget* parent, FileRequest request) {
    // A folder that is gone since (a stick pulled out) leaves the request's own.
    if (!m_saveDirectory.isEmpty() && QFileInfo(m_saveDirectory).isDir()) request.directory = m_saveDirectory;
    const QString path = saveFileName(parent, request);
    if (!path.isEmpty()) m_saveDirectory = QFileInfo(path).absolutePath();
    return path;
}

QString WidgetDialogs::saveFileName(QWidget* parent, const FileRequest& request) {
    return runFileDialog(parent, request, QFileDialog::AcceptSave);
}

QString WidgetDialogs::openFileName(QWidget* parent, const FileRequest& request) {
    return runFileDialog(parent, request, QFileDialog::AcceptOpen);
}
