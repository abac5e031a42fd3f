#include "UiFonts.h"

#include <QFontMetrics>

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cmath>

namespace orvane::UiFonts {
namespace {

// Proportional Japanese gothics first, in order of preference; then whatever
// sans-serif font fontconfig has for Japanese.
const char* const PreferredFamilies[] = {"IPAPGothic", "Noto Sans CJK JP", "Noto Sans JP",
                                         "VL PGothic", "sans-serif"};

const FcChar8* fcText(const char* text)
{
    return reinterpret_cast<const FcChar8*>(text);
}

// fontconfig's best match for a pattern, after its usual substitutions.
FcPattern* bestMatch(FcPattern* pattern)
{
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    return FcFontMatch(nullptr, pattern, &result);
}

// Asks fontconfig for the best gothic font for Japanese text.
QString matchJapaneseGothic()
{
    if (!FcInit())
        return {};
    FcPattern* pattern = FcPatternCreate();
    for (const char* family : PreferredFamilies)
        FcPatternAddString(pattern, FC_FAMILY, fcText(family));
    FcPatternAddString(pattern, FC_LANG, fcText("ja"));
    QString family;
    if (FcPattern* match = bestMatch(pattern)) {
        // Only a font that really covers Japanese will do.
        FcLangSet* langs = nullptr;
        FcChar8* name = nullptr;
        if (FcPatternGetLangSet(match, FC_LANG, 0, &langs) == FcResultMatch &&
            FcLangSetHasLang(langs, fcText("ja")) == FcLangEqual &&
            FcPatternGetString(match, FC_FAMILY, 0, &name) == FcResultMatch)
            family = QString::fromUtf8(reinterpret_cast<const char*>(name));
        FcPatternDestroy(match);
    }
    FcPatternDestroy(pattern);
    return family;
}

// Whether fontconfig answers a bold request for the family with a regular
// face to be emboldened.
bool boldIsSynthetic(const QString& family)
{
    if (!FcInit())
        return false;
    FcPattern* pattern = FcPatternCreate();
    const QByteArray name = family.toUtf8();
    FcPatternAddString(pattern, FC_FAMILY, fcText(name.constData()));
    FcPatternAddInteger(pattern, FC_WEIGHT, FC_WEIGHT_BOLD);
    FcBool embolden = FcFalse;
    if (FcPattern* match = bestMatch(pattern)) {
        FcPatternGetBool(match, FC_EMBOLDEN, 0, &embolden);
        FcPatternDestroy(match);
    }
    FcPatternDestroy(pattern);
    return embolden == FcTrue;
}

} // namespace

int pixelsForPoints(double points)
{
    return int(std::lround(points * DesignDpi / 72.0));
}

QString japaneseGothicFamily()
{
    static const QString family = matchJapaneseGothic();
    return family;
}

QFont gothicFont(double points, bool bold)
{
    QFont font;
    const QString family = japaneseGothicFamily();
    if (!family.isEmpty())
        font.setFamilies(QStringList{family});
    font.setPixelSize(pixelsForPoints(points));
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    // Every property is the program's: nothing comes from a desktop font.
    font.setResolveMask(QFont::AllPropertiesResolved);
    return font;
}

QFont uiFont()
{
    return gothicFont(UiPointSize);
}

QFont fittedFont(const QFont& font, const QString& text, int width)
{
    constexpr int NarrowestStretch = 50; // half as wide: still readable
    QFont fitted = font;
    for (int stretch = QFont::Unstretched;
         QFontMetrics(fitted).horizontalAdvance(text) > width && stretch > NarrowestStretch;) {
        stretch = std::max(NarrowestStretch,
                           stretch * width / QFontMetrics(fitted).horizontalAdvance(text) - 1);
        fitted.setStretch(stretch);
    }
    return fitted;
}

bool needsSyntheticBold(const QFont& font)
{
    return font.bold() && boldIsSynthetic(font.families().value(0, font.family()));
}

} // namespace orvane::UiFonts
