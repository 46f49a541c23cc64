#pragma once

#include "DrawSurface.h"

#include <QFont>

#include <array>
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class CTextBlock;

// Fonts and laid-out texts kept from one paint to the next. A chart repaints
// every label on every mouse move of a drag, with the same few fonts and
// mostly the same strings; laying them out again each time would cost more
// than drawing them. Bounded in blocks, fonts and text: when full it starts
// over.
class CTextLayoutCache {
public:
    static constexpr std::size_t kDefaultMaxBlocks = 1 << 15;
    static constexpr std::size_t kMaxFonts = 256;
    // Bytes of text laid out in all blocks. Each character keeps its glyph
    // and positions, some 100 bytes, so this bounds the glyphs kept to a few
    // hundred megabytes however long the notes; labels use a fraction.
    static constexpr std::size_t kMaxTextBytes = 1 << 22;

    explicit CTextLayoutCache(std::size_t maxBlocks = kDefaultMaxBlocks);
    ~CTextLayoutCache();
    CTextLayoutCache(const CTextLayoutCache&) = delete;
    CTextLayoutCache& operator=(const CTextLayoutCache&) = delete;

    // The id of font at a zoom, resolved to a Qt font on first use. Ids stay
    // valid until Generation() changes.
    int FontId(const Font& font, double zoom);
    const QFont& QtFont(int fontId) const { return m_fonts[static_cast<std::size_t>(fontId)].font; }
    unsigned Generation() const { return m_generation; }

    // How far plain ASCII text in a font can reach, in device pixels: the
    // advance of each printable character, the height of a line, and how
    // far slanted or overhanging glyphs may reach beyond both.
    struct Reach {
        std::array<double, 95> advance{}; // from ' ' to '~'
        double lineHeight = 0;
        double overhang = 0;
    };
    const Reach& TextReach(int fontId);

    // text (UTF-8) laid out in a font, as far as CTextBlock::LaidOutPart
    // takes it; wrapWidth in device pixels, <= 0 for no word-break. The
    // reference lasts until the next call.
    CTextBlock& Block(int fontId, std::string_view text, int wrapWidth);

    std::size_t BlockCount() const { return m_blocks.size(); }
    std::size_t FontCount() const { return m_fonts.size(); }
    void Clear();

    // The cache shared by the painter surfaces of the application's thread,
    // emptied when the application object goes; nullptr on other threads and
    // before there is an application.
    static CTextLayoutCache* ForCurrentThread();

private:
    struct FontKey {
        Font font;
        double zoom = 1.0;
        friend bool operator==(const FontKey& a, const FontKey& b) { return a.font == b.font && a.zoom == b.zoom; }
    };
    struct FontKeyHash {
        std::size_t operator()(const FontKey& key) const;
    };
    // The text is a view into the entry it indexes, so lookups copy nothing.
    struct BlockKey {
        int font = 0;
        int wrap = 0;
        std::string_view text;
        friend bool operator==(const BlockKey& a, const BlockKey& b)
        {
            return a.font == b.font && a.wrap == b.wrap && a.text == b.text;
        }
    };
    struct BlockKeyHash {
        std::size_t operator()(const BlockKey& key) const;
    };
    struct Entry;

    // The block for a key, laid out on a miss. An unwrapped block also
    // stands for its wrapped keys when wrapping would not change it.
    std::shared_ptr<CTextBlock> Lookup(int fontId, std::string_view text, int wrap);
    void Insert(int fontId, int wrap, std::string_view text, std::shared_ptr<CTextBlock> block);

    std::size_t m_maxBlocks;
    std::size_t m_textBytes = 0; // of the keys, which the blocks lay out
    unsigned m_generation = 0;
    struct FontEntry {
        QFont font;
        std::optional<Reach> reach; // worked out on first use
    };
    std::vector<FontEntry> m_fonts; // by font id
    std::unordered_map<FontKey, int, FontKeyHash> m_fontIds;
    std::unordered_map<BlockKey, std::unique_ptr<Entry>, BlockKeyHash> m_blocks;
};
