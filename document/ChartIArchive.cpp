#include "ChartIArchive.h"

#include "TextCodec.h"

#include <boost/archive/detail/archive_serializer_map.hpp>
#include <boost/archive/impl/archive_serializer_map.ipp>
#include <boost/archive/impl/basic_text_iarchive.ipp>
#include <boost/archive/impl/text_iarchive_impl.ipp>

#include <locale>

namespace boost {
namespace archive {
template class detail::archive_serializer_map<CChartIArchive>;
template class basic_text_iarchive<CChartIArchive>;
template class text_iarchive_impl<CChartIArchive>;
} // namespace archive
} // namespace boost

namespace {

using boost::archive::archive_exception;

std::istream& Classic(std::istream& is)
{
    is.imbue(std::locale::classic());
    return is;
}

[[noreturn]] void Refuse() { throw archive_exception(archive_exception::input_stream_error); }

// White space and digits of the classic locale, which the stream reads in.
bool IsSpace(int c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool IsDigit(int c) { return c >= '0' && c <= '9'; }

} // namespace

CChartIArchive::CChartIArchive(std::istream& is)
    : Base(Classic(is), boost::archive::no_header)
{
    const std::streampos here = is.tellg();
    is.seekg(0, std::ios::end);
    m_end = is.tellg();
    is.seekg(here);
    if (here < 0 || m_end < 0 || !is)
        Refuse();
    // Whatever fails before the signature is read whole is no chart file.
    try {
        init();
    } catch (const archive_exception& e) {
        if (e.code != archive_exception::unsupported_version)
            throw archive_exception(archive_exception::invalid_signature);
        throw;
    }
}

unsigned CChartIArchive::BaseVersion(const CBaseDraw& chart) const
{
    const auto it = m_baseVersions.find(&chart);
    return it == m_baseVersions.end() ? 0 : it->second;
}

std::size_t CChartIArchive::BytesLeft()
{
    const std::streamoff at = is.tellg();
    return at < 0 || at > m_end ? 0 : static_cast<std::size_t>(m_end - at);
}

void CChartIArchive::ReadNumber(bool& negative, unsigned long long& magnitude)
{
    if (!is.good())
        Refuse();
    std::streambuf& in = *is.rdbuf();
    int c = in.sgetc();
    while (IsSpace(c))
        c = in.snextc();
    negative = c == '-';
    if (c == '-' || c == '+')
        c = in.snextc();
    if (!IsDigit(c))
        Refuse();
    magnitude = 0;
    constexpr unsigned long long kMax = std::numeric_limits<unsigned long long>::max();
    do {
        const unsigned digit = static_cast<unsigned>(c - '0');
        if (magnitude > (kMax - digit) / 10)
            Refuse();
        magnitude = magnitude * 10 + digit;
        c = in.snextc();
    } while (IsDigit(c));
    // A number that ends the stream still counts; the next read fails.
    if (c == std::char_traits<char>::eof())
        is.setstate(std::ios::eofbit);
}

long long CChartIArchive::ReadSigned(long long min, long long max)
{
    bool negative = false;
    unsigned long long magnitude = 0;
    ReadNumber(negative, magnitude);
    // |min|, written so that it does not overflow.
    const unsigned long long lowest = min < 0 ? static_cast<unsigned long long>(-(min + 1)) + 1 : 0;
    if (magnitude > (negative ? lowest : static_cast<unsigned long long>(max)))
        Refuse();
    return negative ? static_cast<long long>(0 - magnitude) : static_cast<long long>(magnitude);
}

unsigned long long CChartIArchive::ReadUnsigned(unsigned long long max)
{
    bool negative = false;
    unsigned long long magnitude = 0;
    ReadNumber(negative, magnitude);
    if (magnitude > max)
        Refuse();
    return negative ? 0 - magnitude : magnitude;
}

std::size_t CChartIArchive::ReadLength()
{
    std::size_t n = 0;
    load(n);
    if (n > BytesLeft())
        Refuse();
    return n;
}

void CChartIArchive::load(std::string& s)
{
    const std::size_t size = ReadLength();
    if (is.get() != ' ')
        Refuse();
    s.resize(size);
    is.read(s.data(), static_cast<std::streamsize>(size));
    if (static_cast<std::size_t>(is.gcount()) != size)
        Refuse();
    if (!CTextCodec::IsSameInFile(s))
        s = CTextCodec::ToLf(CTextCodec::FromGbk(s));
}

void CChartIArchive::load(boost::serialization::collection_size_type& count)
{
    count = boost::serialization::collection_size_type(ReadLength());
}

void CChartIArchive::load(boost::archive::class_id_type& id)
{
    int value = 0;
    Base::load(value);
    // Boost registered the pointer's class just before asking.
    const int expected = m_classes++;
    if (value != -1 && value != expected)
        Refuse();
    m_pointerPreamble = value != -1;
    id = boost::archive::class_id_type(value);
}

void CChartIArchive::load(boost::archive::tracking_type& tracking)
{
    Base::load(tracking);
    if (m_pointerPreamble)
        m_pointerPreamble = false;
    else
        ++m_classes;
}

void CChartIArchive::load(boost::archive::object_id_type& id)
{
    unsigned value = 0;
    Base::load(value);
    if (value != m_objects)
        Refuse();
    ++m_objects;
    id = boost::archive::object_id_type(std::size_t{value});
}
