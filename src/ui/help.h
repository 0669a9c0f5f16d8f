// Opening a web page in the user's browser: the manual ("&Online Help") and
// the project page behind the About box's logo. The shell is injectable so
// the failure paths can be exercised without a desktop.
#pragma once

#include <string>

#include "core/prompts.h"

namespace vh::ui {

// What looking up the browser found.
enum class BrowserLookup {
    OutOfMemory,
    ProbeMissing,   // the probe page is not there (shown as error number 2)
    NoAssociation,  // no program is associated with web pages
    Found,
};

class WebShell {
public:
    virtual ~WebShell() = default;
    // Looks up the program that would open probeFile.
    virtual BrowserLookup FindBrowser(const std::string& probeFile, const std::string& folder) = 0;
    // Opens the address in that program; false when nothing could be started.
    virtual bool OpenAddress(const std::string& address) = 0;
};

// The desktop's own association (xdg-mime / xdg-open through Qt).
class DesktopWebShell : public WebShell {
public:
    BrowserLookup FindBrowser(const std::string& probeFile, const std::string& folder) override;
    bool OpenAddress(const std::string& address) override;
};

// The probe page created (empty) in a writable folder (AppPaths::StateFolder)
// during the lookup.
constexpr const char* kProbeFileName = "x27z42j.html";

// file:// addresses of the manual and of the project page in help/ below the
// assets folder.
std::string HelpPageAddress(const std::string& assetsFolder);
std::string ProjectPageAddress(const std::string& assetsFolder);

// Finds the browser through an empty probe page, removes the probe, and opens
// the address; every failure is one message box titled "Varnholm". Returns
// true when the page was handed to the browser.
bool OpenWebPage(const std::string& probeFolder, const std::string& address, WebShell& shell,
                 Prompts& prompts);

}  // namespace vh::ui
