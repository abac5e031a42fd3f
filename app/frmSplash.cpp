#include "frmSplash.h"

#include "Appearance.h"
#include "BoldLabel.h"
#include "Placement.h"
#include "Twips.h"
#include "UiFonts.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>

namespace orvane {
namespace {

// The fixed dialog border around the client area.
constexpr int BorderWidth = 3;
// Between the product name and "for Win95", and inside the frame's edge.
constexpr int LabelGap = 6;
constexpr int FrameInset = 4;

} // namespace

frmSplash::frmSplash(QWidget* parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(QStringLiteral("ORVANE"));
    holdProgramFont(this);
    auto* border = new QFrame(this);
    border->setFrameStyle(QFrame::WinPanel | QFrame::Raised);
    border->setLineWidth(BorderWidth);
    border->setGeometry(0, 0, ClientSize.width() + 2 * BorderWidth,
                        ClientSize.height() + 2 * BorderWidth);
    client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setGeometry(QRect(QPoint(BorderWidth, BorderWidth), ClientSize));
    setFixedSize(border->size());
    setFocusPolicy(Qt::StrongFocus);
    createControls();
}

void frmSplash::createControls()
{
    Frame1 = new QGroupBox(client);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(rectFromTwips(150, 60, 7080, 4050));

    lblProductName = place(new BoldLabel(QStringLiteral("ORVANE"), Frame1), "lblProductName",
                           rectFromTwips(720, 240, 5085, 960));
    lblProductName->setFont(UiFonts::gothicFont(48, true));
    lblProductName->resize(lblProductName->sizeHint()); // sizes itself to its text
    Label1 = plainLabel(Frame1, "Label1", QStringLiteral("for Win95"),
                        rectFromTwips(4560, 1080, 1815, 375));
    Label1->setFont(UiFonts::gothicFont(20.25));
    growToFitText(Label1);
    Label2 =
        plainLabel(Frame1, "Label2", tr("クリックして下さい"), rectFromTwips(240, 2040, 6735, 255));
    Label2->setAlignment(Qt::AlignCenter);
    lblCompany =
        plainLabel(Frame1, "lblCompany", CompanyText, rectFromTwips(4560, 3480, 2415, 255));
    lblCopyright =
        plainLabel(Frame1, "lblCopyright", CopyrightText, rectFromTwips(4560, 3720, 2415, 255));
    // Both lines show whole, flush with each other and with the frame's right margin.
    growLeftToFitText(lblCompany);
    growLeftToFitText(lblCopyright);
    const int left = std::min(lblCompany->x(), lblCopyright->x());
    for (QLabel* l : {lblCompany, lblCopyright})
        l->setGeometry(left, l->y(), l->geometry().right() + 1 - left, l->height());
    separateLabels();

    for (QWidget* w : {static_cast<QWidget*>(Frame1), static_cast<QWidget*>(lblProductName),
                       static_cast<QWidget*>(Label1), static_cast<QWidget*>(Label2),
                       static_cast<QWidget*>(lblCompany), static_cast<QWidget*>(lblCopyright)})
        w->installEventFilter(this);
}

void frmSplash::separateLabels()
{
    // "for Win95" starts after the product name; if that takes it past the
    // frame's edge, the product name moves left to make room.
    const int right = Frame1->width() - FrameInset;
    Label1->move(std::max(Label1->x(), lblProductName->geometry().right() + 1 + LabelGap),
                 Label1->y());
    if (const int over = Label1->geometry().right() + 1 - right; over > 0) {
        lblProductName->move(std::max(FrameInset, lblProductName->x() - over), lblProductName->y());
        Label1->move(lblProductName->geometry().right() + 1 + LabelGap, Label1->y());
    }
    // The copyright line below the company line, not over its last row.
    lblCopyright->move(lblCopyright->x(),
                       std::max(lblCopyright->y(), lblCompany->geometry().bottom() + 1));
}

void frmSplash::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    activateWindow(); // the keys that leave it reach it at once
}

void frmSplash::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
    case Qt::Key_Escape:
        leave();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

bool frmSplash::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::MouseButtonRelease)
        return QWidget::eventFilter(watched, event);
    auto* w = static_cast<QWidget*>(watched);
    if (!w->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint()))
        return false;
    if (w == Frame1)
        Frame1_Click();
    else if (w == Label1)
        Label1_Click();
    else if (w == Label2)
        Label2_Click();
    else if (w == lblCompany)
        lblCompany_Click();
    else if (w == lblCopyright)
        lblCopyright_Click();
    else if (w == lblProductName)
        lblProductName_Click();
    return true;
}

} // namespace orvane
