// Chart files: the exact bytes written, round trips, version 0 files, text
// conversions, damaged files, and the chart set's New, Open and Save.

#include "ChartFile.h"
#include "ChartOArchive.h"
#include "ChartSerialization.h"
#include "ChartSet.h"
#include "ChartSetJson.h"
#include "ChartSlots.h"
#include "ChartState.h"
#include "StoredFields.h"
#include "TextCodec.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <limits>
#include <locale>
#include <sstream>
#include <tuple>
#include <type_traits>
#include <utility>

namespace {

constexpr std::int64_t kStart = 1300000000;

std::string Bytes(const CChartSlots& charts, std::string* warning = nullptr)
{
    const Result<std::string> bytes = ChartFile::ToBytes(charts);
    EXPECT_TRUE(bytes.Ok()) << bytes.Message();
    if (warning)
        *warning = bytes.Message();
    return bytes.Ok() ? bytes.Value() : std::string();
}

CBaseDraw& Fresh(CChartSlots& charts, int kind)
{
    CBaseDraw& chart = charts.Ensure(kind);
    chart.m_tStartTime = kStart;
    return chart;
}

// The tokens of a fresh chart from m_nRings to m_nDecimals, before the containers.
std::string LeadingFields(int rings, const char* clockwise)
{
    return std::to_string(rings) + " 1 1 1300000000 1 0.60000002 " + clockwise + " 0 0 1 0 0 0 0 0 0 0 0 0 0 2";
}

Result<CChartSlots> Read(const std::string& bytes) { return ChartFile::FromBytes(bytes); }

} // namespace

TEST(ChartFileLayout, AFreshNineAFillShiftingClassIdsFloatsAndNotesInGbk)
{
    CChartSlots charts;
    Fresh(charts, kSquareOfNine);
    EXPECT_EQ(Bytes(charts), "22 serialization::archive 9 -1 -1 2 1 0\r\n0 0 1 " + LeadingFields(11, "1")
        + " 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 1 1 0 0 0 16 -1 -1\r\n");

    charts.Chart(kSquareOfNine)->m_FillCells[5] = Cell_Style {3, 0x0000FF, false, true};
    Fresh(charts, kHexagon);
    // Nine 2, base 3, fill map 4, pair 5, Cell_Style 6, lines 7, notes 8: the
    // Hexagon takes class id 9 and object id 1.
    const std::string expected = "22 serialization::archive 9 -1 -1 2 1 0\r\n0 0 1 " + LeadingFields(11, "1")
        + " 0 0 1 0 0 0 5 0 0 3 255 0 1 0 0 0 0 0 0 0 0 0 0 0 0 1 1 0 0 0 16 9 1 0\r\n1 " + LeadingFields(11, "0")
        + " 0 0 0 0 0 0 0 0 0 0 1 1 0 0 0 12 -1\r\n";
    EXPECT_EQ(Bytes(charts), expected);

    // Floats take eight digits, and are never written non-finite.
    const std::pair<float, const char*> rows[] = {{0.6f, "0.60000002"}, {1.0f, "1"}, {100.25f, "100.25"},
        {123456789.0f, "1.2345679e+08"}, {-0.001f, "-0.001"}, {NAN, "0"}, {INFINITY, "0"}};
    for (const auto& [value, token] : rows) {
        CChartSlots master;
        Fresh(master, kMasterChart).m_fStartPrice = value;
        std::string warning;
        const std::string bytes = Bytes(master, &warning);
        EXPECT_NE(bytes.find("\r\n0 0 1 12 " + std::string(token) + " 1 "), std::string::npos) << bytes;
        EXPECT_EQ(warning, std::isfinite(value) ? "" : "1 number that was not finite was saved as 0.");
    }

    // Notes in GBK, with CR LF inside the string.
    CChartSlots notes;
    Comments note {"a\nb 中", 0, -16, 0, 0, 0, "宋体", {}, 0};
    Fresh(notes, kSquareOfNine).m_Comments.insert({7, note});
    const std::string bytes = Bytes(notes);
    // "a", CR, LF, "b", space and two GBK bytes: 7 in memory, CR CR LF on disk.
    EXPECT_NE(bytes.find(" 7 0 0 7 a\r\r\nb \xD6\xD0 0 0 -16 0 4 \xCB\xCE\xCC\xE5 0 "), std::string::npos);

    // Bytes that are no GBK come back as "?", the ASCII after them kept.
    std::string damaged = bytes;
    damaged.replace(damaged.find("\xD6\xD0"), 2, "\xFF\x41");
    const Result<CChartSlots> back = Read(damaged);
    ASSERT_TRUE(back.Ok());
    EXPECT_EQ(back.Value().Chart(kSquareOfNine)->m_Comments.begin()->second.m_strText, "a\nb ?A");

    note.m_strText = "smile \xF0\x9F\x98\x80!";
    Fresh(notes, kHexagon).m_Comments.insert({1, note});
    std::string warning;
    EXPECT_NE(Bytes(notes, &warning).find(" 8 smile ?! "), std::string::npos);
    EXPECT_EQ(warning.rfind("1 character that the chart file's Chinese code page cannot hold was saved", 0), 0u)
        << warning;
    Fresh(notes, kWheel).m_Comments.insert({1, note});
    Bytes(notes, &warning);
    EXPECT_EQ(warning.rfind("2 characters that the chart file's Chinese code page cannot hold were saved", 0), 0u)
        << warning;
}

