#include "Appearance.h"

#include "ClassicStyle.h"
#include "UiFonts.h"

#include <QApplication>
#include <QIcon>
#include <QWidget>

namespace orvane {

void applyAppearance()
{
    QApplication::setStyle(new ClassicStyle);
    QApplication::setFont(UiFonts::uiFont());
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/orvane/orvane.ico")));
}

void holdProgramFont(QWidget* window)
{
    window->setFont(UiFonts::uiFont());
}

void growToFitText(QWidget* control)
{
    const int needed = control->sizeHint().width();
    if (needed > control->width())
        control->resize(needed, control->height());
}

void growLeftToFitText(QWidget* control)
{
    const int needed = control->sizeHint().width();
    if (needed > control->width())
        control->setGeometry(control->geometry().right() + 1 - needed, control->y(), needed,
                             control->height());
}

} // namespace orvane
