#include "MarketSession.h"

namespace {

// Ten percent on highs and lows: the swings analysts start from.
SwingMethod DefaultMethod()
{
    SwingMethod method;
    method.percent = 10;
    return method;
}

} // namespace

CMarketSession::CMarketSession(QObject* parent)
    : QObject(parent)
    , m_storePath(CMarketStore::DefaultPath())
    , m_series(std::make_shared<BarSeries>())
    , m_method(DefaultMethod())
{
}

Result<void> CMarketSession::Choose(const std::string& symbol)
{
    const Result<std::unique_ptr<CMarketStore>> store = CMarketStore::Open(m_storePath);
    if (!store.Ok())
        return Failure{store.Message()};
    std::optional<CMarketStore::Instrument> instrument = store.Value()->Find(symbol);
    if (!instrument)
        return Failure{"no instrument " + symbol + " in " + m_storePath};
    Result<BarSeries> bars = store.Value()->Bars(symbol);
    if (!bars.Ok())
        return Failure{bars.Message()};
    m_instrument = std::move(instrument);
    m_series = std::make_shared<const BarSeries>(std::move(bars.Value()));
    m_swings = FindSwings(*m_series, m_method);
    emit instrumentChanged();
    emit swingsChanged();
    return {};
}

void CMarketSession::Clear()
{
    m_instrument.reset();
    m_series = std::make_shared<const BarSeries>();
    m_swings.clear();
    emit instrumentChanged();
    emit swingsChanged();
}

std::string CMarketSession::InstrumentTitle() const
{
    if (!m_instrument)
        return {};
    return m_instrument->name.empty() ? m_instrument->symbol : m_instrument->symbol + " " + m_instrument->name;
}

Result<void> CMarketSession::Reload()
{
    if (!m_instrument)
        return {};
    return Choose(m_instrument->symbol);
}

void CMarketSession::SetMethod(const SwingMethod& method)
{
    m_method = method;
    FindSwingsAgain();
}

void CMarketSession::FindSwingsAgain()
{
    m_swings = FindSwings(*m_series, m_method);
    emit swingsChanged();
}
