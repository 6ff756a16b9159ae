#include "app/ui/MessageBoxPrompter.h"

#include <QAbstractButton>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>

#include "widgets/TitleBarWidth.h"

namespace mox {

namespace {

QMessageBox::Icon IconOf(MsgIcon icon) {
    switch (icon) {
        case MsgIcon::Information:
            return QMessageBox::Information;
        case MsgIcon::Warning:
            return QMessageBox::Warning;
        case MsgIcon::Error:
            return QMessageBox::Critical;
        case MsgIcon::Question:
            return QMessageBox::Question;
        case MsgIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons ButtonsOf(MsgButtons buttons) {
    switch (buttons) {
        case MsgButtons::Ok:
            return QMessageBox::Ok;
        case MsgButtons::OkCancel:
            return QMessageBox::Ok | QMessageBox::Cancel;
        case MsgButtons::YesNo:
            return QMessageBox::Yes | QMessageBox::No;
        case MsgButtons::YesNoCancel:
            return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        case MsgButtons::RetryCancel:
            return QMessageBox::Retry | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

MsgAnswer AnswerOf(int button) {
    switch (button) {
        case QMessageBox::Ok:
            return MsgAnswer::Ok;
        case QMessageBox::Yes:
            return MsgAnswer::Yes;
        case QMessageBox::No:
            return MsgAnswer::No;
        case QMessageBox::Retry:
            return MsgAnswer::Retry;
        default:
            return MsgAnswer::Cancel;
    }
}

struct ButtonCaption {
    QMessageBox::StandardButton Button;
    int Text;
};

// Every button a message box of the program can carry takes its caption from the language in force,
// so that no box mixes languages.
constexpr ButtonCaption kButtonCaptions[] = {
    {QMessageBox::Ok, 9017},    {QMessageBox::Cancel, 9018}, {QMessageBox::Close, 9023},   // texts
    {QMessageBox::Help, 9025},  {QMessageBox::Yes, 9070},    {QMessageBox::No, 9071},      // texts
    {QMessageBox::Retry, 9072}, {QMessageBox::Abort, 9073},  {QMessageBox::Ignore, 9074},  // texts
};

// A message box is at least as wide as its title bar needs; a short text would otherwise leave the
// title cut. The box sizes itself from its layout, so the width is held by a spacer across it.
void FitTitle(QMessageBox& box) {
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (grid == nullptr)
        return;
    const QMargins margins = grid->contentsMargins();
    const int width = TitleBarWidth(box.windowTitle()) - margins.left() - margins.right();
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Fixed, QSizePolicy::Minimum), grid->rowCount(), 0, 1,
                  grid->columnCount());
}

}  // namespace

MessageBoxPrompter::MessageBoxPrompter(std::function<QWidget*()> parent,
                                       std::function<std::string()> programTitle)
    : m_parent(std::move(parent)), m_programTitle(std::move(programTitle)) {}

MsgAnswer MessageBoxPrompter::Ask(const Prompt& prompt) {
    const std::string title = prompt.Title.empty() ? m_programTitle() : prompt.Title;
    QMessageBox box(IconOf(prompt.Icon), QString::fromStdString(title), QString::fromStdString(prompt.Text),
                    ButtonsOf(prompt.Buttons), m_parent());
    if (Text) {
        for (const ButtonCaption& caption : kButtonCaptions) {
            const std::string text = Text(caption.Text);
            if (QAbstractButton* control = box.button(caption.Button); control != nullptr && !text.empty())
                control->setText(QString::fromStdString(text));
        }
    }
    FitTitle(box);
    return AnswerOf(box.exec());
}

bool MessageBoxPrompter::AskPassword(std::string& password) {
    return PasswordDialog ? PasswordDialog(password) : false;
}

}  // namespace mox
