#include "TextProblemText.h"

#include "MazeCodec.h"

#include <QHash>

namespace orvane {
namespace {

using Kind = MazeText::Problem::Kind;

// What a key's value looks like.
QString expected(const QString& key)
{
    static const QHash<QString, QString> forms{
        {"title", "a text in double quotes, such as \"Forest\""},
        {"music", "a text in double quotes, such as \"C:\\\\midi\\\\a.mid\""},
        {"time", "a whole number of seconds, or none"},
        {"start", "a column and a row, such as 1 2"},
        {"goal", "a column and a row, such as 30 31"},
        {"size", "a width and a height, such as 32x32"},
        {"map", "nothing after map:"},
        {"legend", "a character, a chip and an item, such as # 1 0"},
        {"cells", "columns, rows and a character, such as 0..32 32 # (first..last)"},
    };
    return forms.value(key);
}

QString quoted(const QString& text)
{
    return u'"' + text + u'"';
}

QString reason(const MazeText::Problem& p)
{
    switch (p.kind) {
    case Kind::None:
        break;
    case Kind::NotUtf8:
        return QStringLiteral("not UTF-8 text");
    case Kind::NotMazeText:
        return QStringLiteral("not an ORVANE maze text: the first line must be %1")
            .arg(quoted(QString::fromLatin1(MazeText::Signature)));
    case Kind::NotKeyLine:
        return QStringLiteral("expected a line such as \"key: value\"");
    case Kind::UnknownKey:
        return QStringLiteral("unknown key %1").arg(quoted(p.detail));
    case Kind::RepeatedKey:
        return QStringLiteral("%1: is given a second time").arg(p.detail);
    case Kind::MissingKey:
        return QStringLiteral("the text has no %1: line").arg(p.detail);
    case Kind::BadValue:
        return QStringLiteral("%1: expected %2").arg(p.detail, expected(p.detail));
    case Kind::OutOfRange:
        return QStringLiteral("%1: the numbers must be %2 to %3")
            .arg(p.detail)
            .arg(p.first)
            .arg(p.second);
    case Kind::BadEscape:
        return QStringLiteral("%1 is no escape: write \\\\, \\\" or \\xHH").arg(quoted(p.detail));
    case Kind::NotCp932:
        return QStringLiteral("%1 has no code page 932 (Shift-JIS) bytes; write the bytes as \\xHH")
            .arg(quoted(p.detail));
    case Kind::TextTooLong:
        return QStringLiteral("%1: %2 bytes, over the limit of %3")
            .arg(p.detail)
            .arg(p.first)
            .arg(MazeCodec::MaxTextLength);
    case Kind::BadCharacter:
        return QStringLiteral("%1 is not one visible character").arg(quoted(p.detail));
    case Kind::RepeatedLegend:
        return QStringLiteral("the legend gives %1 a second time").arg(quoted(p.detail));
    case Kind::MapBeforeSize:
        return QStringLiteral("map: needs the size: line before it");
    case Kind::RowLength:
        return QStringLiteral("the map row has %1 characters; the width is %2")
            .arg(p.first)
            .arg(p.second);
    case Kind::MapCut:
        return QStringLiteral("the map has %1 rows; the height is %2").arg(p.first).arg(p.second);
    case Kind::UnknownCharacter:
        return p.first > 0 ? QStringLiteral("%1 (column %2) is not in the legend")
                                 .arg(quoted(p.detail))
                                 .arg(p.first)
                           : QStringLiteral("%1 is not in the legend").arg(quoted(p.detail));
    case Kind::CellsInMap:
        return QStringLiteral("cell (%1, %2) lies in the map: give it in the map's rows")
            .arg(p.first)
            .arg(p.second);
    case Kind::CellsRepeated:
        return QStringLiteral("cell (%1, %2) was given by an earlier cells: line")
            .arg(p.first)
            .arg(p.second);
    }
    return {};
}

} // namespace

QString textProblemText(const MazeText::Problem& problem)
{
    return QStringLiteral("line %1: %2").arg(problem.line).arg(reason(problem));
}

} // namespace orvane
