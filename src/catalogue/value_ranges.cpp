#include "catalogue/value_ranges.hpp"

#include "console/fields.hpp"
#include "console/fixed_columns.hpp"
#include "console/text.hpp"

namespace tensova {
namespace {

// Columns of a part of the date or time text.
struct Part {
    int first;
    int width;
};

// ndk dates are yyyy/mm/dd, dek dates mm/dd/yy; both times are hh:mm:ss.s.
struct DateLayout {
    Part year, month, day;
};
constexpr DateLayout kNdkDate{{1, 4}, {6, 2}, {9, 2}};
constexpr DateLayout kDekDate{{7, 2}, {1, 2}, {4, 2}};
constexpr Part kHour{1, 2};
constexpr Part kMinute{4, 2};
constexpr Part kSecond{7, 4};

bool leapYear(int32_t y) {
    // A two-digit year is of 1901 to 2099, where every fourth year is a leap year (2000 too).
    return y % 4 == 0 && (y % 100 != 0 || y % 400 == 0);
}

int32_t daysIn(int32_t month, int32_t year, bool yearRead) {
    constexpr int32_t kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 31;
    return kDays[month - 1] + (month == 2 && yearRead && leapYear(year) ? 1 : 0);
}

class Checker {
  public:
    Checker(int32_t event, OutOfRangeList& found) : event_(event), found_(found) {}

    // A whole number in part p of the text, from lo to hi; anything else is reported.
    void whole(std::string_view text, Part p, int32_t lo, int32_t hi, const char* name,
               int32_t line) {
        int32_t v = 0;
        if (!readFixedInt(text, p.first, p.width, v) || v < lo || v > hi)
            report(line, name, trimmed(fixedField(text, p.first, p.width)));
    }
    void seconds(std::string_view text, int32_t line) {
        // A leap second is 60.x.
        float v = 0.0f;
        if (!readFixedReal(text, kSecond.first, kSecond.width, 0, v) || !(v >= 0.0f && v < 61.0f))
            report(line, "second", trimmed(fixedField(text, kSecond.first, kSecond.width)));
    }
    void real(float v, float lo, float hi, const char* name, int32_t line) {
        if (!(v >= lo && v <= hi)) report(line, name, fmtFown(v, 2));
    }

  private:
    void report(int32_t line, const char* name, std::string_view value) {
        found_.add({event_, line, name, std::string(value)});
    }
    int32_t event_;
    OutOfRangeList& found_;
};

}  // namespace

void OutOfRangeList::add(OutOfRange v) {
    ++count;
    if (shown.size() < kShown) shown.push_back(std::move(v));
}

void checkValueRanges(const RecordLayout& layout, const Gcmtblk& store, int32_t k, int32_t event,
                      int32_t firstLine, OutOfRangeList& found) {
    const auto i = static_cast<std::size_t>(k);
    const bool dek = layout.dataType == kDekData;
    const DateLayout& d = dek ? kDekDate : kNdkDate;
    const int32_t hypocentre = firstLine;
    const int32_t centroid = firstLine + (dek ? 1 : 2);
    Checker check(event, found);

    const std::string_view date = textOf(store.date1[i]);
    int32_t year = 0;
    const bool yearRead = readFixedInt(date, d.year.first, d.year.width, year);
    int32_t month = 0;  // stays 0 when unread: any month's days are then allowed
    (void)readFixedInt(date, d.month.first, d.month.width, month);
    check.whole(date, d.month, 1, 12, "month", hypocentre);
    check.whole(date, d.day, 1, daysIn(month, year, yearRead), "day", hypocentre);
    const std::string_view time = textOf(store.time[i]);
    check.whole(time, kHour, 0, 23, "hour", hypocentre);
    check.whole(time, kMinute, 0, 59, "minute", hypocentre);
    check.seconds(time, hypocentre);

    check.real(store.rlat[i], -90.0f, 90.0f, "rlat", hypocentre);
    check.real(store.rlong[i], -180.0f, 360.0f, "rlong", hypocentre);
    check.real(store.clat[i], -90.0f, 90.0f, "clat", centroid);
    check.real(store.clong[i], -180.0f, 360.0f, "clong", centroid);
}

}  // namespace tensova
