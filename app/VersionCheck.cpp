#include "VersionCheck.h"

#include "ProductInfo.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QUrl>

#include <algorithm>
#include <vector>

namespace {

// An empty part, as in "2012..1" or "", counts as 0.
std::vector<std::string> SplitParts(const std::string& text)
{
    std::vector<std::string> parts(1);
    for (char c : text) {
        if (c == '.')
            parts.emplace_back();
        else
            parts.back() += c;
    }
    for (std::string& part : parts)
        if (part.empty())
            part = "0";
    return parts;
}

bool IsNumber(const std::string& s)
{
    return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Compares digit strings of any length by value, without overflow.
int CompareNumbers(std::string a, std::string b)
{
    a.erase(0, std::min(a.find_first_not_of('0'), a.size()));
    b.erase(0, std::min(b.find_first_not_of('0'), b.size()));
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    return a.compare(b) < 0 ? -1 : (a == b ? 0 : 1);
}

int ComparePart(const std::string& a, const std::string& b)
{
    if (IsNumber(a) && IsNumber(b))
        return CompareNumbers(a, b);
    return a.compare(b) < 0 ? -1 : (a == b ? 0 : 1);
}

bool AskWithMessageBox(const QString& message)
{
    QMessageBox box(QMessageBox::Information, QString::fromUtf8(Product::Name), message,
        QMessageBox::Ok | QMessageBox::Cancel, QApplication::activeWindow());
    return box.exec() == QMessageBox::Ok;
}

} // namespace

int CompareVersions(const std::string& a, const std::string& b)
{
    std::vector<std::string> pa = SplitParts(a);
    std::vector<std::string> pb = SplitParts(b);
    const size_t n = std::max(pa.size(), pb.size());
    pa.resize(n, "0");
    pb.resize(n, "0");
    for (size_t i = 0; i < n; ++i) {
        if (const int c = ComparePart(pa[i], pb[i]))
            return c;
    }
    return 0;
}

const char* const CVersionCheck::UpToDateMessage = "Current version is up to date.";
const char* const CVersionCheck::OutOfDateMessage = "Current version is out of date, push OK to get the newer version.";

CVersionCheck::CVersionCheck()
    : m_own(Product::Version)
    , m_latest(Product::LatestKnownVersion)
    , m_ask(AskWithMessageBox)
    , m_open([](const QUrl& page) { QDesktopServices::openUrl(page); })
{
}

void CVersionCheck::SetVersions(std::string own, std::string latest)
{
    m_own = std::move(own);
    m_latest = std::move(latest);
}

// A program newer than the latest known release is not out of date.
bool CVersionCheck::IsUpToDate() const
{
    return CompareVersions(m_own, m_latest) >= 0;
}

void CVersionCheck::Check() const
{
    if (!IsUpToDate() || m_ask(QString::fromUtf8(UpToDateMessage)))
        openPage();
}

void CVersionCheck::CheckAtExit() const
{
    if (!IsUpToDate() && m_ask(QString::fromUtf8(OutOfDateMessage)))
        openPage();
}

void CVersionCheck::openPage() const
{
    m_open(QUrl(QString::fromUtf8(Product::Page)));
}
