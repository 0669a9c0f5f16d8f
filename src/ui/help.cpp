#include "ui/help.h"

#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace vh::ui {

namespace {

constexpr int kFileNotFound = 2;
constexpr int kNoAssociation = 31;
constexpr int kFound = 42;

void Tell(Prompts& prompts, const std::string& text) {
    prompts.Message(text, "Varnholm", PromptButtons::Ok, PromptIcon::None);
}

std::string LocalAddress(const std::string& folder, const char* page) {
    return QUrl::fromLocalFile(QString::fromStdString(folder) + QStringLiteral("/help/") +
                               QString::fromLatin1(page))
        .toString()
        .toStdString();
}

}  // namespace

int DesktopWebShell::FindBrowser(const std::string& probeFile, const std::string&) {
    if (!QFileInfo::exists(QString::fromStdString(probeFile))) return kFileNotFound;
    if (QStandardPaths::findExecutable(QStringLiteral("xdg-open")).isEmpty()) return kNoAssociation;
    // Where the desktop can tell, an empty association means no browser.
    if (!QStandardPaths::findExecutable(QStringLiteral("xdg-mime")).isEmpty()) {
        QProcess query;
        query.start(QStringLiteral("xdg-mime"),
                    {QStringLiteral("query"), QStringLiteral("default"), QStringLiteral("text/html")});
        if (query.waitForFinished(3000) && query.exitStatus() == QProcess::NormalExit &&
            query.exitCode() == 0 && query.readAllStandardOutput().trimmed().isEmpty())
            return kNoAssociation;
    }
    return kFound;
}

bool DesktopWebShell::OpenAddress(const std::string& address) {
    const QUrl url(QString::fromStdString(address));
    if (!url.isValid()) return false;
    if (url.isLocalFile() && !QFileInfo::exists(url.toLocalFile())) return false;
    return QDesktopServices::openUrl(url);
}

std::string HelpPageAddress(const std::string& assetsFolder) {
    return LocalAddress(assetsFolder, "index.html");
}

std::string ProjectPageAddress(const std::string& assetsFolder) {
    return LocalAddress(assetsFolder, "about.html");
}

bool OpenWebPage(const std::string& probeFolder, const std::string& address, WebShell& shell,
                 Prompts& prompts) {
    const QString probe =
        QString::fromStdString(probeFolder) + QLatin1Char('/') + QString::fromLatin1(kProbeFileName);
    {
        // A folder we cannot write to only means the lookup reports the
        // missing probe; nothing else depends on it.
        QFile file(probe);
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) file.close();
    }
    const int code = shell.FindBrowser(probe.toStdString(), probeFolder);
    QFile::remove(probe);

    bool opened = false;
    if (code == 0) {
        Tell(prompts, "Sorry out of memory, please close some programs and try again.");
    } else if (code <= 30) {
        Tell(prompts, "Error Number: " + std::to_string(code));
    } else if (code == kNoAssociation) {
        Tell(prompts, "Unable to find Web Browser.");
    } else if (code > kNoAssociation) {
        opened = shell.OpenAddress(address);
        if (!opened) Tell(prompts, "Unable to launch Web Browser.");
    }
    if (QFileInfo::exists(probe)) QFile::remove(probe);
    return opened;
}

}  // namespace vh::ui
