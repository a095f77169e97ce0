#include "picker/channel_text_validator.h"

#include "model/integer_text.h"

#include <QLineEdit>

namespace pigmentrix {

ChannelTextValidator::ChannelTextValidator(QLineEdit *box, Refused refused)
    : QValidator(box)
    , box(box)
    , refused(std::move(refused))
{
}

QValidator::State ChannelTextValidator::validate(QString &text, int &) const
{
    if (text.isEmpty() || TryStrToInt(text.toStdString()))
        return Acceptable;
    // Told after the edit is over, and only when the box did refuse it: a
    // message box must not run inside the box's own edit, and a text the
    // program set stays.
    if (!pending) {
        pending = true;
        const QString shown = text;
        QMetaObject::invokeMethod(
            const_cast<ChannelTextValidator *>(this),
            [this, shown] {
                pending = false;
                if (box && box->text() != shown)
                    refused(shown);
            },
            Qt::QueuedConnection);
    }
    return Invalid;
}

} // namespace pigmentrix
