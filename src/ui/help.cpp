#include "ui/help.h"

#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace vh::ui {

namespace {

// The error number the message shows for a missing probe page.
constexpr int kFileNotFound = 2;

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

BrowserLookup DesktopWebShell::FindBrowser(const std::string& probeFile, const std::string&) {
    if (!QFileInfo::exists(QString::fromStdString(probeFile))) return BrowserLookup::ProbeMissing;
    if (QStandardPaths::findExecutable(QStringLiteral("xdg-open")).isEmpty())
        return BrowserLookup::NoAssociation;
    // Where the desktop can tell, an empty association means no browser.
    if (!QStandardPaths::findExecutable(QStringLiteral("xdg-mime")).isEmpty()) {
        QProcess query;
        query.start(QStringLiteral("xdg-mime"),
                    {QStringLiteral("query"), QStringLiteral("default"), QStringLiteral("text/html")});
        if (query.waitForFinished(3000) && query.exitStatus() == QProcess::NormalExit &&
            query.exitCode() == 0 && query.readAllStandardOutput().trimmed().isEmpty())
            return BrowserLookup::NoAssociation;
    }
    return BrowserLookup::Found;
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
    const BrowserLookup found = shell.FindBrowser(probe.toStdString(), probeFolder);
    QFile::remove(probe);

    bool opened = false;
    switch (found) {
        case BrowserLookup::OutOfMemory:
            Tell(prompts, "Sorry out of memory, please close some programs and try again.");
            break;
        case BrowserLookup::ProbeMissing:
            Tell(prompts, "Error Number: " + std::to_string(kFileNotFound));
            break;
        case BrowserLookup::NoAssociation:
            Tell(prompts, "Unable to find Web Browser.");
            break;
        case BrowserLookup::Found:
            opened = shell.OpenAddress(address);
            if (!opened) Tell(prompts, "Unable to launch Web Browser.");
            break;
    }
    if (QFileInfo::exists(probe)) QFile::remove(probe);
    return opened;
}

}  // namespace vh::ui
