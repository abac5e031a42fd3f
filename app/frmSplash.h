#pragma once

#include <QWidget>

class QGroupBox;
class QLabel;

namespace orvane {

// The splash window: no title bar, centred on the screen; a click on its
// frame or any of its labels leaves it for the main window, and so do Enter,
// Space and Esc.
class frmSplash : public QWidget {
    Q_OBJECT
public:
    static constexpr QSize ClientSize{492, 283};
    static inline const QString CompanyText = QStringLiteral("2026 ORVANE Project");
    static inline const QString CopyrightText = QStringLiteral("Copyright (C) 2026 ORVANE Project");

    explicit frmSplash(QWidget* parent = nullptr);

    void Frame1_Click() { leave(); }
    void Label1_Click() { leave(); }
    void Label2_Click() { leave(); }
    void lblCompany_Click() { leave(); }
    void lblCopyright_Click() { leave(); }
    void lblProductName_Click() { leave(); }

    QWidget* client;
    QGroupBox* Frame1;
    QLabel* lblProductName;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* lblCompany;
    QLabel* lblCopyright;

signals:
    // The user clicked the frame or a label.
    void left();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void leave() { emit left(); }
    void createControls();
    // Keeps the labels apart where their texts are wider than the layout's boxes.
    void separateLabels();
};

} // namespace orvane
