#include "platform/Convert.h"

namespace {

[[noreturn]] void invalid(const QString &text)
{
    throw EConvertError(QStringLiteral("'%1' is not a valid integer value").arg(text).toStdString());
}

int hexDigit(QChar c)
{
    if (c >= u'0' && c <= u'9')
        return c.unicode() - u'0';
    if (c >= u'a' && c <= u'f')
        return c.unicode() - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c.unicode() - u'A' + 10;
    return -1;
}

} // namespace

std::int32_t StrToInt(const QString &text)
{
    if (text.startsWith(u'$')) {
        if (text.size() < 2)
            invalid(text);
        std::uint64_t value = 0;
        for (qsizetype i = 1; i < text.size(); ++i) {
            const int digit = hexDigit(text[i]);
            if (digit < 0)
                invalid(text);
            value = value * 16 + std::uint64_t(digit);
            if (value > 0xFFFFFFFFu)
                invalid(text);
        }
        return std::int32_t(std::uint32_t(value));
    }
    qsizetype i = 0;
    const bool negative = text.startsWith(u'-');
    if (negative || text.startsWith(u'+'))
        i = 1;
    if (i >= text.size())
        invalid(text);
    std::int64_t value = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < u'0' || text[i] > u'9')
            invalid(text);
        value = value * 10 + (text[i].unicode() - u'0');
        if (value > std::int64_t(INT32_MAX) + 1)
            invalid(text);
    }
    if (negative)
        value = -value;
    if (value > INT32_MAX)
        invalid(text);
    return std::int32_t(value);
}

QString IntToHex(std::uint32_t value)
{
    return QString::number(value, 16).toUpper();
}
