#pragma once

#include <QDialog>
#include <optional>

#include "app/AppState.h"
#include "channels/ChannelCommandQuestion.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace mox {

// The question before a paste (insert instead of overwriting?) or a delete (close the gap?), with
// the box that stops it from being asked again. Yes and No answer it; the close box leaves it
// unanswered.
class FrmMsgConfirm : public QDialog {
    Q_OBJECT
public:
    FrmMsgConfirm(const AppState& state, ConfirmKind kind, QWidget* parent = nullptr);

    // Shows the question modally; nothing when it was closed without an answer.
    static std::optional<ConfirmAnswer> Ask(const AppState& state, ConfirmKind kind, QWidget* parent);

    QLabel* Label1;
    QCheckBox* Check1;
    QPushButton* CommandOK;      // yes
    QPushButton* CommandCancel;  // no

private:
    enum Result { Unanswered = 0, AnsweredYes, AnsweredNo };
};

}  // namespace mox
