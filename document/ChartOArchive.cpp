#include "ChartOArchive.h"

#include "TextCodec.h"

#include <boost/archive/detail/archive_serializer_map.hpp>
#include <boost/archive/impl/archive_serializer_map.ipp>
#include <boost/archive/impl/basic_text_oarchive.ipp>
#include <boost/archive/impl/text_oarchive_impl.ipp>

#include <charconv>
#include <cmath>
#include <limits>
#include <locale>

namespace boost {
namespace archive {
template class detail::archive_serializer_map<CChartOArchive>;
template class basic_text_oarchive<CChartOArchive>;
template class text_oarchive_impl<CChartOArchive>;
} // namespace archive
} // namespace boost

namespace {

// The library version chart files declare; readers refuse newer ones.
constexpr unsigned kLibraryVersion = 9;

std::ostream& Classic(std::ostream& os)
{
    os.imbue(std::locale::classic());
    return os;
}

} // namespace

CChartOArchive::CChartOArchive(std::ostream& os)
    : Base(Classic(os), boost::archive::no_header)
{
    Base::save(std::string(boost::archive::BOOST_ARCHIVE_SIGNATURE()));
    Base::save(kLibraryVersion);
}

void CChartOArchive::save(const float& f)
{
    float value = f;
    if (!std::isfinite(value)) {
        value = 0.0f;
        ++m_replacedNumbers;
    }
    newtoken();
    os.unsetf(std::ios::floatfield);
    os.precision(8);
    os << value;
}

template <class Integer>
void CChartOArchive::WriteInteger(Integer value)
{
    newtoken();
    if (os.fail())
        throw boost::archive::archive_exception(boost::archive::archive_exception::output_stream_error);
    char digits[std::numeric_limits<Integer>::digits10 + 3];
    const std::streamsize size = std::to_chars(digits, digits + sizeof digits, value).ptr - digits;
    if (os.rdbuf()->sputn(digits, size) != size)
        os.setstate(std::ios::badbit);
}

void CChartOArchive::SaveInteger(long long value) { WriteInteger(value); }

void CChartOArchive::SaveInteger(unsigned long long value) { WriteInteger(value); }

void CChartOArchive::save(const std::string& s)
{
    if (CTextCodec::IsSameInFile(s)) {
        Base::save(s);
        return;
    }
    Base::save(CTextCodec::ToGbk(CTextCodec::ToCrLf(s), &m_replacedCharacters));
}
