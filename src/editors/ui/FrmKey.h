#pragma once

#include <QWidget>
#include <array>

#include "app/EditSteps.h"
#include "editors/KeyFields.h"

class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QPushButton;

namespace mox {

// Assigns the functions of the side keys PF1 and PF2, long and short press, and the two long-press
// times. Every choice is stored at once; there is no Apply.
class FrmKey : public QWidget {
    Q_OBJECT
public:
    FrmKey(const Messages& messages, FunctionSettings& settings, EditorSteps steps = {},
           QWidget* parent = nullptr);

    // Combo1(0) to Combo1(3) (PF1 long, PF1 short, PF2 long, PF2 short) and Combo1(9), Combo1(10) (the
    // long-press times), each with its label; the other places stay empty.
    std::array<QComboBox*, 11> Combo1{};
    std::array<QLabel*, 11> Label1{};
    QGroupBox* Frame1;
    QGroupBox* Frame2;
    QPushButton* CommandClose;
    QPushButton* CommandHelp;

public slots:
    // The scan window changed the scan mode: the key lists show the stored functions again.
    void ReshowKeys();
    // Undo or redo put other data in place: the controls show them.
    void ShowRestoredData();

private:
    QComboBox*& ListOf(KeyField field);
    void MakeControls(const Messages& messages);
    void LayOut();
    void AddRow(QGridLayout* grid, int row, KeyField field);
    void ShowValues();
    void KeyChosen(KeyField field, int index);

    FunctionSettings& m_settings;
    EditorSteps m_steps;
};

}  // namespace mox
