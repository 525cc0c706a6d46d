#include "runictarot/SunSign.h"

namespace runictarot {

namespace {
constexpr std::array<QStringView, 12> kMonths = {u"January", u"February", u"March",     u"April",
                                                 u"May",     u"June",     u"July",      u"August",
                                                 u"September", u"October", u"November", u"December"};
constexpr std::array<QStringView, 12> kSigns = {u"Aries", u"Taurus",      u"Gemini",    u"Cancer",
                                                u"Leo",   u"Virgo",       u"Libra",     u"Scorpio",
                                                u"Sagittarius", u"Capricorn", u"Aquarius", u"Pisces"};

enum Sign { Aries, Taurus, Gemini, Cancer, Leo, Virgo, Libra, Scorpio, Sagittarius, Capricorn, Aquarius, Pisces };

// Per month: the first day of the sign that begins in it, the sign that ends in it, and the sign that
// begins. Every sign from Aries to Capricorn starts on the 21st of its month; for Leo to Sagittarius
// that is a day or two before an almanac's date, and it is the program's own rule all the same.
struct MonthSigns {
    int firstDayOfNext;
    Sign before;
    Sign from;
};
constexpr std::array<MonthSigns, 12> kMonthSigns = {{
    {20, Capricorn, Aquarius},
    {19, Aquarius, Pisces},
    {21, Pisces, Aries},
    {21, Aries, Taurus},
    {21, Taurus, Gemini},
    {21, Gemini, Cancer},
    {21, Cancer, Leo},
    {21, Leo, Virgo},
    {21, Virgo, Libra},
    {21, Libra, Scorpio},
    {21, Scorpio, Sagittarius},
    {21, Sagittarius, Capricorn},
}};

constexpr int kDaysInList = 31;
} // namespace

const std::array<QStringView, 12>& monthNames() { return kMonths; }
const std::array<QStringView, 12>& signNames() { return kSigns; }

int monthIndex(QStringView monthName)
{
    for (size_t i = 0; i < kMonths.size(); ++i)
        if (kMonths[i] == monthName)
            return static_cast<int>(i);
    return -1;
}

bool isAcceptedBirthDate(int day, QStringView monthName, int year)
{
    const int month = monthIndex(monthName);
    if (month < 0 || day < 1 || day > kDaysInList || year < FirstBirthYear || year > LastBirthYear)
        return false;
    const bool thirtyDays = month == 3 || month == 5 || month == 8 || month == 10;
    if (thirtyDays && day > 30)
        return false;
    if (month == 1 && day > 29)
        return false;
    return true;
}

QString sunSignAt(int monthPosition, int dayPosition)
{
    if (monthPosition < 0 || monthPosition >= static_cast<int>(kMonthSigns.size()) || dayPosition < 0 ||
        dayPosition >= kDaysInList)
        return {};
    const MonthSigns& m = kMonthSigns[static_cast<size_t>(monthPosition)];
    const Sign s = dayPosition + 1 < m.firstDayOfNext ? m.before : m.from;
    return kSigns[static_cast<size_t>(s)].toString();
}

QString sunSign(int day, QStringView monthName, int year)
{
    if (!isAcceptedBirthDate(day, monthName, year))
        return {};
    return sunSignAt(monthIndex(monthName), day - 1);
}

} // namespace runictarot