// Through the writer's and reader's buffers many times over: the archive's
// text with CR LF breaks, extreme integers included, read back either way.
TEST(ChartFileLayout, LargeSetsAreTheArchiveTextWithCrLfAndReadBackEitherWay)
{
    CChartSlots charts;
    for (const int kind : CChartSlots::kFileOrder) {
        CBaseDraw& chart = Fresh(charts, kind);
        chart.m_tStartTime = std::numeric_limits<std::int64_t>::min() + kind;
        for (int i = 0; i < 400; ++i) {
            chart.m_FillCells[std::numeric_limits<int>::min() + i] = Cell_Style {i, 0xFFFFFFFFu - i, i % 2 == 0, true};
            chart.m_Lines.insert({std::to_string(i), CLine {1, 0xFFu, true, i, std::numeric_limits<int>::max() - i}});
            const std::string text = "Note " + std::to_string(i) + "\n支撑位\r\nend";
            chart.m_Comments.insert({i, Comments {text, 0, -i, 0, 0, 0, i % 2 ? "宋体" : "Courier New", {}, 0}});
        }
    }
    std::ostringstream text;
    {
        CChartOArchive ar(text);
        charts.ForEachSlot([&](int, const auto& slot) { const auto* const chart = slot.get(); ar << chart; });
    }
    const std::string bytes = Bytes(charts);
    ASSERT_GT(bytes.size(), 200000u);
    EXPECT_EQ(bytes, CTextCodec::ToCrLf(text.str()));
    EXPECT_NE(bytes.find(" -2147483647 1 4294967294 0 1 "), std::string::npos);
    EXPECT_NE(bytes.find(" -9223372036854775805 "), std::string::npos);

    for (const std::string& file : {bytes, CTextCodec::ToLf(bytes)}) {
        const Result<CChartSlots> back = Read(file);
        ASSERT_TRUE(back.Ok()) << back.Message();
        EXPECT_EQ(ChartSetJson::ToText(back.Value()), ChartSetJson::ToText(charts));
    }
}

// The file with the token after `before` replaced, read as integers of type
// T would be by the standard stream, as Boost's text archive reads a whole
// token: refused when the stream fails or stops inside the token, else read
// with the same value. Characters are read as short numbers.
template <class T, class Field>
void ExpectReadAsTheStream(const std::string& bytes, const std::string& before, const std::string& token, Field field)
{
    std::string file = bytes;
    const std::size_t at = file.find(before) + before.size();
    file.replace(at, file.find(' ', at) - at, token);
    Result<CChartSlots> back = Read(file);
    std::istringstream is(token + " ");
    is.imbue(std::locale::classic());
    std::conditional_t<std::is_same_v<T, unsigned char>, unsigned short, T> expected {};
    const bool read = is >> expected && is.peek() == ' ';
    ASSERT_EQ(back.Ok(), read) << "\"" << token << "\" after \"" << before << "\"";
    EXPECT_TRUE(!read || field(*back.Value().Chart(kMasterChart)) == static_cast<T>(expected)) << token;
}

