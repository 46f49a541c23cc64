// File benchmarks: file_save/N and file_load/N turn a chart set holding N
// annotations into the bytes of a chart file and back; boost_save/N and
// boost_load/N carry the same fields and containers through Boost's stock
// text archives, without the chart file's text conversions and checks: the
// cost of the format itself.

#include "Benchmarks.h"

#include "ChartFile.h"
#include "ChartKinds.h"
#include "ChartSerialization.h"

#include <boost/archive/text_iarchive.hpp>
#include <boost/archive/text_oarchive.hpp>

#include <benchmark/benchmark.h>

#include <sstream>
#include <stdexcept>
#include <string>

namespace {

constexpr int kContainers = 4; // fills, lines, tangent marks, notes

const Color kMarkColors[] = {Colors::Red, Colors::Blue, Colors::Green, Colors::DarkRed, Colors::Grey};

// The fewest rings from the kind's default on at which each record of a
// container can sit on a cell of its own.
int RingsFor(const ChartKind& kind, long long records)
{
    int rings = kind.defaultRings;
    while (kind.cellCount(rings) < records)
        ++rings;
    return rings;
}

Comments MakeNote(int i)
{
    Comments note;
    note.m_strText = "Note " + std::to_string(i) + "\n支撑位 " + std::to_string(i % 97);
    note.m_crBack = Colors::LightYellow;
    note.m_crText = kMarkColors[i % 5];
    note.m_nHeight = -12;
    note.m_strFace = "宋体";
    note.m_nCharSet = 134;
    return note;
}

void Annotate(CBaseDraw& chart, int perContainer)
{
    const long long cells = perContainer;
    for (int i = 0; i < perContainer; ++i) {
        const int cell = static_cast<int>(1 + i * 7919LL % cells);
        Cell_Style style;
        style.m_crColor = kMarkColors[i % 5];
        style.m_bCircle = i % 2 == 0;
        chart.m_FillCells[cell] = style;
        style.m_nWidth = 1 + i % 3;
        chart.m_TangentCells[cell] = style;

        CLine line;
        line.m_nWidth = 1 + i % 3;
        line.m_crColor = kMarkColors[(i + 2) % 5];
        line.m_bArrow = i % 4 == 0;
        line.m_nStartCell = cell;
        line.m_nEndCell = static_cast<int>(1 + (i + 17) * 104729LL % cells);
        chart.m_Lines.emplace(std::to_string(line.m_nStartCell) + "/" + std::to_string(line.m_nEndCell), line);
        chart.m_Comments.emplace(cell, MakeNote(i));
    }
}

// annotations spread evenly over the five charts and their four containers.
void AnnotateChartSet(CChartSlots& charts, int annotations)
{
    const int perContainer = annotations / (CChartSlots::kKindCount * kContainers);
    for (const ChartKind& kind : ChartKinds()) {
        CBaseDraw& chart = charts.Ensure(kind.code);
        chart.SetRings(RingsFor(kind, perContainer));
        chart.m_tStartTime = 1325174400;
        chart.m_fStartPrice = 12.5f;
        chart.m_fPriceStep = 0.25f;
        Annotate(chart, perContainer);
    }
}

std::string FileBytes(const CChartSlots& charts)
{
    Result<std::string> bytes = ChartFile::ToBytes(charts);
    if (!bytes.Ok())
        throw std::runtime_error("the benchmark's chart set cannot be written");
    return std::move(bytes.Value());
}

// The chart set as read from its file, which is how a set this large is
// usually held: its records lie in memory in file order. (Records added in
// scattered order lie scattered, and walking them then misses the cache from
// about 100000 on, in every archive alike.)
void MakeChartSet(CChartSlots& charts, int annotations)
{
    CChartSlots built;
    AnnotateChartSet(built, annotations);
    Result<CChartSlots> read = ChartFile::FromBytes(FileBytes(built));
    if (!read.Ok())
        throw std::runtime_error("the benchmark's chart set does not read back");
    charts = std::move(read.Value());
}

// The fields and containers of each chart, in file order, as they are.
template <class Archive>
void SerializeStock(Archive& ar, const CChartSlots& charts)
{
    for (const int kind : CChartSlots::kFileOrder) {
        CBaseDraw& chart = *charts.Chart(kind);
        const auto field = ChartSerialization::Field(ar);
        VisitLeadingFields(chart, field);
        VisitContainers(chart, field);
        VisitTrailingFields(chart, field);
    }
}

std::string StockBytes(const CChartSlots& charts)
{
    std::ostringstream os;
    {
        boost::archive::text_oarchive ar(os);
        SerializeStock(ar, charts);
    }
    return os.str();
}

void ReadStock(const std::string& bytes, CChartSlots& charts)
{
    for (const int kind : CChartSlots::kFileOrder)
        charts.Ensure(kind);
    std::istringstream is(bytes);
    boost::archive::text_iarchive ar(is);
    SerializeStock(ar, charts);
}

void SetCounters(benchmark::State& state, const std::string& bytes, int annotations)
{
    state.SetItemsProcessed(state.iterations() * annotations);
    state.counters["file_kib"] = static_cast<double>(bytes.size()) / 1024.0;
}

void BenchFileSave(benchmark::State& state, int annotations)
{
    CChartSlots charts;
    MakeChartSet(charts, annotations);
    std::string bytes;
    for (auto _ : state) {
        bytes = std::move(ChartFile::ToBytes(charts).Value());
        benchmark::DoNotOptimize(bytes.data());
    }
    SetCounters(state, bytes, annotations);
}

void BenchFileLoad(benchmark::State& state, int annotations)
{
    std::string bytes;
    {
        CChartSlots charts;
        MakeChartSet(charts, annotations);
        bytes = FileBytes(charts);
    }
    for (auto _ : state) {
        const Result<CChartSlots> charts = ChartFile::FromBytes(bytes);
        if (!charts.Ok()) {
            state.SkipWithError("the chart file does not read back");
            break;
        }
        benchmark::DoNotOptimize(charts.Value().Chart(kSquareOfNine));
    }
    SetCounters(state, bytes, annotations);
}

void BenchStockSave(benchmark::State& state, int annotations)
{
    CChartSlots charts;
    MakeChartSet(charts, annotations);
    std::string bytes;
    for (auto _ : state) {
        bytes = StockBytes(charts);
        benchmark::DoNotOptimize(bytes.data());
    }
    SetCounters(state, bytes, annotations);
}

void BenchStockLoad(benchmark::State& state, int annotations)
{
    std::string bytes;
    {
        CChartSlots charts;
        MakeChartSet(charts, annotations);
        bytes = StockBytes(charts);
    }
    for (auto _ : state) {
        CChartSlots charts;
        ReadStock(bytes, charts);
        benchmark::DoNotOptimize(charts.Chart(kSquareOfNine));
    }
    SetCounters(state, bytes, annotations);
}

} // namespace

void RegisterFileBenchmarks()
{
    const struct {
        const char* name;
        void (*run)(benchmark::State&, int);
    } benches[] = {
        {"file_save", BenchFileSave},
        {"file_load", BenchFileLoad},
        {"boost_save", BenchStockSave},
        {"boost_load", BenchStockLoad},
    };
    for (const auto& bench : benches)
        for (const int annotations : {10000, 100000})
            benchmark::RegisterBenchmark((std::string(bench.name) + "/" + std::to_string(annotations)).c_str(),
                                         bench.run, annotations)
                ->Unit(benchmark::kMillisecond);
}
