// The label: a caption that wraps within its width, with an optional font of its own.
#pragma once

#include <QLabel>

#include "platform/ui/captioned.h"

namespace ui {

class Frame;

class Label final : public Captioned<QLabel> {
public:
    explicit Label(QWidget* parent);

    // Makes the label a message line: every caption set from now on is spoken as news.
    void setSpoken(bool spoken) { spoken_ = spoken; }

    using QLabel::setFont;
    // A face that is not installed falls back to the nearest installed one.
    void setFont(const QString& face, bool bold, double points);

protected:
    // The caption, shown as plain text, also names the box the label labels; a message
    // line's is spoken too, wherever the focus is.
    void caption_shown(const QString& caption) override;

private:
    bool spoken_ = false;
};

// Makes `label` the label of `box`: its caption becomes the box's accessible name, the
// name a screen reader speaks when the box takes the focus.
void set_label(Label& label, QWidget& box);
// For a box that no label stands beside: the caption of its frame names it, and keeps
// naming it when the caption changes.
void set_label(Frame& frame, QWidget& box);

}  // namespace ui
