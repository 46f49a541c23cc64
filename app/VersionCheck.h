#pragma once

#include <functional>
#include <string>

class QString;
class QUrl;

// Orders two dotted version texts such as "2012.01.01" part by part: parts
// made of digits by value, other parts as text, a missing or empty part as 0.
// Negative when a is older than b, 0 when they are the same version.
int CompareVersions(const std::string& a, const std::string& b);

// The check for a newer version: compares the program's own version with the
// latest known one and offers the product's web page. Questions and the
// browser go through replaceable functions so that tests can answer them.
class CVersionCheck {
public:
    // Shows message with OK and Cancel; true on OK.
    using Ask = std::function<bool(const QString& message)>;
    using OpenPage = std::function<void(const QUrl& page)>;

    static const char* const UpToDateMessage;
    static const char* const OutOfDateMessage;

    CVersionCheck();

    void SetVersions(std::string own, std::string latest);
    const std::string& OwnVersion() const { return m_own; }
    const std::string& LatestVersion() const { return m_latest; }
    bool IsUpToDate() const;

    // The menu command: an out-of-date program opens the page at once; an
    // up-to-date one says so, and OK opens the page all the same.
    void Check() const;
    // At exit only an out-of-date program asks, and OK opens the page.
    void CheckAtExit() const;

    void SetAsk(Ask ask) { m_ask = std::move(ask); }
    void SetOpenPage(OpenPage open) { m_open = std::move(open); }

private:
    void openPage() const;

    std::string m_own;
    std::string m_latest;
    Ask m_ask;
    OpenPage m_open;
};
