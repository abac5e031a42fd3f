#include "QtMessageBoxService.h"

#include "WindowTitle.h"

#include <QMessageBox>

namespace orvane {

void QtMessageBoxService::show(QWidget* parent, const QString& text, const QString& title)
{
    QMessageBox box(parent);
    box.setIcon(QMessageBox::NoIcon);
    box.setWindowTitle(literalWindowTitle(title.isEmpty() ? DefaultTitle : title));
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    box.setStandardButtons(QMessageBox::Ok);
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

} // namespace orvane
