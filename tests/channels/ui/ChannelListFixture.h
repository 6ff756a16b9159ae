#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>

#include "app/ChannelFieldCommand.h"
#include "channels/ui/frmCommChInfo.h"
#include "image/ChannelTable.h"
#include "support/qt/GuiFixture.h"

namespace mox::test {

// A channel editor that records what the channel list asks of it.
class RecordingChannelEditor : public QWidget {
    Q_OBJECT
public:
    std::vector<std::pair<int, int>> Followed;  // EditGroup and EditRow at each SetGridEditData(true)

    explicit RecordingChannelEditor(const AppState& state) : m_state(state) { resize(300, 200); }

public slots:
    void SetGridEditData(bool rIsGridChange);

private:
    const AppState& m_state;
};

// The main window with its channel list, opened as at start-up, and a recording channel editor.
class ChannelListFixture : public GuiFixture {
protected:
    // With `recordingEditor` false the program's own channel editor is offered.
    frmCommChInfo& List(bool recordingEditor = true) {
        Main([this, recordingEditor](frmMain& m) {
            if (!recordingEditor)
                return;
            m.RegisterWindow("FrmCHInfoEdit", [this] {
                editor = new RecordingChannelEditor(state);
                return editor;
            });
        });
        main->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(main.get()));
        Settle();
        return Current();
    }
    frmCommChInfo& Current() const {
        auto* list = qobject_cast<frmCommChInfo*>(main->FindWindow("frmCommChInfo"));
        EXPECT_NE(list, nullptr);
        return *list;
    }

    QTableWidget& Grid() const { return *Current().MSFlexGrid1; }
    QString Cell(int row, int column) const { return Grid().item(row - 1, column)->text(); }
    QPoint CellCentre(int row, int column) const {
        return Grid().visualItemRect(Grid().item(row - 1, column)).center();
    }
    void Click(int row, int column) const {
        QTest::mouseClick(Grid().viewport(), Qt::LeftButton, {}, CellCentre(row, column));
    }
    void DoubleClick(int row, int column) const {
        QTest::mouseDClick(Grid().viewport(), Qt::LeftButton, {}, CellCentre(row, column));
    }
    // Row and column of the grid's current cell, rows counted from 1.
    std::pair<int, int> At() const { return {Grid().currentRow() + 1, Grid().currentColumn()}; }

    QLineEdit& Box() const { return *Current().Text1; }
    QComboBox& ListOf(int column) const { return *Current().Combo1[column]; }
    void Type(const QString& text) const { QTest::keyClicks(&Box(), text); }
    void Enter(QWidget& control) const { QTest::keyClick(&control, Qt::Key_Return); }
    // Picks the next entry of an open list with the keyboard.
    void PickNext(int column) const { QTest::keyClick(&ListOf(column), Qt::Key_Down); }
    // The cell is current and its editor lies over it showing its text.
    void ExpectEditorOver(int row, int column) const {
        EXPECT_EQ(At(), std::make_pair(row, column));
        const QRect cell = Grid().visualItemRect(Grid().item(row - 1, column));
        if (column <= 2) {
            EXPECT_TRUE(Box().isVisible());
            EXPECT_EQ(Box().geometry(), cell);
            EXPECT_EQ(Box().text(), Cell(row, column));
            return;
        }
        EXPECT_FALSE(Box().isVisible());
        EXPECT_TRUE(ListOf(column).isVisible());
        EXPECT_EQ(ListOf(column).pos(), cell.topLeft());
        EXPECT_EQ(ListOf(column).width(), cell.width());
        EXPECT_EQ(ListOf(column).currentText(), Cell(row, column));
    }

    // A channel on every position of the first group.
    void FillGroup(int group) {
        for (int row = 1; row <= 16; ++row)
            SetChannelField(state, 16 * group + row, 1, "43" + std::to_string(row % 10) + ".125");
    }

    RecordingChannelEditor* editor = nullptr;
};

}  // namespace mox::test