TEST(ChartFileRead, VersionZeroFilesOddValuesAndIntegerTokensReadAsStored)
{
    const std::string file = "22 serialization::archive 9 -1 -1 -1 3 1 0\r\n0 0 0 " + LeadingFields(4, "0")
        + " 0 0 0 0 0 0 0 0 0 0 0 0 0 0 -1\r\n";
    const Result<CChartSlots> read = Read(file);
    ASSERT_TRUE(read.Ok());
    const CChartSlots& charts = read.Value();
    const CBaseDraw* hexagon = charts.Chart(kHexagon);
    ASSERT_TRUE(hexagon && charts.BaseVersion(kHexagon) == 0);
    // Divisions 12 are the Hexagon's own.
    EXPECT_EQ(std::make_tuple(hexagon->m_nRings, hexagon->m_nDivisions, hexagon->m_bCalendarForward,
                  hexagon->m_fDivisionsRadius), std::make_tuple(4, 12, 1, 0.0f));

    // Values no dialog gives are the file's all the same: the charts bound them
    // where they use them, and the next save writes them back unchanged.
    const struct {
        int kind;
        int rings, divisions;
        float zoom;
        int natural, decimals;
    } rows[] = {
        {kSquareOfNine, 0, 0, 0.0f, 9, 9},
        {kSquareOfFour, 2000000000, 999999, 1e9f, -3, -9},
        {kMasterChart, -5, -7, -1.0f, 1000000000, -1},
    };
    for (const auto& row : rows) {
        CChartSlots set;
        CBaseDraw& c = Fresh(set, row.kind);
        std::tie(c.m_nRings, c.m_nDivisions, c.m_fZoom, c.m_nNaturalDecimals, c.m_nDecimals)
            = std::tie(row.rings, row.divisions, row.zoom, row.natural, row.decimals);
        const std::string bytes = Bytes(set);
        const Result<CChartSlots> back = Read(bytes);
        EXPECT_TRUE(back.Ok() && Bytes(back.Value()) == bytes) << row.rings; // any value bounded on the way would show
    }

    // Integer tokens read as the stream reads them.
    CChartSlots slots;
    CBaseDraw& chart = Fresh(slots, kMasterChart);
    chart.m_nTimeStep = 424242;
    chart.m_FillCells[1] = Cell_Style {77, 1193046, true, true};
    chart.m_Comments.insert({1, Comments {"", 0, 0, 0, 0, 201, "Zed", {}, 0}});
    const std::string bytes = Bytes(slots);

    const char* const tokens[] = {"7", "+7", "-7", "007", "-0", "+0", "\t7", "\v\f 7", "2147483647", "2147483648",
        "-2147483648", "-2147483649", "4294967295", "4294967296", "-4294967295", "-4294967296", "255", "256",
        "65535", "65536", "-65535", "-65536", "-1", "9223372036854775807", "9223372036854775808",
        "-9223372036854775808", "-9223372036854775809", "18446744073709551615", "18446744073709551616",
        "99999999999999999999999", "-", "+", "--1", "+-1", "1x", "x1", "0x10", "1", "0", "2"};
    for (const std::string token : tokens) {
        ExpectReadAsTheStream<std::int64_t>(bytes, "12 1 1 ", token, [](CBaseDraw& c) { return c.m_tStartTime; });
        ExpectReadAsTheStream<int>(bytes, "1300000000 ", token, [](CBaseDraw& c) { return c.m_nTimeStep; });
        ExpectReadAsTheStream<bool>(bytes, "0.60000002 ", token, [](CBaseDraw& c) { return c.m_bClockwise; });
        ExpectReadAsTheStream<Color>(bytes, " 77 ", token, [](CBaseDraw& c) { return c.m_FillCells.at(1).m_crColor; });
        ExpectReadAsTheStream<unsigned char>(
            bytes, " 3 Zed ", token, [](CBaseDraw& c) { return c.m_Comments.begin()->second.m_nCharSet; });
    }
}

