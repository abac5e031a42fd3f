#pragma once

#include <QStringList>
#include <QTranslator>

namespace orvane {

// The language the program speaks: the Japanese it is written in, or the
// English of its catalogue.
enum class UiLanguage { Japanese, English };

// Of the user's preferred languages (as QLocale::uiLanguages() gives them,
// most wanted first) the first that is Japanese or English decides; without
// either, English unless they are only the C or POSIX locale or none.
UiLanguage chooseLanguage(const QStringList& uiLanguages);

// The language of the user's settings (LANGUAGE, LC_ALL, LC_MESSAGES, LANG).
UiLanguage systemLanguage();

// The program's catalogue and Qt's own texts (dialogs, message-box buttons)
// in one language, installed on the application for as long as this lives.
// Create it after the application object.
class Translations {
public:
    explicit Translations(UiLanguage language);
    ~Translations();
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    // Whether every catalogue the language needs was found.
    bool complete() const { return complete_; }

private:
    QTranslator program_;
    QTranslator qt_;
    bool complete_ = true;
};

} // namespace orvane
