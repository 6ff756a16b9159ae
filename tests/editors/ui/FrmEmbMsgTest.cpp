#include <gtest/gtest.h>

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "editors/ui/FrmEmbMsg.h"
#include "services/Texts.h"
#include "support/BuildPaths.h"

namespace mox::test {

namespace {

class FrmEmbMsgTest : public ::testing::Test {
protected:
    FrmEmbMsgTest() { messages.Paths.ProgramFolder = SourceTree() / "dist"; }

    std::unique_ptr<FrmEmbMsg> Open() {
        auto window = std::make_unique<FrmEmbMsg>(messages, message);
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        window->activateWindow();
        return window;
    }

    std::string Raw(int line) const { return std::string(message.Lines[line].data(), 16); }

    Messages messages;
    EmbeddedMessage message;
};

TEST_F(FrmEmbMsgTest, TypedLinesAreStoredAtOnce) {
    SetFixedText(message.Lines[1], "HELLO");
    auto window = Open();
    EXPECT_EQ(window->windowTitle().toStdString(), GetLanguageText(messages, 20000));
    EXPECT_EQ(window->Text1[1]->text(), "HELLO");
    EXPECT_EQ(Raw(1), "HELLO           ");  // shown, not stored again

    window->Text1[0]->setFocus();
    QTest::keyClicks(window->Text1[0], "ABCDEFGHIJKLMNOPQ");
    EXPECT_EQ(Raw(0), "ABCDEFGHIJKLMNOP");
    QTest::keyClick(window->Text1[0], Qt::Key_Backspace);
    EXPECT_EQ(Raw(0), std::string("ABCDEFGHIJKLMNO\0", 16));
}

TEST_F(FrmEmbMsgTest, EnterMovesOnAndCopyPasteKeysAreSwallowed) {
    SetFixedText(message.Lines[1], "LINE2");
    auto window = Open();
    window->Text1[1]->setFocus();
    QTest::keyClick(window->Text1[1], Qt::Key_Return);
    EXPECT_TRUE(window->Text1[2]->hasFocus());
    EXPECT_EQ(Raw(1), "LINE2           ");
    window->Text1[1]->setFocus();
    window->Text1[1]->selectAll();
    QTest::keyClick(window->Text1[1], Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(window->Text1[1]->text(), "LINE2");
}

TEST_F(FrmEmbMsgTest, CharactersOutsideAsciiAreNotAccepted) {
    auto window = Open();
    window->Text1[3]->setFocus();
    QTest::keyClicks(window->Text1[3], "A");
    QKeyEvent accented(QEvent::KeyPress, Qt::Key_Eacute, Qt::NoModifier, QString::fromUtf8("\u00e9"));
    QApplication::sendEvent(window->Text1[3], &accented);
    QTest::keyClicks(window->Text1[3], "B");
    QInputMethodEvent composed;
    composed.setCommitString(QString::fromUtf8("中文"));
    QApplication::sendEvent(window->Text1[3], &composed);
    EXPECT_EQ(window->Text1[3]->text(), "AB");
    EXPECT_EQ(Raw(3), std::string("AB\0             ", 16));
}

}  // namespace

}  // namespace mox::test
