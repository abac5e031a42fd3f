#pragma once

#include <QLabel>
#include <QRect>
#include <QString>

namespace orvane {

// Names a control after the layout and puts it where the layout says.
template <typename W> W* place(W* control, const char* name, QRect rect)
{
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(rect);
    return control;
}

// A label whose text is always shown as plain text.
inline QLabel* plainLabel(QWidget* parent, const char* name, const QString& text, QRect rect)
{
    auto* l = place(new QLabel(text, parent), name, rect);
    l->setTextFormat(Qt::PlainText);
    return l;
}

} // namespace orvane
