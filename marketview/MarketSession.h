#pragma once

#include "MarketStore.h"
#include "Result.h"
#include "Swings.h"

#include <QObject>

#include <memory>
#include <optional>
#include <string>
#include <vector>

// The market of one window: the store it reads, the instrument the charts
// are read against, that instrument's bars and the swings found in them by
// the chosen method. The store is opened for each read, so that another
// program (or quadrix-cli) may change it between them.
class CMarketSession : public QObject {
    Q_OBJECT

public:
    explicit CMarketSession(QObject* parent = nullptr);

    const std::string& StorePath() const { return m_storePath; }
    void SetStorePath(std::string path) { m_storePath = std::move(path); }

    // Reads symbol's bars from the store and finds their swings; a failure
    // keeps the instrument shown before and says why.
    Result<void> Choose(const std::string& symbol);
    // No instrument: no bars and no swings.
    void Clear();
    // The current instrument read again, after an import may have changed it.
    Result<void> Reload();

    bool HasInstrument() const { return m_instrument.has_value(); }
    const std::optional<CMarketStore::Instrument>& Instrument() const { return m_instrument; }
    // "symbol name" as a caption names the instrument; empty without one.
    std::string InstrumentTitle() const;
    // Shared, so that the pane keeps the bars it draws while another is read.
    std::shared_ptr<const BarSeries> Series() const { return m_series; }

    const SwingMethod& Method() const { return m_method; }
    void SetMethod(const SwingMethod& method);
    const std::vector<Swing>& Swings() const { return m_swings; }

signals:
    // Another instrument, none, or the same one read again.
    void instrumentChanged();
    void swingsChanged();

private:
    void FindSwingsAgain();

    std::string m_storePath;
    std::optional<CMarketStore::Instrument> m_instrument;
    std::shared_ptr<const BarSeries> m_series;
    SwingMethod m_method;
    std::vector<Swing> m_swings;
};
