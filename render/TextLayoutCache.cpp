#include "TextLayoutCache.h"

#include "QtConversions.h"
#include "TextBlock.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QThread>

#include <functional>

namespace {

std::size_t Combine(std::size_t seed, std::size_t value)
{
    return seed ^ (value + 0x9e3779b97f4a7c15ULL + (seed << 6) + (seed >> 2));
}

// Windows-style line ends in notes read from files break lines too.
QString PlainText(std::string_view text)
{
    QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    if (s.contains(QLatin1Char('\r'))) {
        s.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    }
    return s;
}

CTextLayoutCache* g_shared = nullptr;

void DeleteShared()
{
    delete g_shared;
    g_shared = nullptr;
}

} // namespace

// An unwrapped block serves its wrapped keys too when wrapping changes
// nothing, which is the usual case for labels, so entries share blocks.
struct CTextLayoutCache::Entry {
    std::string text;
    std::shared_ptr<CTextBlock> block;
};

CTextLayoutCache::CTextLayoutCache(std::size_t maxBlocks)
    : m_maxBlocks(maxBlocks > 0 ? maxBlocks : 1)
{
}

CTextLayoutCache::~CTextLayoutCache() = default;

std::size_t CTextLayoutCache::FontKeyHash::operator()(const FontKey& key) const
{
    const Font& f = key.font;
    std::size_t h = std::hash<std::string>{}(f.face);
    for (int v : {f.height, f.width, f.escapement, f.orientation, f.weight, int(f.italic), int(f.underline),
                  int(f.strikeOut), int(f.charSet), int(f.outPrecision), int(f.clipPrecision), int(f.quality),
                  int(f.pitchAndFamily)})
        h = Combine(h, std::hash<int>{}(v));
    return Combine(h, std::hash<double>{}(key.zoom));
}

std::size_t CTextLayoutCache::BlockKeyHash::operator()(const BlockKey& key) const
{
    std::size_t h = std::hash<std::string_view>{}(key.text);
    h = Combine(h, std::hash<int>{}(key.font));
    return Combine(h, std::hash<int>{}(key.wrap));
}

int CTextLayoutCache::FontId(const Font& font, double zoom)
{
    FontKey key{font, zoom};
    const auto found = m_fontIds.find(key);
    if (found != m_fontIds.end())
        return found->second;
    if (m_fonts.size() >= kMaxFonts)
        Clear();
    const int id = static_cast<int>(m_fonts.size());
    m_fonts.push_back({ToQFont(font, zoom), std::nullopt});
    m_fontIds.emplace(std::move(key), id);
    return id;
}

const CTextLayoutCache::Reach& CTextLayoutCache::TextReach(int fontId)
{
    std::optional<Reach>& reach = m_fonts[static_cast<std::size_t>(fontId)].reach;
    if (!reach) {
        const QFontMetricsF metrics(QtFont(fontId));
        // Assigned rather than emplaced: clang cannot default-construct a
        // nested struct with member initialisers inside its enclosing class.
        reach = Reach{};
        for (std::size_t i = 0; i < reach->advance.size(); ++i)
            reach->advance[i] = metrics.horizontalAdvance(QLatin1Char(static_cast<char>(' ' + i)));
        reach->lineHeight = metrics.lineSpacing();
        reach->overhang = metrics.height();
    }
    return *reach;
}

CTextBlock& CTextLayoutCache::Block(int fontId, std::string_view text, int wrapWidth)
{
    // Keyed by what is laid out: a note of megabytes keys by its shown part.
    std::string storage;
    return *Lookup(fontId, CTextBlock::LaidOutPart(text, storage), wrapWidth > 0 ? wrapWidth : 0);
}

std::shared_ptr<CTextBlock> CTextLayoutCache::Lookup(int fontId, std::string_view text, int wrap)
{
    const auto found = m_blocks.find(BlockKey{fontId, wrap, text});
    if (found != m_blocks.end())
        return found->second->block;

    std::shared_ptr<CTextBlock> block;
    if (wrap > 0) {
        block = Lookup(fontId, text, 0);
        if (block->Wraps(wrap))
            block.reset();
    }
    if (!block)
        block = std::make_shared<CTextBlock>(QtFont(fontId), PlainText(text), static_cast<double>(wrap));
    Insert(fontId, wrap, text, block);
    return block;
}

void CTextLayoutCache::Insert(int fontId, int wrap, std::string_view text, std::shared_ptr<CTextBlock> block)
{
    if (m_blocks.size() >= m_maxBlocks || m_textBytes + text.size() > kMaxTextBytes) {
        m_blocks.clear();
        m_textBytes = 0;
    }
    m_textBytes += text.size();
    auto entry = std::make_unique<Entry>(Entry{std::string(text), std::move(block)});
    const BlockKey key{fontId, wrap, entry->text};
    m_blocks.emplace(key, std::move(entry));
}

void CTextLayoutCache::Clear()
{
    m_blocks.clear();
    m_textBytes = 0;
    m_fontIds.clear();
    m_fonts.clear();
    ++m_generation;
}

CTextLayoutCache* CTextLayoutCache::ForCurrentThread()
{
    const QCoreApplication* app = QCoreApplication::instance();
    if (!app || QThread::currentThread() != app->thread())
        return nullptr;
    if (!g_shared) {
        g_shared = new CTextLayoutCache;
        qAddPostRoutine(DeleteShared);
    }
    return g_shared;
}