TEST(ChartFileRead, DamagedFilesAndEveryPrefixAreRefusedWithTheirMessage)
{
    const std::string header = "22 serialization::archive 9 ";
    const std::string nine = header + "-1 -1 2 1 0\r\n0 0 1 " + LeadingFields(11, "1");
    const struct {
        const char* name;
        std::string bytes;
        const char* message;
    } corpus[] = {
        {"empty", "", "invalid signature"},
        {"not an archive", "PK\x03\x04 zip file", "invalid signature"},
        {"wrong signature", "22 serialization::archivX 9 -1 -1 -1 -1 -1\r\n", "invalid signature"},
        {"newer library", "22 serialization::archive 19 -1 -1 -1 -1 -1\r\n", "unsupported version"},
        {"signature of absurd length", "2000000000 serialization::archive 9", "invalid signature"},
        {"string of absurd length", nine + " 0 0 0 0 0 0 0 0 0 0 0 0 1 0 0 0 3 0 0 2000000000 x", "cut short"},
        {"string one byte longer than the rest", nine + " 0 0 0 0 0 0 0 0 0 0 0 0 1 0 0 0 3 0 0 5 abcd", "cut short"},
        {"absurd count", nine + " 0 0 4000000000 0 0 0 5", "cut short"},
        {"negative count", nine + " 0 0 -1 0 0 0 5", "cut short"},
        {"nan float", header + "-1 -1 2 1 0\r\n0 0 1 11 nan 1", "cut short"},
        {"newer chart base", header + "-1 -1 2 1 0\r\n0 0 2 11", "newer version"},
        {"class id of the chart base at a pointer",
            nine + " 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 1 1 0 0 0 16 3 1 0\r\n1", "cut short"},
        {"class id of another chart",
            header + "-1 0 1 0\r\n0 0 1 " + LeadingFields(11, "1")
                + " 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 1 1 0 0 0 16 -1 -1 -1\r\n",
            "cut short"},
        {"class id never met", header + "-1 -1 57 1 0\r\n0", "cut short"},
        {"reference to an earlier chart",
            nine + " 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 1 1 0 0 0 16 7 1 0\r\n0 -1\r\n", "cut short"},
    };
    for (const auto& row : corpus) {
        const Result<CChartSlots> result = Read(row.bytes);
        const std::string& message = result.Message();
        EXPECT_TRUE(!result.Ok() && message.find(row.message) != std::string::npos
                    && message.find('\n') == std::string::npos)
            << row.name << ": " << message;
    }

    // Every prefix is refused; random damage is the fuzz target's.
    CChartSlots good;
    CBaseDraw& c = Fresh(good, kSquareOfNine);
    c.m_FillCells[2] = Cell_Style {};
    c.m_Lines.insert({"1/2", CLine {1, 0, true, 1, 2}});
    c.m_Comments.insert({3, Comments {"two\nlines 中", 0, 12, 0, 1, 134, "宋体", {}, 0}});
    Fresh(good, kWheel).m_TangentCells[9] = Cell_Style {};
    const std::string valid = Bytes(good);

    // Only the last pointer's final line break may be missing.
    for (size_t n = 0; n + 2 < valid.size(); ++n)
        EXPECT_FALSE(Read(valid.substr(0, n)).Ok()) << n;
}

// Switching back to a kind, and failed opens, are the window's and the disk fault tests'.
TEST(ChartSetTest, KindsStartWithTheirDefaultsAndAFileWithoutASquareOfNineShowsAFreshOne)
{
    CChartSet set;
    set.SetViewGeometry({1000, 1000}, {50, 50, 950, 950});
    set.New();
    EXPECT_TRUE(set.Kind() == kSquareOfNine && set.Path().empty() && set.Current()->GetRings() == 10
                && !set.Chart(kHexagon));
    const struct {
        int kind, rings, divisions;
    } rows[] = {{kSquareOfFour, 10, 16}, {kHexagon, 11, 12}, {kWheel, 15, 8}, {kMasterChart, 12, 16}};
    for (const auto& row : rows) {
        CBaseDraw& chart = set.SwitchKind(row.kind);
        EXPECT_EQ(std::tie(chart.m_nRings, chart.m_nDivisions, chart.m_fStartPrice, chart.m_szCanvas.cx),
                  std::make_tuple(row.rings, row.divisions, 1.0f, 1000));
        EXPECT_EQ(chart.m_rcClient, (Rect {50, 50, 950, 950}));
    }

    const std::string path = testing::TempDir() + "quadrix_" + std::to_string(getpid()) + "_set.rtl";
    const Result<void> saved = set.Save(path);
    ASSERT_TRUE(saved.Ok() && saved.Message().empty()) << saved.Message();
    CChartSlots onlyMaster;
    Fresh(onlyMaster, kMasterChart);
    std::ofstream(path, std::ios::binary) << Bytes(onlyMaster);
    ASSERT_TRUE(set.Open(path).Ok());
    EXPECT_TRUE(set.Kind() == kSquareOfNine && set.Current()->GetRings() == 10 && set.Chart(kMasterChart)
                && !set.Chart(kWheel));
    std::remove(path.c_str());
}

