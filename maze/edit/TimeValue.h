#pragma once

#include <QStringView>

#include <cstdint>
#include <optional>

namespace orvane {

// The time box's value: the decimal number the text starts with, as
// BASIC's Val reads it (blanks, tabs and line feeds anywhere are ignored; a
// sign, a decimal point and an exponent with E or D are allowed; no number
// gives 0), rounded to the nearest integer, halves to the even one. Nothing
// when that does not fit in 16 bits.
std::optional<int16_t> TimeBoxValue(QStringView text);

} // namespace orvane
