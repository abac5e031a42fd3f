#pragma once
// The texts a window shows or tells assistive technology, for the language tests.

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QStringList>
#include <QWidget>

namespace orvane::test {

// Kana, kanji, Japanese punctuation, full- and half-width forms.
inline bool hasJapanese(QStringView text)
{
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if ((u >= 0x3000 && u <= 0x30ff) || (u >= 0x3400 && u <= 0x9fff) ||
            (u >= 0xf900 && u <= 0xfaff) || (u >= 0xff00 && u <= 0xffef))
            return true;
    }
    return false;
}

// Those texts of the window that hold Japanese: its title, each widget's
// text, title, tool tip and accessible name, and its actions' texts, each
// after the name of what holds it.
inline QStringList japaneseTexts(const QWidget* window)
{
    QStringList texts{QStringLiteral("title: ") + window->windowTitle()};
    for (const QWidget* w : window->findChildren<const QWidget*>()) {
        const QString at = w->objectName() + QStringLiteral(": ");
        if (auto* l = qobject_cast<const QLabel*>(w))
            texts << at + l->text();
        if (auto* b = qobject_cast<const QAbstractButton*>(w))
            texts << at + b->text();
        if (auto* g = qobject_cast<const QGroupBox*>(w))
            texts << at + g->title();
        if (auto* m = qobject_cast<const QMenu*>(w))
            texts << at + m->title();
        texts << at + w->toolTip() << at + w->accessibleName();
    }
    for (const QAction* a : window->findChildren<const QAction*>())
        texts << a->objectName() + QStringLiteral(": ") + a->text();
    texts.removeIf([](const QString& t) { return !hasJapanese(t); });
    return texts;
}

} // namespace orvane::test
