#include "TimeValue.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace orvane {
namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n';
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Reads the text as Val does, blanks skipped.
class NumberReader {
public:
    explicit NumberReader(QStringView text) : text_(text) {}

    // The next character that is not a blank, without taking it.
    QChar peek()
    {
        while (at_ < text_.size() && isBlank(text_[at_]))
            ++at_;
        return at_ < text_.size() ? text_[at_] : QChar();
    }
    void take() { ++at_; }
    bool takeIf(QChar a, QChar b = {})
    {
        const QChar c = peek();
        if (c.isNull() || (c != a && c != b))
            return false;
        take();
        return true;
    }
    std::string digits()
    {
        std::string s;
        while (isDigit(peek())) {
            s += char(peek().unicode());
            take();
        }
        return s;
    }

private:
    QStringView text_;
    qsizetype at_ = 0;
};

// Exponents beyond this give values far outside 16 bits, or 0.
constexpr long ExponentLimit = 100000;

} // namespace

std::optional<int16_t> TimeBoxValue(QStringView text)
{
    NumberReader in(text);
    const bool negative = in.takeIf(u'-');
    if (!negative)
        in.takeIf(u'+');
    std::string whole = in.digits();
    std::string fraction;
    if (in.takeIf(u'.'))
        fraction = in.digits();
    if (whole.empty() && fraction.empty())
        return 0;

    long exponent = 0;
    if (in.takeIf(u'E', u'e') || in.takeIf(u'D', u'd')) {
        const bool down = in.takeIf(u'-');
        if (!down)
            in.takeIf(u'+');
        for (char d : in.digits())
            exponent = std::min(exponent * 10 + (d - '0'), ExponentLimit);
        if (down)
            exponent = -exponent;
    }

    // The decimal place of the first significant digit decides whether the
    // value can fit at all, before any conversion could overflow.
    whole.erase(0, whole.find_first_not_of('0'));
    long magnitude = 0;
    if (!whole.empty()) {
        magnitude = long(whole.size()) + exponent;
    } else {
        const size_t first = fraction.find_first_not_of('0');
        if (first == std::string::npos)
            return 0;
        magnitude = exponent - long(first);
    }
    if (magnitude > std::numeric_limits<int16_t>::digits10 + 1)
        return std::nullopt;
    if (magnitude < -1)
        return 0; // below 0.01

    std::string number = whole.empty() ? "0" : whole;
    if (!fraction.empty())
        number += '.' + fraction;
    number += 'e' + std::to_string(exponent);
    double value = 0;
    std::from_chars(number.data(), number.data() + number.size(), value);
    value = std::nearbyint(negative ? -value : value); // halves to even
    if (value < std::numeric_limits<int16_t>::min() || value > std::numeric_limits<int16_t>::max())
        return std::nullopt;
    return int16_t(value);
}

} // namespace orvane
