#include "MazeTextMessages.h"

#include "MazeCodec.h"

#include <QCoreApplication>

namespace orvane {
namespace {

using Kind = MazeText::Problem::Kind;

// Translated in the context "MazeTextMessages".
class Wording {
    Q_DECLARE_TR_FUNCTIONS(MazeTextMessages)

public:
    // What a key's value looks like.
    static QString expected(const QString& key)
    {
        if (key == u"title")
            return tr("\"Forest\" のような、二重引用符で囲んだテキスト");
        if (key == u"music")
            return tr("\"C:\\\\midi\\\\a.mid\" のような、二重引用符で囲んだテキスト");
        if (key == u"time")
            return tr("秒数 (整数)、または none");
        if (key == u"start")
            return tr("1 2 のような列と行");
        if (key == u"goal")
            return tr("30 31 のような列と行");
        if (key == u"size")
            return tr("32x32 のような幅と高さ");
        if (key == u"map")
            return tr("map: の後に何も書かないこと");
        if (key == u"legend")
            return tr("# 1 0 のような、文字とチップとアイテム");
        if (key == u"cells")
            return tr("0..32 32 # のような、列と行と文字 (最初..最後)");
        return {};
    }

    static QString reason(const MazeText::Problem& p)
    {
        switch (p.kind) {
        case Kind::None:
            break;
        case Kind::NotUtf8:
            return tr("UTF-8 のテキストではありません");
        case Kind::NotMazeText:
            return tr("ORVANE の迷路テキストではありません: 1行目は %1 でなければなりません")
                .arg(quoted(QString::fromLatin1(MazeText::Signature)));
        case Kind::TooLong:
            return tr("長すぎます: 迷路テキストは %1 MiB までです").arg(MazeText::MaxTextMiB);
        case Kind::NotKeyLine:
            return tr("\"key: value\" のような行が必要です");
        case Kind::UnknownKey:
            return tr("%1 というキーはありません").arg(quoted(p.detail));
        case Kind::RepeatedKey:
            return tr("%1: が2回書かれています").arg(p.detail);
        case Kind::MissingKey:
            return tr("%1: の行がありません").arg(p.detail);
        case Kind::BadValue:
            return tr("%1: %2 が必要です").arg(p.detail, expected(p.detail));
        case Kind::OutOfRange:
            return tr("%1: 数は %2〜%3 でなければなりません")
                .arg(p.detail)
                .arg(p.first)
                .arg(p.second);
        case Kind::BadEscape:
            return tr("%1 はエスケープではありません: \\\\、\\\"、\\xHH のどれかを書きます")
                .arg(quoted(p.detail));
        case Kind::NotCp932:
            return tr("%1 はシフトJIS (コードページ 932) にない文字です。バイトを \\xHH で書きます")
                .arg(quoted(p.detail));
        case Kind::TextTooLong:
            return tr("%1: %2 バイトあり、上限の %3 バイトを超えています")
                .arg(p.detail)
                .arg(p.first)
                .arg(MazeCodec::MaxTextLength);
        case Kind::BadCharacter:
            return tr("%1 は目に見える1文字ではありません").arg(quoted(p.detail));
        case Kind::RepeatedLegend:
            return tr("凡例 (legend) に %1 が2回書かれています").arg(quoted(p.detail));
        case Kind::MapBeforeSize:
            return tr("map: の前に size: の行が必要です");
        case Kind::RowLength:
            return tr("地図の行が %1 文字ですが、幅は %2 です").arg(p.first).arg(p.second);
        case Kind::MapCut:
            return tr("地図が %1 行ですが、高さは %2 です").arg(p.first).arg(p.second);
        case Kind::UnknownCharacter:
            return p.first > 0
                       ? tr("%1 (%2 文字目) は凡例にありません").arg(quoted(p.detail)).arg(p.first)
                       : tr("%1 は凡例にありません").arg(quoted(p.detail));
        case Kind::CellsInMap:
            return tr("マス (%1, %2) は地図の中です: 地図の行で書きます")
                .arg(p.first)
                .arg(p.second);
        case Kind::CellsRepeated:
            return tr("マス (%1, %2) は前の cells: の行で書かれています")
                .arg(p.first)
                .arg(p.second);
        }
        return {};
    }

    // Problems of the whole text have no line.
    static QString withLine(const MazeText::Problem& p)
    {
        if (p.line == 0)
            return reason(p);
        return tr("%1 行目: %2").arg(p.line).arg(reason(p));
    }

private:
    static QString quoted(const QString& text) { return u'"' + text + u'"'; }
};

} // namespace

QString textProblemText(const MazeText::Problem& problem)
{
    return Wording::withLine(problem);
}

} // namespace orvane
