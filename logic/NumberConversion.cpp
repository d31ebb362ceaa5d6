#include "logic/NumberConversion.h"

#include <QByteArray>

#include <charconv>
#include <cmath>
#include <limits>
#include <string_view>

double TextToNumber(const QString &text)
{
    const QByteArray utf8 = text.trimmed().toUtf8();
    std::string_view digits(utf8.constData(), size_t(utf8.size()));

    // from_chars takes no '+' and, given letters, would read "inf" and "nan": only a sign
    // followed by a digit or a decimal point starts a number here.
    const bool negative = digits.starts_with('-');
    if (negative || digits.starts_with('+'))
        digits.remove_prefix(1);
    if (digits.empty() ||
        !(digits.front() == '.' || (digits.front() >= '0' && digits.front() <= '9')))
        return 0.0;

    double value = 0.0;
    const std::from_chars_result parsed =
        std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (parsed.ec != std::errc())
        return 0.0;
    return negative ? -value : value;
}

qint16 ToIndex(double value)
{
    const double whole = std::nearbyint(value);
    if (!(whole >= std::numeric_limits<qint16>::min() &&
          whole <= std::numeric_limits<qint16>::max()))
        qFatal("Run-time error: overflow: %g is not a valid index", value);
    return static_cast<qint16>(whole);
}
