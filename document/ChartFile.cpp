#include "ChartFile.h"

#include "ChartIArchive.h"
#include "ChartOArchive.h"
#include "ChartSerialization.h"
#include "PlainFile.h"
#include "TextCodec.h"

#include <istream>
#include <ostream>
#include <streambuf>
#include <string_view>

namespace {

using boost::archive::archive_exception;

// Far more than any chart file; keeps a wrong choice (a disk image) from
// being read into memory.
constexpr std::size_t kMaxFileSize = 64 << 20;

// Collects the archive's text into a string with every line break as CR LF,
// in one pass and without a copy of the whole text.
class CrLfStringBuf : public std::streambuf {
public:
    explicit CrLfStringBuf(std::string& out)
        : m_out(out)
    {
        setp(m_buffer, m_buffer + sizeof m_buffer);
    }

protected:
    int_type overflow(int_type c) override
    {
        Flush();
        if (!traits_type::eq_int_type(c, traits_type::eof()))
            sputc(traits_type::to_char_type(c));
        return traits_type::not_eof(c);
    }

    int sync() override
    {
        Flush();
        return 0;
    }

private:
    void Flush()
    {
        CTextCodec::AppendCrLf(std::string_view(pbase(), static_cast<std::size_t>(pptr() - pbase())), m_out);
        setp(m_buffer, m_buffer + sizeof m_buffer);
    }

    std::string& m_out;
    char m_buffer[1 << 14];
};

// Reads a string where it lies, seekable as the archive needs, so that a
// file's text is not copied once more into a string stream.
class StringReadBuf : public std::streambuf {
public:
    explicit StringReadBuf(const std::string& text)
    {
        // Never written through: a put-back of another character fails.
        char* begin = const_cast<char*>(text.data());
        setg(begin, begin, begin + text.size());
    }

protected:
    pos_type seekoff(off_type off, std::ios_base::seekdir dir, std::ios_base::openmode which) override
    {
        const off_type size = egptr() - eback();
        const off_type base = dir == std::ios_base::beg ? 0 : dir == std::ios_base::cur ? gptr() - eback() : size;
        const off_type to = base + off;
        if (!(which & std::ios_base::in) || to < 0 || to > size)
            return pos_type(off_type(-1));
        setg(eback(), eback() + to, egptr());
        return pos_type(to);
    }

    pos_type seekpos(pos_type pos, std::ios_base::openmode which) override
    {
        return seekoff(off_type(pos), std::ios_base::beg, which);
    }
};

void WriteSlots(CChartOArchive& ar, const CChartSlots& charts)
{
    charts.ForEachSlot([&](int, const auto& slot) {
        const auto* const chart = slot.get();
        ar << chart;
    });
}

// A chart that failed half-way is deleted here; Boost hands it over before
// it is complete.
void ReadSlots(CChartIArchive& ar, CChartSlots& charts)
{
    charts.ForEachSlot([&](int kind, auto& slot) {
        typename std::decay_t<decltype(slot)>::element_type* chart = nullptr;
        try {
            ar >> chart;
        } catch (...) {
            delete chart;
            throw;
        }
        slot.reset(chart);
        if (chart)
            charts.SetBaseVersion(kind, ar.BaseVersion(*chart));
    });
}

std::string Describe(const archive_exception& e)
{
    switch (e.code) {
    case archive_exception::invalid_signature:
        return "not a chart file (invalid signature)";
    case archive_exception::unsupported_version:
        return "written by a newer program (unsupported version)";
    case archive_exception::unsupported_class_version:
        return "holds a chart of a newer version (unsupported class version)";
    case archive_exception::input_stream_error:
        return "damaged or cut short (input stream error)";
    default:
        return std::string("damaged (") + e.what() + ")";
    }
}

// "1 number that was", "2 numbers that were".
std::string Counted(int n, const char* noun) { return std::to_string(n) + " " + noun + (n == 1 ? "" : "s"); }
const char* Was(int n) { return n == 1 ? "was" : "were"; }

std::string Warnings(const CChartOArchive& ar)
{
    std::string text;
    if (const int n = ar.ReplacedCharacters(); n > 0)
        text += Counted(n, "character") + " that the chart file's Chinese code page cannot hold " + Was(n)
            + " saved as \"?\".";
    if (const int n = ar.ReplacedNumbers(); n > 0)
        text += std::string(text.empty() ? "" : " ") + Counted(n, "number") + " that " + Was(n) + " not finite "
            + Was(n) + " saved as 0.";
    return text;
}

} // namespace

namespace ChartFile {

Result<std::string> ToBytes(const CChartSlots& charts)
{
    try {
        std::string text;
        std::string warnings;
        CrLfStringBuf buffer(text);
        std::ostream os(&buffer);
        {
            CChartOArchive ar(os);
            WriteSlots(ar, charts);
            warnings = Warnings(ar);
        } // the archive ends the file with its line break as it closes
        os.flush();
        return {std::move(text), std::move(warnings)};
    } catch (const std::exception& e) {
        return Failure {std::string("Cannot write the chart file: ") + e.what()};
    }
}

Result<CChartSlots> FromBytes(const std::string& bytes)
{
    const std::size_t lf = bytes.find('\n');
    const bool crlf = lf != std::string::npos && lf > 0 && bytes[lf - 1] == '\r';
    CChartSlots charts;
    try {
        const std::string converted = crlf ? CTextCodec::ToLf(bytes) : std::string();
        StringReadBuf buffer(crlf ? converted : bytes);
        std::istream is(&buffer);
        CChartIArchive ar(is);
        ReadSlots(ar, charts);
    } catch (const archive_exception& e) {
        return Failure {Describe(e)};
    } catch (const std::exception& e) {
        return Failure {std::string("damaged (") + e.what() + ")"};
    }
    return Result<CChartSlots>(std::move(charts));
}

Result<void> Save(const CChartSlots& charts, const std::string& path)
{
    const Result<std::string> bytes = ToBytes(charts);
    if (!bytes.Ok())
        return Failure {bytes.Message()};
    const Result<void> written = PlainFile::Replace(path, bytes.Value());
    if (!written.Ok())
        return written;
    return Result<void>::WithNote(bytes.Message());
}

Result<CChartSlots> Load(const std::string& path)
{
    const Result<std::string> bytes = PlainFile::Read(path, kMaxFileSize);
    if (!bytes.Ok())
        return Failure {bytes.Message()};
    Result<CChartSlots> charts = FromBytes(bytes.Value());
    if (!charts.Ok())
        return Failure {path + ": " + charts.Message()};
    return charts;
}

} // namespace ChartFile
