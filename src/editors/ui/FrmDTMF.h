#pragma once

#include <QWidget>
#include <array>

#include "app/EditSteps.h"
#include "editors/DtmfFields.h"
#include "widgets/WindowRegistry.h"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace mox {

// Edits the DTMF signalling: timing, ID code, PTT ID, stun and kill codes, and the sixteen auto-dial
// memories. Every change is stored at once; a changed auto-dial memory makes the open channel editor
// and alert window show their memory lists again.
class FrmDTMF : public QWidget {
    Q_OBJECT
public:
    FrmDTMF(const Messages& messages, DtmfSettings& settings, WindowRegistry& windows, EditorSteps steps = {},
            QWidget* parent = nullptr);
    ~FrmDTMF() override;

    QTabWidget* SSTab1;
    std::array<QComboBox*, 5> Combo1{};
    std::array<QLabel*, 5> Label1{};
    // Combo2(1), Combo2(4) and Combo2(5) and their labels; the other places stay empty.
    std::array<QComboBox*, 6> Combo2{};
    std::array<QLabel*, 6> Label2{};
    QCheckBox* Check1;
    std::array<QLineEdit*, 4> Text1{};
    std::array<QLabel*, 4> Label3{};
    std::array<QLineEdit*, 16> Text2{};
    std::array<QLabel*, 16> Label4{};
    QLineEdit* Text3;
    QLabel* Label5;
    QPushButton* CommandClose;
    QPushButton* CommandHelp;

public slots:
    // Before a write: an ID code typed but not yet checked is checked and stored.
    void CommitEdit();
    // Undo or redo put other data in place: the controls show them.
    void ShowRestoredData();

private:
    // The ID code box reports losing the focus; the report is cut before the window goes, since a
    // window being destroyed moves the focus away from its boxes once its own part is already gone.
    QMetaObject::Connection m_idCodeLeft;

    QComboBox* ListBox(DtmfList list) const;
    QLineEdit* CodeBox(int box) const;
    void MakeLists(const Messages& messages);
    void MakeBoxes();
    QWidget* EncodeTab();
    QWidget* DecodeTab();
    QWidget* MemoryTab();
    void ShowValues();
    void ShowView();
    void CodeChanged(int box, const QString& text);
    void IdCodeChanged(const QString& text);
    void CheckIdCode();
    void ReshowAutoDialLists();

    DtmfSettings& m_settings;
    EditorSteps m_steps;
    WindowRegistry& m_windows;
    bool m_idCodeEdited = false;
};

}  // namespace mox
