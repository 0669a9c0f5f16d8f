// The monkey's answers: the scripted prompts it draws from, and its inputs
// inside an open dialog.
#include <QAbstractButton>
#include <QAbstractSlider>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>
#include <filesystem>
#include <utility>

#include "monkey_fixture.h"

namespace vhtest {

namespace {

std::string ExtensionOf(const vh::FileDialogRequest& r) {
    if (!r.DefaultSuffix.empty()) return r.DefaultSuffix;
    const size_t star = r.Filter.find("*.");
    if (star == std::string::npos) return "vhm";
    const size_t end = r.Filter.find_first_of(";) |", star);
    return r.Filter.substr(star + 2, end == std::string::npos ? std::string::npos : end - star - 2);
}

}  // namespace

// ---- prompts ----------------------------------------------------------------

vh::PromptAnswer MonkeyPrompts::Message(const std::string& text, const std::string& title,
                                        vh::PromptButtons buttons, vh::PromptIcon icon) {
    if (!Answers.empty() || !Answer) return ScriptedPrompts::Message(text, title, buttons, icon);
    Messages.push_back({text, title, buttons, icon});
    return Answer(buttons);
}

vh::FileChoice MonkeyPrompts::OpenFile(const vh::FileDialogRequest& request) {
    if (!NextOpen.empty()) {
        OpenRequests.push_back(request);
        return ScriptedPrompts::Choose(std::exchange(NextOpen, std::string()));
    }
    if (!FileAnswers.empty() || !ChooseFile) return ScriptedPrompts::OpenFile(request);
    OpenRequests.push_back(request);
    return ChooseFile(request, false);
}

vh::FileChoice MonkeyPrompts::SaveFile(const vh::FileDialogRequest& request) {
    if (!FileAnswers.empty() || !ChooseFile) return ScriptedPrompts::SaveFile(request);
    SaveRequests.push_back(request);
    return ChooseFile(request, true);
}

// ---- inside a dialog --------------------------------------------------------

std::string Monkey::RandomText(const std::string& controlName) {
    // New Map's grid stays small so that a run stays quick.
    if (controlName == "txtX" || controlName == "txtZ") return std::to_string(draw_.Int(0, 20));
    switch (draw_.Int(0, 11)) {
        case 0:
            return "";
        case 1:
            return draw_.Pick<std::string>({"abc", " 12x", "-", ".", "1e38", "-1e38", "nan", "inf", "0x10"});
        case 2:
            return std::to_string(draw_.Int(-99999, 99999));
        case 3:
            return std::to_string(draw_.Int(-10, 10)) + "." + std::to_string(draw_.Int(0, 99));
        case 4: {
            const std::string names[] = {"work/a.bmp", "work/a.vhm", "missing.bmp", "dir.bmp", "work/a.map"};
            return (folder_.Path() / names[draw_.Int(0, 4)]).string();
        }
        default:
            return std::to_string(draw_.Int(-40, 300));
    }
}

void Monkey::DialogStep(QDialog* dialog) {
    const std::string name = dialog->objectName().toStdString();
    if (draw_.Int(0, 99) < 22) {
        // Done: OK, Cancel, the frame's close box, Escape or Enter.
        const int how = draw_.Int(0, 9);
        QAbstractButton* ok = nullptr;
        QAbstractButton* cancel = nullptr;
        for (QAbstractButton* b : dialog->findChildren<QAbstractButton*>()) {
            const QString n = b->objectName();
            if (n.startsWith("cmdOk", Qt::CaseInsensitive)) ok = b;
            if (n == "cmdCancel") cancel = b;
        }
        if (how < 5 && ok) {
            Note("dialog-ok " + name);
            ok->click();
        } else if (how < 7 && cancel) {
            Note("dialog-cancel " + name);
            cancel->click();
        } else if (how < 8) {
            Note("dialog-close " + name);
            dialog->close();
        } else {
            const int key = how == 8 ? Qt::Key_Escape : Qt::Key_Return;
            Note(std::string(how == 8 ? "dialog-escape " : "dialog-enter ") + name);
            QTest::keyClick(dialog, static_cast<Qt::Key>(key));
        }
        Pass();
        return;
    }

    // One control the user can reach: shown, enabled, not OK or Cancel.
    std::vector<QWidget*> controls;
    for (QWidget* w : dialog->findChildren<QWidget*>()) {
        if (!w->isVisible() || !w->isEnabled()) continue;
        const QString n = w->objectName();
        if (n.startsWith("cmdOk", Qt::CaseInsensitive) || n == "cmdCancel") continue;
        if (auto* e = qobject_cast<QLineEdit*>(w);
            e && (e->isReadOnly() || qobject_cast<QComboBox*>(w->parent())))
            continue;
        if (qobject_cast<QLineEdit*>(w) || qobject_cast<QAbstractButton*>(w) ||
            qobject_cast<QAbstractSlider*>(w) || qobject_cast<QComboBox*>(w) || qobject_cast<QTabWidget*>(w))
            controls.push_back(w);
    }
    if (controls.empty()) {
        Note("dialog-idle " + name);
        Pass();
        return;
    }
    QWidget* w = controls[static_cast<size_t>(draw_.Int(0, static_cast<int>(controls.size()) - 1))];
    const std::string control = w->objectName().toStdString();
    if (auto* e = qobject_cast<QLineEdit*>(w)) {
        const std::string text = RandomText(control);
        Note("dialog-type " + name + "." + control + " '" + text + "'");
        e->setFocus();
        e->setText(QString::fromStdString(text));
        emit e->editingFinished();
    } else if (auto* b = qobject_cast<QAbstractButton*>(w)) {
        Note("dialog-click " + name + "." + control);
        b->click();
    } else if (auto* s = qobject_cast<QAbstractSlider*>(w)) {
        const int v = draw_.Int(s->minimum(), s->maximum());
        Note("dialog-slide " + name + "." + control + " " + std::to_string(v));
        s->setValue(v);
    } else if (auto* c = qobject_cast<QComboBox*>(w)) {
        if (c->isEditable() && draw_.Int(0, 3) == 0) {
            const std::string text = RandomText(control);
            Note("dialog-type " + name + "." + control + " '" + text + "'");
            c->setEditText(QString::fromStdString(text));
        } else if (c->count() > 0) {
            const int i = draw_.Int(0, c->count() - 1);
            Note("dialog-choose " + name + "." + control + " " + std::to_string(i));
            c->setCurrentIndex(i);
        }
    } else if (auto* t = qobject_cast<QTabWidget*>(w)) {
        const int i = draw_.Int(0, t->count() - 1);
        Note("dialog-tab " + name + " " + std::to_string(i));
        t->setCurrentIndex(i);
    }
    Pass();
}

// ---- answers ----------------------------------------------------------------

vh::PromptAnswer Monkey::AnswerFor(vh::PromptButtons buttons) {
    if (buttons == vh::PromptButtons::Ok) return vh::PromptAnswer::Ok;
    return draw_.Pick(
        {vh::PromptAnswer::Yes, vh::PromptAnswer::No, vh::PromptAnswer::No, vh::PromptAnswer::Cancel});
}

std::string Monkey::WorkFile(const std::string& ext) {
    return (folder_.Path() / "work" / (draw_.Pick<std::string>({"a.", "b.", "c."}) + ext)).string();
}

vh::FileChoice Monkey::FileFor(const vh::FileDialogRequest& r, bool save) {
    const std::string ext = ExtensionOf(r);
    std::string path;
    const int roll = draw_.Int(0, 99);
    if (roll < 10)
        path.clear();  // cancelled
    else if (roll < 18)
        path = (folder_.Path() / ("dir." + ext)).string();
    else if (roll < 24)
        path = (folder_.Path() / "gone" / ("x." + ext)).string();
    else if (roll < 28)
        path = (folder_.Path() / "work" / "typed.txt").string();
    else if (roll < 32)
        path = (folder_.Path() / "work" / "d").string();  // the dialog adds the extension
    else if (roll < 42 && !r.FileName.empty())
        path = r.FileName.find('/') == std::string::npos ? (folder_.Path() / "work" / r.FileName).string()
                                                         : r.FileName;
    else if (!save && ext != "vhm")
        path = (folder_.Path() / "work" / draw_.Pick<std::string>({"a.bmp", "a.vhm", "a.map", "none.bmp"}))
                   .string();
    else
        path = WorkFile(ext);
    Note(std::string(save ? "answer-save '" : "answer-open '") + path + "'");
    return path.empty() ? vh::FileChoice{} : ScriptedPrompts::Choose(path);
}

}  // namespace vhtest
