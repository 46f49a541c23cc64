#pragma once

#include <boost/archive/text_iarchive.hpp>
#include <boost/serialization/collection_size_type.hpp>

#include <istream>
#include <limits>
#include <map>
#include <string>
#include <type_traits>

class CBaseDraw;

// The text archive chart files are read with: Boost's text archive, made
// safe for damaged and hostile files. Each string length and element count
// is checked against the bytes left in the stream before anything is
// allocated, and a string must be read whole. Strings come back from the
// file's GBK with CR LF to UTF-8 with LF.
//
// A chart file holds five pointers to five different classes, each object
// once. The reader therefore accepts at each pointer only a null pointer or
// the class that pointer was declared with, and only new object ids: a
// damaged class id could otherwise make Boost construct nothing (crash) or
// an object of another class, and an object reference would give two
// slots one chart.
//
// Every refusal throws boost::archive::archive_exception.
class CChartIArchive : public boost::archive::text_iarchive_impl<CChartIArchive> {
public:
    // Reads and checks the header; the stream is switched to the classic locale.
    explicit CChartIArchive(std::istream& is);
    ~CChartIArchive() override = default;

    // The class version of CBaseDraw that chart was read at.
    void NoteBaseVersion(const CBaseDraw& chart, unsigned version) { m_baseVersions[&chart] = version; }
    unsigned BaseVersion(const CBaseDraw& chart) const;

private:
    using Base = boost::archive::text_iarchive_impl<CChartIArchive>;
    friend class boost::archive::detail::interface_iarchive<CChartIArchive>;
    friend class boost::archive::basic_text_iarchive<CChartIArchive>;
    friend class boost::archive::load_access;

    // Integers are read as the stock archive reads them, bools as 0 or 1 and
    // characters as short numbers, but without the stream's locale machinery,
    // which costs more than the rest of reading a record.
    template <class T>
    void load(T& t)
    {
        using Limits = std::numeric_limits<T>;
        if constexpr (std::is_same_v<T, bool>)
            t = ReadSigned(0, 1) != 0;
        else if constexpr (std::is_same_v<T, char> || std::is_same_v<T, signed char>)
            t = static_cast<T>(ReadSigned(std::numeric_limits<short>::min(), std::numeric_limits<short>::max()));
        else if constexpr (std::is_same_v<T, unsigned char>)
            t = static_cast<T>(ReadUnsigned(std::numeric_limits<unsigned short>::max()));
        else if constexpr (std::is_same_v<T, wchar_t> || !std::is_integral_v<T>)
            Base::load(t);
        else if constexpr (std::is_signed_v<T>)
            t = static_cast<T>(ReadSigned(Limits::min(), Limits::max()));
        else
            t = static_cast<T>(ReadUnsigned(Limits::max()));
    }
    void load(std::string& s);
    void load(boost::serialization::collection_size_type& count);
    void load(boost::archive::class_id_type& id);
    void load(boost::archive::tracking_type& tracking);
    void load(boost::archive::object_id_type& id);

    // An integer token from min to max. Like the stream: white space first,
    // then an optional sign and decimal digits; a number out of range or
    // missing refuses the file.
    long long ReadSigned(long long min, long long max);
    // An unsigned token up to max; a minus sign negates it modulo max + 1,
    // as the stream does.
    unsigned long long ReadUnsigned(unsigned long long max);
    void ReadNumber(bool& negative, unsigned long long& magnitude);

    // Bytes between the read position and the end of the stream.
    std::size_t BytesLeft();
    std::size_t ReadLength();

    std::streamoff m_end = 0;
    // Classes Boost has registered so far, mirrored from what was read:
    // each pointer registers its class, and each class met in place is
    // registered just before its preamble is read.
    int m_classes = 0;
    bool m_pointerPreamble = false;
    unsigned m_objects = 0;
    std::map<const CBaseDraw*, unsigned> m_baseVersions;
};
