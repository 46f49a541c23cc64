#pragma once

#include <QString>

#include <cmath>
#include <optional>

// The number an option's text names. Qt reads "nan", "inf" and overflowing
// forms such as "1e999" as numbers; none of them is a value any option can
// take, so each is refused here, once for every option.
inline std::optional<double> FiniteNumber(const QString& text)
{
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok && std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
}
