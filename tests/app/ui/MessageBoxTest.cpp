#include <QAbstractButton>
#include <QCoreApplication>
#include <QMessageBox>
#include <map>

#include "app/LanguageChoice.h"
#include "app/ui/MessageBoxPrompter.h"
#include "services/Texts.h"
#include "support/qt/GuiFixture.h"

namespace mox::test {

namespace {

class MessageBoxTest : public GuiFixture {
protected:
    MessageBoxTest() {
        SetCurrentLanguage(state.Language, kChinese);
        state.Language.PreviousLanguage = kChinese;
        boxes.Text = [this](int number) { return GetLanguageText(state, number); };
    }

    // Shows `prompt` in a real message box, notes its buttons' captions and width, and presses `press`.
    MsgAnswer AskPressing(const Prompt& prompt, QMessageBox::StandardButton press) {
        captions.clear();
        WhenModalShows<QMessageBox>([this, press](QMessageBox& box) {
            for (QAbstractButton* button : box.buttons())
                captions[box.standardButton(button)] = button->text().toStdString();
            width = box.width();
            box.button(press)->click();
        });
        return boxes.Ask(prompt);
    }

    MessageBoxPrompter boxes{[] { return nullptr; }, [this] { return Text(12000); }};
    std::map<QMessageBox::StandardButton, std::string> captions;
    int width = 0;
};

// A Chinese question must not carry English buttons.
TEST_F(MessageBoxTest, EveryButtonIsCaptionedInTheLanguageInForce) {
    struct Case {
        MsgButtons Buttons;
        std::map<QMessageBox::StandardButton, int> Captions;
        QMessageBox::StandardButton Press;
        MsgAnswer Answer;
    };
    const Case cases[] = {
        {MsgButtons::YesNoCancel,
         {{QMessageBox::Yes, 9070}, {QMessageBox::No, 9071}, {QMessageBox::Cancel, 9018}},
         QMessageBox::No,
         MsgAnswer::No},
        {MsgButtons::YesNo,
         {{QMessageBox::Yes, 9070}, {QMessageBox::No, 9071}},
         QMessageBox::Yes,
         MsgAnswer::Yes},
        {MsgButtons::RetryCancel,
         {{QMessageBox::Retry, 9072}, {QMessageBox::Cancel, 9018}},
         QMessageBox::Retry,
         MsgAnswer::Retry},
        {MsgButtons::OkCancel,
         {{QMessageBox::Ok, 9017}, {QMessageBox::Cancel, 9018}},
         QMessageBox::Ok,
         MsgAnswer::Ok},
    };
    for (const Case& c : cases) {
        Prompt prompt;
        prompt.Text = Text(9008);
        prompt.Buttons = c.Buttons;
        EXPECT_EQ(AskPressing(prompt, c.Press), c.Answer);
        ASSERT_EQ(captions.size(), c.Captions.size());
        for (const auto& [button, number] : c.Captions)
            EXPECT_EQ(captions[button], Text(number)) << number;
    }
}

// Qt's own dialogs (files, printing) and texts speak the program's language and follow its changes.
TEST_F(MessageBoxTest, QtsOwnTextsFollowTheLanguage) {
    frmMain& window = Main();
    EXPECT_NE(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Cancel");
    EXPECT_NE(QCoreApplication::translate("QFileDialog", "File &name:"), "File &name:");

    ASSERT_TRUE(ApplyLanguageChoice(state, 0));
    window.TakeLanguageChange();
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Cancel");
}

// A short text must not make the box so narrow that its title is cut.
TEST_F(MessageBoxTest, ABoxIsAtLeastAsWideAsItsTitle) {
    Prompt prompt;
    prompt.Text = "OK.";
    prompt.Title = "MOX-5HK CPS - Customer Programming Software";
    AskPressing(prompt, QMessageBox::Ok);
    EXPECT_GE(width, LeastTitleBarWidth(QString::fromStdString(prompt.Title)));
}

}  // namespace

}  // namespace mox::test
