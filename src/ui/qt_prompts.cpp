#include "ui/qt_prompts.h"

#include <QDir>
#include <QFileInfo>
#include <QFileDialog>
#include <QMessageBox>

namespace vh::ui {

QString QtFilterOf(const std::string& filter) {
    const QStringList parts = QString::fromStdString(filter).split('|');
    QStringList filters;
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        const QString description = parts[i].trimmed();
        const QString pattern = i + 1 < parts.size() ? parts[i + 1].trimmed() : QString();
        if (pattern.isEmpty()) {
            if (!description.isEmpty()) filters << description;
            continue;
        }
        // Qt reads the patterns from the parentheses; Windows-style lists use ';'.
        const QString qtPattern = QString(pattern).replace(';', ' ');
        if (description.contains('(' + pattern + ')') || description.contains('(' + qtPattern + ')'))
            filters << description;
        else if (description.isEmpty())
            filters << '(' + qtPattern + ')';
        else
            filters << description + " (" + qtPattern + ')';
    }
    return filters.join(";;");
}

QString InitialDialogPath(const FileDialogRequest& request) {
    const QString name = QString::fromStdString(request.FileName);
    const QString folder = QString::fromStdString(request.InitialFolder);
    if (!name.isEmpty() && QDir::isAbsolutePath(name)) return name;
    if (folder.isEmpty()) return name;
    if (name.isEmpty()) return folder;
    return QDir(folder).filePath(name);
}

namespace {

QMessageBox::Icon QtIconOf(PromptIcon icon) {
    switch (icon) {
        case PromptIcon::Information:
            return QMessageBox::Information;
        case PromptIcon::Exclamation:
            return QMessageBox::Warning;
        case PromptIcon::Critical:
            return QMessageBox::Critical;
        case PromptIcon::Question:
            return QMessageBox::Question;
        case PromptIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

FileChoice ChoiceOf(const QString& path) {
    if (path.isEmpty()) return {};
    const std::string p = path.toStdString();
    return {p, FileTitleOf(p)};
}

}  // namespace

PromptAnswer QtPrompts::Message(const std::string& text, const std::string& title, PromptButtons buttons,
                                PromptIcon icon) {
    QMessageBox box(QtIconOf(icon), QString::fromStdString(title), QString::fromStdString(text),
                    QMessageBox::NoButton, parent_);
    if (buttons == PromptButtons::YesNoCancel) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::Cancel);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    switch (box.exec()) {
        case QMessageBox::Yes:
            return PromptAnswer::Yes;
        case QMessageBox::No:
            return PromptAnswer::No;
        case QMessageBox::Ok:
            return PromptAnswer::Ok;
        default:
            break;
    }
    // Closed by the frame or Escape.
    return buttons == PromptButtons::YesNoCancel ? PromptAnswer::Cancel : PromptAnswer::Ok;
}

std::unique_ptr<QFileDialog> MakeFileDialog(QWidget* parent, const FileDialogRequest& request, bool save) {
    auto d = std::make_unique<QFileDialog>(parent, QString::fromStdString(request.Title), QString(),
                                           QtFilterOf(request.Filter));
    d->setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    d->setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // The suffix is added inside the dialog, so its overwrite question is
    // asked about the file that will really be written.
    d->setDefaultSuffix(QString::fromStdString(request.DefaultSuffix));
    const QString start = InitialDialogPath(request);
    const QFileInfo info(start);
    if (!start.isEmpty() && info.isDir()) {
        d->setDirectory(start);
    } else if (!start.isEmpty()) {
        d->setDirectory(info.absolutePath());
        d->selectFile(info.fileName());
    }
    return d;
}

FileChoice QtPrompts::OpenFile(const FileDialogRequest& request) {
    const auto d = MakeFileDialog(parent_, request, false);
    return d->exec() == QDialog::Accepted && !d->selectedFiles().isEmpty() ? ChoiceOf(d->selectedFiles().front())
                                                                           : FileChoice{};
}

FileChoice QtPrompts::SaveFile(const FileDialogRequest& request) {
    const auto d = MakeFileDialog(parent_, request, true);
    return d->exec() == QDialog::Accepted && !d->selectedFiles().isEmpty() ? ChoiceOf(d->selectedFiles().front())
                                                                           : FileChoice{};
}

}  // namespace vh::ui
