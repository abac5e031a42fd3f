#include "GenerateMessages.h"

#include "play/Difficulty.h"

#include <QCoreApplication>
#include <QStringList>

namespace orvane {
namespace {

using generate::Request;
using generate::RequestProblem;
using Kind = RequestProblem::Kind;

// The wording, translated in the context "GenerateMessages".
class Wording {
    Q_DECLARE_TR_FUNCTIONS(GenerateMessages)

public:
    static QString size(MapSize size) { return tr("%1*%2").arg(size.width).arg(size.height); }

    static QString problem(const Request& r, const RequestProblem& p, FieldNaming naming)
    {
        const QString map = size(r.size);
        const QString text = [&] {
            switch (p.kind) {
            case Kind::None:
                break;
            case Kind::SizeOutOfRange:
                return tr("縦横とも %1〜%2 マスにしてください。").arg(p.limit).arg(MapSizeMax);
            case Kind::KeysOutOfRange:
                return tr("%1 のマップでは道順のキーの数は %2 回までです (指定は %3 回)。")
                    .arg(map)
                    .arg(p.limit)
                    .arg(r.keys);
            case Kind::GradeOutOfRange:
                return tr("難しさは %1〜%2 にしてください。").arg(EasiestGrade).arg(p.limit);
            case Kind::TrapsOutOfRange:
                return tr("%1 のマップに置ける罠は %2 個までです (指定は %3 個)。")
                    .arg(map)
                    .arg(p.limit)
                    .arg(r.traps);
            case Kind::ArrowsOutOfRange:
                return tr("%1 のマップに置ける矢印は %2 個までです (指定は %3 個)。")
                    .arg(map)
                    .arg(p.limit)
                    .arg(r.arrows);
            case Kind::SlackOutOfRange:
                return tr("制限時間は、はじめて遊ぶ人にかかる時間の %1〜%2 倍にしてください。")
                    .arg(generate::MinSlack)
                    .arg(generate::MaxSlack);
            case Kind::GradeBeyondReach:
                return tr("%1 のマップで確実に作れる難しさは %2 までです (指定は %3)。")
                    .arg(map)
                    .arg(p.limit)
                    .arg(r.grade);
            case Kind::KeysBeyondReach:
                return tr("%1 のマップで確実に作れる道順のキーの数は %2 回までです (指定は %3 "
                          "回)。")
                    .arg(map)
                    .arg(p.limit)
                    .arg(r.keys);
            }
            return QString();
        }();
        if (text.isEmpty())
            return {};
        return tr("%1: %2").arg(fieldName(fieldOf(p.kind), naming), text);
    }

    static QString closest(const Request& r, const generate::Outcome& o)
    {
        const generate::Measures& m = o.measures;
        QStringList parts;
        if (!m.solvable)
            parts << tr("解ける迷路なし");
        else if (r.aimsAtKeys())
            parts << tr("キーの数 %1 回 (指定は %2 回、%3〜%4 回なら可)")
                         .arg(m.keys)
                         .arg(r.keys)
                         .arg(r.keys - generate::keysTolerance(r.keys))
                         .arg(r.keys + generate::keysTolerance(r.keys));
        else
            parts << tr("難しさ %1 (指定は %2)").arg(m.grade).arg(r.grade);
        if (m.solvable) {
            parts << tr("罠 %1 個 (指定は %2 個)").arg(m.traps).arg(r.traps);
            parts << tr("矢印 %1 個 (指定はおよそ %2 個)").arg(m.arrows).arg(r.arrows);
            if (m.cycles)
                parts << tr("矢印の輪あり");
        }
        return tr("%1 回調べても条件に合う迷路ができませんでした。いちばん近かった迷路: %2")
            .arg(o.budget)
            .arg(parts.join(tr("、")));
    }

    static QString fieldName(RequestField field, FieldNaming naming)
    {
        if (naming == FieldNaming::Options) {
            switch (field) {
            case RequestField::Size:
                return QStringLiteral("--size");
            case RequestField::Keys:
                return QStringLiteral("--keys");
            case RequestField::Grade:
                return QStringLiteral("--grade");
            case RequestField::Traps:
                return QStringLiteral("--traps");
            case RequestField::Arrows:
                return QStringLiteral("--arrows");
            case RequestField::Slack:
                return QStringLiteral("--slack");
            }
        }
        switch (field) {
        case RequestField::Size:
            return tr("大きさ");
        case RequestField::Keys:
            return tr("キーの数");
        case RequestField::Grade:
            return tr("難しさ");
        case RequestField::Traps:
            return tr("罠の数");
        case RequestField::Arrows:
            return tr("矢印の数");
        case RequestField::Slack:
            return tr("制限時間");
        }
        return {};
    }

private:
    static RequestField fieldOf(Kind kind)
    {
        switch (kind) {
        case Kind::KeysOutOfRange:
        case Kind::KeysBeyondReach:
            return RequestField::Keys;
        case Kind::GradeOutOfRange:
        case Kind::GradeBeyondReach:
            return RequestField::Grade;
        case Kind::TrapsOutOfRange:
            return RequestField::Traps;
        case Kind::ArrowsOutOfRange:
            return RequestField::Arrows;
        case Kind::SlackOutOfRange:
            return RequestField::Slack;
        case Kind::None:
        case Kind::SizeOutOfRange:
            break;
        }
        return RequestField::Size;
    }
};

} // namespace

QString requestFieldName(RequestField field, FieldNaming naming)
{
    return Wording::fieldName(field, naming);
}

QString mapSizeText(MapSize size)
{
    return Wording::size(size);
}

QString requestProblemText(const generate::Request& request,
                           const generate::RequestProblem& problem, FieldNaming naming)
{
    return Wording::problem(request, problem, naming);
}

QString closestTryText(const generate::Request& request, const generate::Outcome& outcome)
{
    return Wording::closest(request, outcome);
}

} // namespace orvane