TEST(ChartSetJsonTest, WriteThenDumpGivesTheJsonBack)
{
    const std::string json = R"({"hexagon": {"m_fStartPrice": 0.6, "m_nDivisions": 6,
        "m_Lines": [{"m_nStartCell": 1, "m_nEndCell": 7, "m_bArrow": true}, {"key": "1/7", "m_nWidth": 3}],
        "m_Comments": [{"cell": 2, "m_strText": "多行\n  note", "m_strFace": "宋体"}]}})";
    const Result<CChartSlots> read = ChartSetJson::FromText(json);
    ASSERT_TRUE(read.Ok()) << read.Message();
    const CChartSlots& charts = read.Value();
    const CBaseDraw* hexagon = charts.Chart(kHexagon);
    EXPECT_TRUE(hexagon->m_nRings == 11 && hexagon->m_Lines.count("1/7") == 2); // rings absent: a new Hexagon's
    EXPECT_EQ(charts.Chart(kSquareOfNine), nullptr);

    const std::string dumped = ChartSetJson::ToText(charts);
    EXPECT_NE(dumped.find("\"m_fStartPrice\": 0.6,"), std::string::npos);
    const Result<CChartSlots> again = ChartSetJson::FromText(dumped);
    ASSERT_TRUE(again.Ok()) << again.Message();
    EXPECT_EQ(ChartSetJson::ToText(again.Value()), dumped);

    const std::pair<const char*, const char*> bad[] = {
        {R"({"nine": {"m_nRing": 3}})", "unknown key \"m_nRing\""},
        {R"({"octagon": null})", "unknown key \"octagon\""},
        {R"({"nine": {"m_nRings": 3.5}})", "nine.m_nRings: expected a whole number"},
        {R"({"nine": {"m_bShowN": 1}})", "expected true or false"},
        {R"({"nine": {"m_fZoom": 1e300}})", "32-bit float"},
        {R"({"nine": {"m_FillCells": [{"cell": 2}, {"cell": 2}]}})", "second entry"},
        {R"({"nine": {"m_Comments": [{"m_strText": "x"}]}})", "missing \"cell\""},
        {R"({"nine": {"version": 2}})", "version 0 or 1"},
        {R"({"nine": )", "parse error"},
    };
    for (const auto& [text, message] : bad) {
        const Result<CChartSlots> none = ChartSetJson::FromText(text);
        EXPECT_TRUE(!none.Ok() && none.Message().find(message) != std::string::npos) << text << ": " << none.Message();
    }
}

namespace {

// Converts to any member's type, to count an aggregate's members by the
// most initialisers its braces take.
struct AnyMember {
    template <class T>
    operator T() const;
};
template <class T, class Indices, class = void>
struct BracesTake : std::false_type {};
template <class T, std::size_t... I>
struct BracesTake<T, std::index_sequence<I...>, std::void_t<decltype(T {(void(I), AnyMember {})...})>>
    : std::true_type {};
template <class T, std::size_t N = 0>
constexpr std::size_t MemberCount()
{
    if constexpr (BracesTake<T, std::make_index_sequence<N + 1>>::value)
        return MemberCount<T, N + 1>();
    else
        return N;
}

} // namespace

// Every stored member is listed, and so saved, dumped and captured: with
// every field apart from its default, the file, the JSON form and an undo
// step each give the chart back; each field but the zoom changes just its
// own undo part, and a NaN a file holds is no change.
TEST(StoredFieldsTest, EveryStoredMemberComesBackThroughFileJsonAndUndo)
{
    static_assert(MemberCount<StoredChartData>() == std::tuple_size_v<decltype(StoredFields::kList)>,
                  "a member of StoredChartData is missing from StoredFields::kList");
    const auto change = [](auto& member) {
        using T = std::decay_t<decltype(member)>;
        if constexpr (std::is_same_v<T, bool>)
            member = !member;
        else if constexpr (std::is_arithmetic_v<T>)
            member = static_cast<T>(member + 1);
        else
            member.emplace(typename T::key_type {}, typename T::mapped_type {});
    };
    CChartSlots changed;
    CBaseDraw& all = changed.Ensure(kHexagon);
    StoredFields::ForEach([&](const auto& field) {
        CChartSlots one;
        CBaseDraw& chart = one.Ensure(kHexagon);
        const CChartState before = CChartState::Capture(chart);
        change(chart.*field.member);
        change(all.*field.member);
        CChartState::Parts part;
        if (field.part)
            part.set(*field.part);
        EXPECT_EQ(before.Differing(CChartState::Capture(chart)), part) << field.name;
    });

    const std::string json = ChartSetJson::ToText(changed);
    const Result<CChartSlots> fromFile = Read(Bytes(changed));
    const Result<CChartSlots> fromJson = ChartSetJson::FromText(json);
    ASSERT_TRUE(fromFile.Ok() && fromJson.Ok()) << fromFile.Message() << fromJson.Message();
    EXPECT_EQ(ChartSetJson::ToText(fromFile.Value()), json);
    EXPECT_EQ(ChartSetJson::ToText(fromJson.Value()), json);
    CChartSlots undone;
    CBaseDraw& chart = undone.Ensure(kHexagon);
    CChartState::Capture(all).Restore(chart);
    chart.m_fZoom = all.m_fZoom;
    EXPECT_EQ(ChartSetJson::ToText(undone), json);

    all.m_fStartPrice = std::numeric_limits<float>::quiet_NaN();
    EXPECT_TRUE(CChartState::Capture(all).Differing(CChartState::Capture(all)).none());
}
