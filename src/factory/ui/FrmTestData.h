#pragma once

#include <QDialog>
#include <array>

#include "factory/TestDataText.h"
#include "files/DocumentContext.h"
#include "files/FileDialogs.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace mox {

// The factory's calibration values: bytes 0 to 10 of the test data, each 0 to 255, edited on a copy
// that OK makes the working test data; Load and Save exchange the copy with test data files.
class FrmTestData : public QDialog {
    Q_OBJECT
public:
    FrmTestData(DocumentContext& state, FileDialogs& dialogs, QWidget* parent = nullptr);

    std::array<QLineEdit*, kShownTestDataBytes> Text1{};
    std::array<QLabel*, kShownTestDataBytes> Label1{};
    QPushButton* CommandLoad;
    QPushButton* CommandSave;
    QPushButton* CommandOK;
    QPushButton* CommandCancel;

private:
    void MakeControls();
    void LayOut();
    void CheckBox(int byte, const QString& text);
    void ShowCopy();
    void TakeBoxes();
    void Load();
    void Save();
    void TakeCopy();

    DocumentContext& m_state;
    FileDialogs& m_dialogs;
    TestData m_copy;
};

}  // namespace mox
