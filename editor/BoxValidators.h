#pragma once

#include <QString>
#include <QValidator>

class QLineEdit;

namespace orvane {

// Checks what the user types into a box against the text the box held
// before (QLineEdit::text() already holds the new text while it is checked).
class TypingValidator : public QValidator {
    Q_OBJECT
public:
    explicit TypingValidator(QLineEdit* box);

protected:
    const QString& previous() const { return previous_; }

private:
    QString previous_;
};

// The title box takes only characters that code page 932 can hold, so the
// maze file always holds what the box shows. Characters it cannot hold that
// the box already shows (a title read from a file) may stay.
class TitleValidator : public TypingValidator {
    Q_OBJECT
public:
    using TypingValidator::TypingValidator;
    State validate(QString& input, int& pos) const override;
    // The character the last refusal was for.
    const QString& refused() const { return refused_; }

private:
    mutable QString refused_;
};

// The time box takes at most maxLength typed characters, and only text whose
// value fits in 16 bits. A longer text the program put there may shrink, but
// nothing typed over it leaves it longer than maxLength.
class TimeBoxValidator : public TypingValidator {
    Q_OBJECT
public:
    TimeBoxValidator(QLineEdit* box, int maxLength);
    State validate(QString& input, int& pos) const override;

private:
    int maxLength_;
};

// Puts the program's own text into a box, unchecked: a text read from a file
// shows as it is.
void setBoxText(QLineEdit* box, const QString& text);

} // namespace orvane
