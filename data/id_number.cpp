#include "data/id_number.h"

#include <algorithm>
#include <ctime>

namespace pemlar {

namespace {

constexpr int kNumberOffset = 0;
constexpr int kNumberWidth = 12;
constexpr int kCodeOffset = 12;
constexpr int kCodeWidth = 3;
constexpr int kSeparatorOffset = 15;
constexpr int kDateOffset = 16;
constexpr int kDateWidth = 4;
constexpr int kTerminatorOffset = 20;
constexpr std::size_t kLabelCodeLength = 3;

// The text as a C string would see it: up to its first NUL byte.
std::string_view cString(std::string_view text) {
    return text.substr(0, text.find('\0'));
}

// At most `width` characters of `text`, right-aligned in `width` columns.
void putField(IdBlock id, int offset, int width, std::string_view text) {
    const auto used = static_cast<int>(std::min<std::size_t>(cString(text).size(), width));
    const int pad = width - used;
    std::fill_n(id.begin() + offset, pad, static_cast<std::uint8_t>(' '));
    std::copy_n(text.begin(), used, id.begin() + offset + pad);
}

// The field at `offset` up to its zero byte, never past `width`, right-aligned.
std::string getField(ConstIdBlock id, int offset, int width) {
    int used = 0;
    while (used < width && id[offset + used] != 0) {
        ++used;
    }
    std::string field(static_cast<std::size_t>(width - used), ' ');
    field.append(reinterpret_cast<const char*>(id.data() + offset), static_cast<std::size_t>(used));
    return field;
}

// As "%02d": at least two digits.
void appendTwoDigits(std::string& out, int value) {
    if (value >= 0 && value < 10) {
        out += '0';
    }
    out += std::to_string(value);
}

}  // namespace

void takeIdNumber(const IdNumberTexts& texts, IdBlock id) {
    // Built as three overlapping fixed-width writes ("%12.12s ", "%3.3s ", "%4.4s"),
    // each ending in a space and a zero byte that the next one overwrites; what
    // remains is the layout below.
    putField(id, kNumberOffset, kNumberWidth, texts.number);
    putField(id, kCodeOffset, kCodeWidth, texts.code);
    id[kSeparatorOffset] = ' ';
    putField(id, kDateOffset, kDateWidth, texts.date);
    id[kTerminatorOffset] = 0;
}

IdNumberTexts showIdNumber(ConstIdBlock id) {
    return IdNumberTexts{
        .number = getField(id, kNumberOffset, kNumberWidth),
        .code = getField(id, kCodeOffset, kCodeWidth),
        .date = getField(id, kDateOffset, kDateWidth),
    };
}

MonthYear localMonthYear() {
    const std::time_t now = std::time(nullptr);
    // The program has one thread; localtime's shared result is copied at once.
    const std::tm* local = std::localtime(&now);
    if (local == nullptr) {
        return MonthYear{1, 1970};
    }
    return MonthYear{local->tm_mon + 1, local->tm_year + 1900};
}

std::string labelCode(std::string_view label) {
    return std::string(cString(label).substr(0, kLabelCodeLength));
}

std::string monthYearStamp(MonthYear date) {
    std::string stamp;
    appendTwoDigits(stamp, date.month);
    appendTwoDigits(stamp, date.year % 100);
    return stamp;
}

}  // namespace pemlar
