#include "GenerateDialog.h"

#include "GenerateMessages.h"
#include "play/Difficulty.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QRegularExpressionValidator>
#include <QSpinBox>

#include <algorithm>

namespace orvane {
namespace {

constexpr int SlackDecimals = 1;
constexpr double SlackStep = 0.1;
constexpr int ProblemLines = 2;

QSpinBox* countBox(QWidget* parent, int minimum, int maximum)
{
    auto* box = new QSpinBox(parent);
    box->setRange(minimum, maximum);
    return box;
}

// The label of a form row that holds more than its field.
QLabel* buddyLabel(const QString& text, QWidget* field)
{
    auto* label = new QLabel(text, field->parentWidget());
    label->setBuddy(field);
    return label;
}

} // namespace

GenerateDialog::GenerateDialog(const GenerateDefaults& defaults, QWidget* parent)
    : QDialog(parent), sizeBox(new QComboBox(this)),
      gradeChoice(new QRadioButton(tr("難しさ(&G)"))),
      gradeBox(countBox(this, EasiestGrade, HardestGrade)),
      keysChoice(new QRadioButton(tr("キーの数(&K)"))), keysBox(countBox(this, 1, CountMax)),
      trapsBox(countBox(this, 0, CountMax)), arrowsBox(countBox(this, 0, CountMax)),
      slackBox(new QDoubleSpinBox(this)), noTimeLimit(new QCheckBox(tr("制限時間なし(&N)"))),
      seedBox(new QLineEdit(this)), newSeedButton(new QPushButton(tr("新しい種(&R)"))),
      problemLabel(new QLabel(this)), defaults_(defaults)
{
    setWindowTitle(tr("迷路の生成"));

    // The size: the size buttons' sizes, or the selection's alone.
    if (defaults.selection) {
        sizeBox->addItem(tr("%1 (選択範囲)").arg(mapSizeText(*defaults.selection)));
        sizeBox->setEnabled(false);
    } else {
        for (MapSize size : MapSizes)
            sizeBox->addItem(mapSizeText(size));
    }

    // The aim: a grade, or the fewest keys.
    auto* aim = new QGroupBox(tr("目標"), this);
    auto* aimLayout = new QGridLayout(aim);
    aimLayout->addWidget(gradeChoice, 0, 0);
    aimLayout->addWidget(gradeBox, 0, 1);
    aimLayout->addWidget(keysChoice, 1, 0);
    aimLayout->addWidget(keysBox, 1, 1);
    gradeBox->setAccessibleName(requestFieldName(RequestField::Grade, FieldNaming::Labels));
    gradeBox->setToolTip(
        tr("%1 (はじめての人向け) から %2 (難しい) まで").arg(EasiestGrade).arg(HardestGrade));
    keysBox->setAccessibleName(requestFieldName(RequestField::Keys, FieldNaming::Labels));
    keysBox->setToolTip(tr("いちばん少ないキーの数。この数の1割以内になります"));
    gradeChoice->setAccessibleDescription(gradeBox->toolTip());
    keysChoice->setAccessibleDescription(keysBox->toolTip());

    arrowsBox->setToolTip(tr("矢印のおよその数 (1割以内)。罠の入口の矢印は別に数えます"));
    trapsBox->setToolTip(tr("入ると抜け出せないマスの数"));
    slackBox->setRange(generate::MinSlack, generate::MaxSlack);
    slackBox->setDecimals(SlackDecimals);
    slackBox->setSingleStep(SlackStep);
    slackBox->setSuffix(tr(" 倍"));
    slackBox->setToolTip(
        tr("はじめて遊ぶ人にかかる時間の何倍にするか (切り上げ、%1 秒以上)").arg(LeastTimeLimit));
    seedBox->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9]{0,20}")), seedBox));
    seedBox->setToolTip(tr("同じ指定と同じ種なら、まったく同じ迷路ができます"));
    for (QWidget* field : std::initializer_list<QWidget*>{arrowsBox, trapsBox, slackBox, seedBox})
        field->setAccessibleDescription(field->toolTip());

