#include "BoxValidators.h"

#include "Cp932.h"
#include "edit/TimeValue.h"

#include <QLineEdit>
#include <QStringList>

namespace orvane {
namespace {

// The characters of the text code page 932 cannot hold, in order.
QStringList unstorable(const QString& text)
{
    bool lossless = true;
    Cp932::fromUnicode(text, &lossless);
    if (lossless)
        return {};
    QStringList characters;
    for (const char32_t c : text.toUcs4()) {
        const QString character = QString::fromUcs4(&c, 1);
        Cp932::fromUnicode(character, &lossless);
        if (!lossless)
            characters << character;
    }
    return characters;
}

// Whether `after` is `before` with characters taken out in one place.
bool onlyRemoved(QStringView before, QStringView after)
{
    if (after.size() >= before.size())
        return false;
    qsizetype same = 0;
    while (same < after.size() && after[same] == before[same])
        ++same;
    return after.sliced(same) == before.last(after.size() - same);
}

} // namespace

TypingValidator::TypingValidator(QLineEdit* box) : QValidator(box), previous_(box->text())
{
    connect(box, &QLineEdit::textChanged, this, [this](const QString& text) { previous_ = text; });
}

QValidator::State TitleValidator::validate(QString& input, int&) const
{
    const QStringList now = unstorable(input);
    const QStringList before = unstorable(previous());
    if (now.size() <= before.size())
        return Acceptable;
    // The first one the box did not already show.
    refused_ = now.value(0);
    for (const QString& c : now)
        if (!before.contains(c)) {
            refused_ = c;
            break;
        }
    return Invalid;
}

TimeBoxValidator::TimeBoxValidator(QLineEdit* box, int maxLength)
    : TypingValidator(box), maxLength_(maxLength)
{
}

QValidator::State TimeBoxValidator::validate(QString& input, int&) const
{
    // As a box of maxLength characters: whatever leaves more is refused,
    // but for taking characters out of a longer text the program put there.
    if (input.size() > maxLength_ && !onlyRemoved(previous(), input))
        return Invalid;
    return TimeBoxValue(input) ? Acceptable : Invalid;
}

void setBoxText(QLineEdit* box, const QString& text)
{
    // Without a validator the box takes the text as valid input.
    const QValidator* validator = box->validator();
    box->setValidator(nullptr);
    box->setText(text);
    box->setValidator(validator);
}

} // namespace orvane
