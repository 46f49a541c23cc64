#pragma once

#include <boost/archive/text_oarchive.hpp>

#include <ostream>
#include <string>
#include <type_traits>

// The text archive chart files are written with: Boost's text archive with
// the header of archive library version 9, 32-bit floats with 8 significant
// digits, numbers in the classic locale, and strings taken from UTF-8 with
// LF line breaks to the file's GBK with CR LF. Every other token is the
// stock archive's.
//
// A float that is not finite could not be read back, so it is written as 0;
// a character GBK lacks is written as "?". Both are counted for the caller.
class CChartOArchive : public boost::archive::text_oarchive_impl<CChartOArchive> {
public:
    // The stream is switched to the classic locale for good.
    explicit CChartOArchive(std::ostream& os);
    ~CChartOArchive() override = default;

    int ReplacedCharacters() const { return m_replacedCharacters; }
    int ReplacedNumbers() const { return m_replacedNumbers; }

private:
    using Base = boost::archive::text_oarchive_impl<CChartOArchive>;
    friend class boost::archive::detail::interface_oarchive<CChartOArchive>;
    friend class boost::archive::basic_text_oarchive<CChartOArchive>;
    friend class boost::archive::save_access;

    template <class T>
    void save(const T& t)
    {
        if constexpr (std::is_integral_v<T>)
            SaveInteger(static_cast<std::conditional_t<std::is_signed_v<T>, long long, unsigned long long>>(t));
        else
            Base::save(t);
    }
    void save(const float& f);
    void save(const std::string& s);
    // The stock archive's token of an integer (a bool as 0 or 1, a character
    // as its number), formatted without the stream's locale machinery, which
    // costs more than the rest of writing a record.
    void SaveInteger(long long value);
    void SaveInteger(unsigned long long value);
    template <class Integer>
    void WriteInteger(Integer value);

    int m_replacedCharacters = 0;
    int m_replacedNumbers = 0;
};