    problemLabel->setTextFormat(Qt::PlainText);
    problemLabel->setWordWrap(true);
    problemLabel->setMinimumHeight(problemLabel->fontMetrics().lineSpacing() * ProblemLines);
    problemLabel->setAccessibleName(tr("生成できない理由"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    okButton = buttons->button(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &GenerateDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &GenerateDialog::reject);

    auto* timeLimit = new QHBoxLayout;
    timeLimit->addWidget(slackBox, 1);
    timeLimit->addWidget(noTimeLimit);
    auto* seed = new QHBoxLayout;
    seed->addWidget(seedBox, 1);
    seed->addWidget(newSeedButton);

    auto* form = new QFormLayout;
    form->addRow(tr("大きさ(&S):"), sizeBox);
    form->addRow(aim);
    form->addRow(tr("罠の数(&T):"), trapsBox);
    form->addRow(tr("矢印の数(&A):"), arrowsBox);
    form->addRow(buddyLabel(tr("制限時間(&L):"), slackBox), timeLimit);
    form->addRow(buddyLabel(tr("乱数の種(&E):"), seedBox), seed);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(problemLabel);
    layout->addWidget(buttons);

    const std::initializer_list<QWidget*> tabOrder{sizeBox,
                                                   gradeChoice,
                                                   gradeBox,
                                                   keysChoice,
                                                   keysBox,
                                                   trapsBox,
                                                   arrowsBox,
                                                   slackBox,
                                                   noTimeLimit,
                                                   seedBox,
                                                   newSeedButton,
                                                   okButton,
                                                   buttons->button(QDialogButtonBox::Cancel)};
    for (auto it = tabOrder.begin(); it + 1 != tabOrder.end(); ++it)
        setTabOrder(it[0], it[1]);

    showDefaults();

    connect(sizeBox, &QComboBox::currentIndexChanged, this, &GenerateDialog::updateProblem);
    connect(gradeChoice, &QRadioButton::toggled, this, &GenerateDialog::updateProblem);
    for (QSpinBox* box : {gradeBox, keysBox, trapsBox, arrowsBox})
        connect(box, &QSpinBox::valueChanged, this, &GenerateDialog::updateProblem);
    connect(slackBox, &QDoubleSpinBox::valueChanged, this, &GenerateDialog::updateProblem);
    connect(noTimeLimit, &QCheckBox::toggled, this, &GenerateDialog::updateProblem);
    connect(seedBox, &QLineEdit::textChanged, this, &GenerateDialog::updateProblem);
    connect(newSeedButton, &QPushButton::clicked, this, &GenerateDialog::newSeed);
    updateProblem();
}

void GenerateDialog::showDefaults()
{
    const generate::Request& r = defaults_.request;
    if (!defaults_.selection) {
        const auto* found = std::find(MapSizes.begin(), MapSizes.end(), r.size);
        sizeBox->setCurrentIndex(found == MapSizes.end() ? 0 : int(found - MapSizes.begin()));
    }
    (r.aimsAtKeys() ? keysChoice : gradeChoice)->setChecked(true);
    gradeBox->setValue(r.grade);
    keysBox->setValue(r.aimsAtKeys() ? r.keys : SuggestedKeys);
    trapsBox->setValue(r.traps);
    arrowsBox->setValue(r.arrows);
    slackBox->setValue(r.slack.value_or(generate::DefaultSlack));
    noTimeLimit->setChecked(!r.slack);
    seedBox->setText(QString::number(r.seed));
}

std::optional<generate::Request> GenerateDialog::request() const
{
    bool seedOk = false;
    const uint64_t seed = seedBox->text().toULongLong(&seedOk);
    if (!seedOk)
        return std::nullopt;
    generate::Request r = defaults_.request;
    r.size = defaults_.selection ? *defaults_.selection : MapSizes[size_t(sizeBox->currentIndex())];
    r.keys = keysChoice->isChecked() ? keysBox->value() : 0;
    r.grade = gradeBox->value();
    r.traps = trapsBox->value();
    r.arrows = arrowsBox->value();
    if (noTimeLimit->isChecked())
        r.slack.reset();
    else
        r.slack = slackBox->value();
    r.seed = seed;
    return r;
}

QString GenerateDialog::problemText() const
{
    return problemLabel->text();
}

void GenerateDialog::accept()
{
    if (okButton->isEnabled())
        QDialog::accept();
}

void GenerateDialog::newSeed()
{
    seedBox->setText(QString::number(QRandomGenerator::system()->generate64()));
}

void GenerateDialog::updateProblem()
{
    gradeBox->setEnabled(gradeChoice->isChecked());
    keysBox->setEnabled(keysChoice->isChecked());
    slackBox->setEnabled(!noTimeLimit->isChecked());

    QString problem;
    if (const std::optional<generate::Request> r = request())
        problem = requestProblemText(*r, generate::checkRequest(*r), FieldNaming::Labels);
    else
        problem = tr("乱数の種: 0〜%1 の整数にしてください。").arg(UINT64_MAX);
    problemLabel->setText(problem);
    okButton->setEnabled(problem.isEmpty());
    // Heard on OK itself: why it cannot be pressed.
    okButton->setAccessibleDescription(problem);
}

} // namespace orvane
