// Message boxes and file dialogs on Qt for the editor's flows.
#pragma once

#include <QFileDialog>
#include <QString>
#include <QWidget>
#include <memory>

#include "core/prompts.h"

namespace vh::ui {

// "Desc (*.vhm)|*.vhm" (description and pattern pairs separated by '|') in
// Qt's "Desc (*.vhm)" form, several filters joined by ";;". A description
// that does not show its pattern gets it appended in parentheses.
QString QtFilterOf(const std::string& filter);

// The path a file dialog starts at: the proposed name inside the initial
// folder; a proposed absolute path wins over the folder.
QString InitialDialogPath(const FileDialogRequest& request);

// The open (save false) or save dialog for a request: title, filter, start
// folder and name, and the default suffix.
std::unique_ptr<QFileDialog> MakeFileDialog(QWidget* parent, const FileDialogRequest& request, bool save);

class QtPrompts : public Prompts {
public:
    explicit QtPrompts(QWidget* parent = nullptr) : parent_(parent) {}

    // Message boxes and dialogs are centred over this window.
    void SetParent(QWidget* parent) { parent_ = parent; }

    PromptAnswer Message(const std::string& text, const std::string& title, PromptButtons buttons,
                         PromptIcon icon) override;
    FileChoice OpenFile(const FileDialogRequest& request) override;
    FileChoice SaveFile(const FileDialogRequest& request) override;

private:
    QWidget* parent_;
};

}  // namespace vh::ui
