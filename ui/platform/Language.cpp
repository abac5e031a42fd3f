#include "Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace orvane {
namespace {

// Built from ui/translations by lrelease and compiled in.
const QString CatalogueFolder = QStringLiteral(":/orvane/translations");
const QString EnglishCatalogue = QStringLiteral("orvane_en");
const QString QtJapaneseCatalogue = QStringLiteral("qtbase_ja");

// "ja" of "ja-JP", "ja_JP.UTF-8" or "ja".
QStringView languageOf(const QString& tag)
{
    qsizetype end = 0;
    while (end < tag.size() && tag[end].isLetter())
        ++end;
    return QStringView(tag).left(end);
}

bool isPlainLocale(QStringView language)
{
    return language == u"C" || language == u"POSIX";
}

bool is(QStringView language, QStringView wanted)
{
    return language.compare(wanted, Qt::CaseInsensitive) == 0;
}

bool install(QTranslator& translator, const QString& name, const QString& folder)
{
    return translator.load(name, folder) && QCoreApplication::installTranslator(&translator);
}

} // namespace

UiLanguage chooseLanguage(const QStringList& uiLanguages)
{
    bool onlyPlain = true;
    for (const QString& tag : uiLanguages) {
        const QStringView language = languageOf(tag);
        if (is(language, u"ja"))
            return UiLanguage::Japanese;
        if (is(language, u"en"))
            return UiLanguage::English;
        onlyPlain = onlyPlain && (language.isEmpty() || isPlainLocale(language));
    }
    return onlyPlain ? UiLanguage::Japanese : UiLanguage::English;
}

UiLanguage systemLanguage()
{
    return chooseLanguage(QLocale::system().uiLanguages());
}

Translations::Translations(UiLanguage language)
{
    if (language == UiLanguage::English)
        complete_ = install(program_, EnglishCatalogue, CatalogueFolder);
    else // Qt's own texts are English without a catalogue
        complete_ =
            install(qt_, QtJapaneseCatalogue, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

Translations::~Translations()
{
    QCoreApplication::removeTranslator(&program_);
    QCoreApplication::removeTranslator(&qt_);
}

} // namespace orvane
