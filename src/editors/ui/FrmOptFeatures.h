#pragma once

#include <QWidget>
#include <array>

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
    FrmOptFeatures(const Messages& messages, FunctionSettings& settings, QWidget* parent = nullptr);

    std::array<QComboBox*, kOptionListCount> Combo1{};
    std::array<QLabel*, kOptionListCount> Label1{};
    std::array<QCheckBox*, kOptionCheckCount> Check1{};
    QGroupBox* Frame1;
    QGroupBox* Frame2;
    QPushButton* CommandClose;
    QPushButton* CommandHelp;

private:
    void MakeControls(const Messages& messages);
    void LayOut();
    void ShowValues();
    void SaveOptFeat(int id, int value);
    void EnableVoxControls();

    FunctionSettings& m_settings;
};

}  // namespace mox
