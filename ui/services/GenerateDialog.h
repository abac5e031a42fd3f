#pragma once

#include "PlatformServices.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace orvane {

// The dialog of the editor's generator, "迷路の生成": the map's size (one of
// the size buttons' sizes, or the selection's, fixed), the aim (a grade or a
// number of keys), traps, arrows, the time limit and the seed. While its
// fields make a request the generator refuses, the reason shows in the words
// orvane-mdt uses and OK is disabled.
class GenerateDialog : public QDialog {
    Q_OBJECT
public:
    // The most keys, traps or arrows a field takes; checkRequest bounds them
    // by the map.
    static constexpr int CountMax = 99999;
    // The keys the keys field shows when the defaults aim at a grade.
    static constexpr int SuggestedKeys = 40;

    explicit GenerateDialog(const GenerateDefaults& defaults, QWidget* parent = nullptr);

    // The request the fields make, refused or not; nothing while the seed
    // is not a number.
    std::optional<generate::Request> request() const;
    // Why the fields' request cannot be made, as shown; empty when it can.
    QString problemText() const;

    // Closes the dialog as confirmed, only while its request can be made.
    void accept() override;

    QComboBox* sizeBox;
    QRadioButton* gradeChoice;
    QSpinBox* gradeBox;
    QRadioButton* keysChoice;
    QSpinBox* keysBox;
    QSpinBox* trapsBox;
    QSpinBox* arrowsBox;
    QDoubleSpinBox* slackBox;
    QCheckBox* noTimeLimit;
    QLineEdit* seedBox;
    QPushButton* newSeedButton;
    QLabel* problemLabel;
    QPushButton* okButton;

private:
    void showDefaults();
    void newSeed();
    void updateProblem();

    GenerateDefaults defaults_;
};

} // namespace orvane
