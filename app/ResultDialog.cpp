#include "ResultDialog.h"

#include "Appearance.h"
#include "BoldLabel.h"
#include "MazeFileMessages.h"
#include "UiFonts.h"
#include "frmPlay.h"

#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace orvane {
namespace {

constexpr double HeadingPoints = 14;

QLabel* plainText(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText); // a title is the file's text, never markup
    return label;
}

} // namespace

QString ResultDialog::caption()
{
    return tr("ゴール！");
}

QString ResultDialog::newBestText()
{
    return tr("自己ベスト更新！");
}

QString ResultDialog::recordsSetAsideMessage(const QString& setAsideAs)
{
    return tr("記録のファイルが壊れていたため、記録を新しく始めます。"
              "そのファイルは消さずに、次の場所に移してあります:\n%1")
        .arg(QDir::toNativeSeparators(setAsideAs));
}

QString ResultDialog::recordsNotSavedMessage(const MazeFileProblem& problem, const QString& file)
{
    return tr("記録を「%1」に保存できません。\n%2\n"
              "記録はこのプログラムを終えるまで残ります。ゲームはそのまま続けられます。")
        .arg(QDir::toNativeSeparators(file), fileProblemText(problem, file));
}

QString ResultDialog::recordsOfNewerVersionMessage(const QString& file)
{
    return tr("記録のファイル「%1」は、新しい版の ORVANE が書いたものです。"
              "ファイルはそのままにして、このプログラムを終えるまで記録を書き込みません。")
        .arg(QDir::toNativeSeparators(file));
}

QString ResultDialog::skippedText(const QStringList& names)
{
    return tr("読めないファイルを飛ばしました: %1").arg(names.join(QStringLiteral(", ")));
}

ResultDialog::ResultDialog(const GameResult& r, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("ResultDialog"));
    setWindowTitle(caption());
    holdProgramFont(this);

    auto* heading = new BoldLabel(caption(), this);
    heading->setFont(UiFonts::gothicFont(HeadingPoints, true));
    lblTitle = plainText(r.title, this);

    const QString limit =
        r.timeLimit == NoTimeLimit ? frmPlay::noLimitText() : tr("制限%1秒").arg(r.timeLimit);
    lblTime = plainText(
        tr("%1秒 (%2)", "the seconds used, then the limit").arg(r.secondsUsed).arg(limit), this);
    lblKeys = plainText(r.fewestKeys ? tr("%1 (最少 %2)", "the keys pressed, then the fewest")
                                           .arg(r.keysPressed)
                                           .arg(*r.fewestKeys)
                                     : QString::number(r.keysPressed),
                        this);
    const QString none = tr("なし", "no best kept");
    lblBestTime = plainText(r.best ? tr("%1秒").arg(r.best->time.value) : none, this);
    lblBestKeys = plainText(r.best ? QString::number(r.best->keys.value) : none, this);
    lblNewBestTime = plainText(newBestText(), this);
    lblNewBestKeys = plainText(newBestText(), this);
    lblNewBestTime->setVisible(r.newBests.time);
    lblNewBestKeys->setVisible(r.newBests.keys);

    auto* figures = new QGridLayout;
    figures->addWidget(plainText(tr("今回"), this), 0, 1);
    figures->addWidget(plainText(tr("自己ベスト"), this), 0, 2);
    figures->addWidget(plainText(tr("時間"), this), 1, 0);
    figures->addWidget(lblTime, 1, 1);
    figures->addWidget(lblBestTime, 1, 2);
    figures->addWidget(lblNewBestTime, 1, 3);
    figures->addWidget(plainText(tr("キー"), this), 2, 0);
    figures->addWidget(lblKeys, 2, 1);
    figures->addWidget(lblBestKeys, 2, 2);
    figures->addWidget(lblNewBestKeys, 2, 3);
    figures->setHorizontalSpacing(12);

    comList = new QPushButton(tr("一覧"), this);
    comAgain = new QPushButton(tr("もう一度"), this);
    comNext = new QPushButton(tr("次の迷路"), this);
    comReplay = new QPushButton(tr("リプレイ"), this);
    comClose = new QPushButton(tr("閉じる"), this);
    comList->setObjectName(QStringLiteral("comList"));
    comAgain->setObjectName(QStringLiteral("comAgain"));
    comNext->setObjectName(QStringLiteral("comNext"));
    comReplay->setObjectName(QStringLiteral("comReplay"));
    comClose->setObjectName(QStringLiteral("comClose"));
    comReplay->setEnabled(r.replayable);
    const auto all = {comList, comAgain, comNext, comReplay, comClose};
    // Enter chooses the default whichever button has the focus.
    for (QPushButton* b : all)
        b->setAutoDefault(false);
    lblSkipped = plainText({}, this);
    lblSkipped->setWordWrap(true);
    showNext(false, {});
    connect(comList, &QPushButton::clicked, this, &ResultDialog::listChosen);
    connect(comAgain, &QPushButton::clicked, this, &ResultDialog::againChosen);
    connect(comNext, &QPushButton::clicked, this, &ResultDialog::nextChosen);
    connect(comReplay, &QPushButton::clicked, this, &ResultDialog::replayChosen);
    connect(comClose, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* b : all)
        buttons->addWidget(b);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(lblTitle);
    layout->addLayout(figures);
    layout->addWidget(lblSkipped);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void ResultDialog::showNext(bool hasNext, const QStringList& skipped)
{
    comNext->setEnabled(hasNext);
    QPushButton* chosen = hasNext ? comNext : comAgain;
    (hasNext ? comAgain : comNext)->setDefault(false);
    chosen->setDefault(true);
    chosen->setFocus();
    lblSkipped->setText(skipped.isEmpty() ? QString() : skippedText(skipped));
    lblSkipped->setVisible(!skipped.isEmpty());
}

} // namespace orvane
