#pragma once

#include <QString>

#include <cstdint>
#include <stdexcept>

// A text that is not the number it should be.
class EConvertError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// Reads an integer: decimal, or hexadecimal after a "$". Digits only after
// an optional sign for decimal; one or more hex digits, either case, and
// nothing else after "$". Hex values up to FFFFFFFF are allowed (from
// 80000000 up they read as negative), with any number of leading zeros.
// Throws EConvertError.
std::int32_t StrToInt(const QString &text);

// Upper-case hexadecimal without prefix or leading zeros ("0" for 0).
QString IntToHex(std::uint32_t value);
