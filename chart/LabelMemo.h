#pragma once

#include "Period.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The composed labels of a chart's cells, kept between paints. A drag paints
// the same labels frame after frame, and composing one (the price through
// printf, the date through the local calendar) costs more than recording its
// drawing. A label is a function of its cell, the year state the drawing
// order has reached and the key; a kept label serves only that same
// question, and a key that differs from the last one forgets every label.
class CLabelMemo {
public:
    // Everything a label depends on besides its cell and the year state.
    // Prices as bit patterns: -0 prints otherwise than 0.
    struct Key {
        std::uint32_t startPrice = 0;
        std::uint32_t priceStep = 0;
        int precision = 0;
        std::int64_t startTime = 0;
        int timeStep = 0;
        Period period = Period::Day;
        bool price = false;
        bool time = false;
        bool n = false;

        static std::uint32_t Bits(float value);
        bool operator==(const Key& other) const;
    };

    // A label and the year state composing it left behind.
    struct Label {
        std::optional<std::string> text;
        int yearAfter = 0;
    };

    // The label of cell n composed under key from the year state yearBefore,
    // or nothing when it was not kept.
    const Label* Find(const Key& key, int n, int yearBefore);
    // Keeps label, and returns it as kept: beyond the table, until the next call.
    const Label& Keep(const Key& key, int n, int yearBefore, Label label);

private:
    struct Entry {
        bool kept = false;
        int yearBefore = 0;
        Label label;
    };

    // Labels of cells beyond this are composed each time: a chart that large
    // takes far longer to draw than to compose, and the memo stays small.
    static constexpr int kMaxCells = 1 << 16;

    void Follow(const Key& key);

    Key m_key;
    std::vector<Entry> m_entries;
    Label m_beyond; // the last label of a cell beyond the table
};
