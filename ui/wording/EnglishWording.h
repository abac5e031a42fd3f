#pragma once

#include <QTranslator>

namespace orvane {

// The English catalogue, installed on the application for as long as this
// lives: for a program that always speaks English (orvane-mdt), in the same
// words as the windows in English. Create it after the application object.
class EnglishWording {
public:
    static inline const QString CatalogueFolder = QStringLiteral(":/orvane/translations");
    static inline const QString CatalogueName = QStringLiteral("orvane_en");

    EnglishWording();
    ~EnglishWording();
    EnglishWording(const EnglishWording&) = delete;
    EnglishWording& operator=(const EnglishWording&) = delete;

    // Whether the catalogue was found (it is compiled in).
    bool installed() const { return installed_; }

private:
    QTranslator translator_;
    bool installed_ = false;
};

} // namespace orvane
