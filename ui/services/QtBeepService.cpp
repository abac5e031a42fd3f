#include "QtBeepService.h"

#include <QApplication>

namespace orvane {

void QtBeepService::beep()
{
    QApplication::beep();
}

} // namespace orvane
