#include "QtMessageBoxService.h"

#include <QMessageBox>

namespace orvane {

namespace {

// Qt reads "[*]" in a window title as the modified-document placeholder;
// doubled, it is shown as written.
QString literalWindowTitle(const QString& title)
{
    static const QString Placeholder = QStringLiteral("[*]");
    QString literal = title;
    literal.replace(Placeholder, Placeholder + Placeholder);
    return literal;
}

} // namespace

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
