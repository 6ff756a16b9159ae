#pragma once

#include <QWidget>
#include <array>

#include "app/EditSteps.h"
#include "editors/OptionFields.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;

namespace mox {

// Edits the radio-wide options. Every choice is stored at once; there is no Apply.
class FrmOptFeatures : public QWidget {
    Q_OBJECT
public:
    FrmOptFeatures(const Messages& messages, FunctionSettings& settings, EditorSteps steps = {},
                   QWidget* parent = nullptr);

    std::array<QComboBox*, kOptionListCount> Combo1{};
    std::array<QLabel*, kOptionListCount> Label1{};
    std::array<QCheckBox*, kOptionCheckCount> Check1{};
    QGroupBox* Frame1;
    QGroupBox* Frame2;
    QPushButton* CommandClose;
    QPushButton* CommandHelp;

public slots:
    // Undo or redo put other data in place: the controls show them.
    void ShowRestoredData();

private:
    void MakeControls(const Messages& messages);
    void LayOut();
    void ShowValues();
    void ShowView();
    void SaveOptFeat(int id, int value);
    void EnableVoxControls();

    FunctionSettings& m_settings;
    EditorSteps m_steps;
};

}  // namespace mox
