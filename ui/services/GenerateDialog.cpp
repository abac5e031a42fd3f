#include "GenerateDialog.h"

#include "GenerateMessages.h"
#include "generate/Reach.h"
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
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QStringList>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <utility>

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
      problemLabel(new QLabel(this)), progressBar(new QProgressBar(this)),
      useNearestButton(new QPushButton(tr("いちばん近い迷路を使う(&U)"))), defaults_(defaults),
      progressTimer_(new QTimer(this))
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
    // The generator's analyses so far, against its budget.
    progressBar->setFormat(tr("%v / %m 回調べました"));
    progressBar->setAccessibleName(tr("生成の進み具合"));
    progressBar->hide();
    progressTimer_->setInterval(ProgressIntervalMs);
    connect(progressTimer_, &QTimer::timeout, this, &GenerateDialog::showProgress);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    okButton = buttons->button(QDialogButtonBox::Ok);
    buttons->addButton(useNearestButton, QDialogButtonBox::ActionRole);
    useNearestButton->hide();
    connect(buttons, &QDialogButtonBox::accepted, this, &GenerateDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &GenerateDialog::reject);
    connect(useNearestButton, &QPushButton::clicked, this, &GenerateDialog::useNearest);

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
    layout->addWidget(progressBar);
    layout->addWidget(buttons);

    const std::initializer_list<QWidget*> tabOrder{
        sizeBox,       gradeChoice,
        gradeBox,      keysChoice,
        keysBox,       trapsBox,
        arrowsBox,     slackBox,
        noTimeLimit,   seedBox,
        newSeedButton, useNearestButton,
        okButton,      buttons->button(QDialogButtonBox::Cancel)};
    for (auto it = tabOrder.begin(); it + 1 != tabOrder.end(); ++it)
        setTabOrder(it[0], it[1]);

    showDefaults();

    connect(sizeBox, &QComboBox::currentIndexChanged, this, &GenerateDialog::fieldsChanged);
    connect(gradeChoice, &QRadioButton::toggled, this, &GenerateDialog::fieldsChanged);
    for (QSpinBox* box : {gradeBox, keysBox, trapsBox, arrowsBox})
        connect(box, &QSpinBox::valueChanged, this, &GenerateDialog::fieldsChanged);
    connect(slackBox, &QDoubleSpinBox::valueChanged, this, &GenerateDialog::fieldsChanged);
    connect(noTimeLimit, &QCheckBox::toggled, this, &GenerateDialog::fieldsChanged);
    connect(seedBox, &QLineEdit::textChanged, this, &GenerateDialog::fieldsChanged);
    connect(newSeedButton, &QPushButton::clicked, this, &GenerateDialog::newSeed);
    updateFields();
}

GenerateDialog::~GenerateDialog()
{
    stopWorker();
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

std::optional<GeneratedMaze> GenerateDialog::takeAnswer()
{
    return std::exchange(answer_, std::nullopt);
}

void GenerateDialog::accept()
{
    const std::optional<generate::Request> r = request();
    if (!okButton->isEnabled() || isGenerating() || !r)
        return;
    running_ = *r;
    failure_.clear();
    nearest_.reset();
    stop_ = false;
    judged_ = 0;
    budget_ = 0;
    worker_.reset(QThread::create([this] {
        outcome_ = generate::generateMaze(
            running_,
            [this](int judged, int budget) {
                budget_.store(budget, std::memory_order_relaxed);
                judged_.store(judged, std::memory_order_relaxed);
            },
            &stop_);
    }));
    connect(worker_.get(), &QThread::finished, this, &GenerateDialog::generated);
    worker_->start();
    progressBar->setRange(0, 0); // busy until the budget is known
    progressBar->show();
    progressTimer_->start();
    setCursor(Qt::BusyCursor);
    updateFields();
}

void GenerateDialog::reject()
{
    stopWorker();
    QDialog::reject();
}

void GenerateDialog::stopWorker()
{
    if (!worker_)
        return;
    worker_->disconnect(this);
    stop_ = true;
    worker_->wait(); // the generator stops at its next analysis
    worker_.reset();
    progressTimer_->stop();
    progressBar->hide();
    unsetCursor();
}

void GenerateDialog::showProgress()
{
    if (const int budget = budget_.load(std::memory_order_relaxed); budget > 0) {
        progressBar->setRange(0, budget);
        progressBar->setValue(std::min(judged_.load(std::memory_order_relaxed), budget));
    }
}

void GenerateDialog::generated()
{
    stopWorker(); // it has ended
    generate::Outcome o = std::move(outcome_);
    if (o.maze) {
        answer_ = GeneratedMaze{running_, std::move(o.maze), o.measures, false};
        QDialog::accept();
        return;
    }
    failure_ = closestTryText(running_, o);
    if (o.nearest)
        nearest_ = GeneratedMaze{running_, std::move(o.nearest), o.measures, true};
    updateFields();
    if (nearest_)
        useNearestButton->setFocus();
}

void GenerateDialog::useNearest()
{
    if (!nearest_ || isGenerating())
        return;
    answer_ = std::exchange(nearest_, std::nullopt);
    QDialog::accept();
}

void GenerateDialog::newSeed()
{
    seedBox->setText(QString::number(QRandomGenerator::system()->generate64()));
}

void GenerateDialog::fieldsChanged()
{
    failure_.clear();
    nearest_.reset();
    updateFields();
}

void GenerateDialog::updateFields()
{
    const bool idle = !isGenerating();
    for (QWidget* field : std::initializer_list<QWidget*>{
             gradeChoice, keysChoice, trapsBox, arrowsBox, noTimeLimit, seedBox, newSeedButton})
        field->setEnabled(idle);
    sizeBox->setEnabled(idle && !defaults_.selection);
    gradeBox->setEnabled(idle && gradeChoice->isChecked());
    keysBox->setEnabled(idle && keysChoice->isChecked());
    slackBox->setEnabled(idle && !noTimeLimit->isChecked());

    QString refusal;
    QString warning;
    if (const std::optional<generate::Request> r = request()) {
        refusal = requestProblemText(*r, generate::checkRequest(*r), FieldNaming::Labels);
        if (refusal.isEmpty())
            warning = requestProblemText(*r, generate::checkReach(*r), FieldNaming::Labels);
    } else {
        refusal = tr("乱数の種: 0〜%1 の整数にしてください。").arg(UINT64_MAX);
    }
    QStringList lines{refusal, failure_, warning};
    lines.removeAll(QString());
    problemLabel->setText(lines.join(u'\n'));
    okButton->setEnabled(idle && refusal.isEmpty());
    // Heard on OK itself: why it cannot be pressed.
    okButton->setAccessibleDescription(refusal);
    useNearestButton->setVisible(nearest_.has_value());
    useNearestButton->setEnabled(idle && nearest_);
    useNearestButton->setAccessibleDescription(failure_);
}

} // namespace orvane
