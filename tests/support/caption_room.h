// Whether each caption of a form fits the room its control leaves for text: the space
// inside a button's bevel, beside a check box's or option button's indicator, over a
// frame's border between its corners, or a label's whole box with its lines wrapped.
#pragma once

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOption>

#include <map>
#include <string>

#include "ui/form.h"
#include "ui/frame.h"

struct CaptionRoom {
    std::string text;
    QSize needed;
    QSize space;
    bool fits() const {
        return needed.width() <= space.width() && needed.height() <= space.height();
    }
};

inline QRect text_space(QAbstractButton& button) {
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    const auto element =
        qobject_cast<QPushButton*>(&button) != nullptr ? QStyle::SE_PushButtonContents
        : qobject_cast<QCheckBox*>(&button) != nullptr ? QStyle::SE_CheckBoxContents
                                                       : QStyle::SE_RadioButtonContents;
    return button.style()->subElementRect(element, &option, &button);
}

inline std::map<std::string, CaptionRoom> caption_room(const ui::Form& form) {
    std::map<std::string, CaptionRoom> rooms;
    for (QWidget* control : form.window()->findChildren<QWidget*>()) {
        const std::string name = control->objectName().toStdString();
        const QFontMetrics metrics(control->font());
        if (auto* label = qobject_cast<QLabel*>(control)) {
            const QRect space = label->contentsRect();
            const QRect needed =
                metrics.boundingRect(space.x(), space.y(), space.width(), 10000,
                                     Qt::TextWordWrap | label->alignment(), label->text());
            rooms[name] = {label->text().toStdString(), needed.size(), space.size()};
        } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
            const QSize needed(metrics.horizontalAdvance(button->text()), metrics.height());
            rooms[name] = {button->text().toStdString(), needed, text_space(*button).size()};
        } else if (auto* frame = dynamic_cast<ui::Frame*>(control)) {
            const QSize needed(metrics.horizontalAdvance(frame->title()), metrics.height());
            rooms[name] = {frame->title().toStdString(), needed, frame->caption_rect().size()};
        }
    }
    return rooms;
}
