#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

namespace orvane::UiFonts {

// The layouts are measured for a 9 pt Japanese gothic font at 96 dots per
// inch: 12-pixel glyphs.
inline constexpr double UiPointSize = 9.0;
inline constexpr double DesignDpi = 96.0;

// Pixel size of a point size at the layouts' 96 dots per inch.
int pixelsForPoints(double points);

// The family fontconfig picks for Japanese sans-serif text (IPAPGothic,
// Noto Sans CJK JP, ...); empty when fontconfig finds none.
QString japaneseGothicFamily();

// The user-interface font: the Japanese gothic at 12 pixels.
QFont uiFont();

// The Japanese gothic at a point size, measured at 96 dots per inch.
QFont gothicFont(double points, bool bold = false);

// `font` drawn narrower, stretched sideways as little as makes `text` fit
// in `width` pixels at its height; `font` itself where the text fits.
QFont fittedFont(const QFont& font, const QString& text, int width);

// Whether a bold request for the font's family gets only a regular face, so
// that bold text has to be thickened by hand.
bool needsSyntheticBold(const QFont& font);

} // namespace orvane::UiFonts
