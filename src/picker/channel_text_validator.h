#pragma once

#include <QPointer>
#include <QValidator>

#include <functional>

class QLineEdit;

namespace pigmentrix {

// Keeps a channel box to texts that read as a number (or the empty text): a
// paste or a drop of anything else is refused whole, the box keeps the text
// it had, and refused hears of it once, after the box has its text back. A
// text set by the program is shown as it is (the box's handlers judge it).
class ChannelTextValidator : public QValidator {
    Q_OBJECT

public:
    using Refused = std::function<void(const QString &text)>;

    ChannelTextValidator(QLineEdit *box, Refused refused);

    State validate(QString &text, int &cursor) const override;

private:
    QPointer<QLineEdit> box;
    Refused refused;
    mutable bool pending = false;
};

} // namespace pigmentrix
