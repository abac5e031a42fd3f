#include "EnglishWording.h"

#include <QCoreApplication>

namespace orvane {

EnglishWording::EnglishWording()
{
    installed_ = translator_.load(CatalogueName, CatalogueFolder) &&
                 QCoreApplication::installTranslator(&translator_);
}

EnglishWording::~EnglishWording()
{
    QCoreApplication::removeTranslator(&translator_);
}

} // namespace orvane
