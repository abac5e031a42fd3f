#pragma once

#include "PlatformServices.h"

#include <QDialog>

#include <atomic>
#include <memory>
#include <optional>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QThread;
class QTimer;

namespace orvane {

// The dialog of the editor's generator, "迷路の生成": the map's size (one of
// the size buttons' sizes, or the selection's, fixed), the aim (a grade or a
// number of keys), traps, arrows, the time limit and the seed. While its
// fields make a request the generator refuses, the reason shows in the words
// orvane-mdt uses and OK is disabled; a grade or keys beyond what the size
// reaches reliably show the same way, with OK enabled. OK runs the generator
// on a thread of its own, its progress shown; the dialog closes with the
// maze once one meets the request, else it tells the whole outcome and
// offers the nearest maze found.
class GenerateDialog : public QDialog {
    Q_OBJECT
public:
    // The most keys, traps or arrows a field takes; checkRequest bounds them
    // by the map.
    static constexpr int CountMax = 99999;
    // The keys the keys field shows when the defaults aim at a grade.
    static constexpr int SuggestedKeys = 40;
    // How often the progress shown follows the generator.
    static constexpr int ProgressIntervalMs = 100;

    explicit GenerateDialog(const GenerateDefaults& defaults, QWidget* parent = nullptr);
    ~GenerateDialog() override;

    // The request the fields make, refused or not; nothing while the seed
    // is not a number.
    std::optional<generate::Request> request() const;
    // What the problem line shows: why the fields' request cannot be made
    // or may not be met, or how the last run ended; empty when all is well.
    QString problemText() const;
    bool isGenerating() const { return worker_ != nullptr; }
    // The maze the dialog closed with, once.
    std::optional<GeneratedMaze> takeAnswer();

    // Runs the generator, only while the request can be made and no run is on.
    void accept() override;
    // Stops a run and closes the dialog.
    void reject() override;

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
    QProgressBar* progressBar;
    QPushButton* okButton;
    QPushButton* useNearestButton;

private:
    void showDefaults();
    void newSeed();
    // A field changed: the last run's outcome no longer applies.
    void fieldsChanged();
    void updateFields();
    void showProgress();
    void generated();
    void useNearest();
    // Stops a run, if one is on, and waits for its thread.
    void stopWorker();

    GenerateDefaults defaults_;
    // A run: its request, its thread and what the thread shares with the
    // window; the outcome is the thread's until it ends.
    generate::Request running_;
    std::unique_ptr<QThread> worker_;
    std::atomic<bool> stop_{false};
    std::atomic<int> judged_{0};
    std::atomic<int> budget_{0};
    generate::Outcome outcome_;
    QTimer* progressTimer_;
    // How the last run ended, when no maze met its request.
    QString failure_;
    std::optional<GeneratedMaze> nearest_;
    std::optional<GeneratedMaze> answer_;
};

} // namespace orvane
