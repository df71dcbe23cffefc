// The label: a caption that wraps within its width, with an optional font of its own.
#pragma once

#include <QLabel>

#include "vb/text.h"

namespace ui {

class Label final : public QLabel {
public:
    explicit Label(QWidget* parent);

    vb::String Caption() const;
    void setCaption(const vb::String& caption);  // shown as plain text, also the accessible name

    // A face that is not installed falls back to the nearest installed one.
    void setFont(const QString& face, bool bold, double points);
};

// Makes `label` the label of `box`: its caption becomes the box's accessible name.
void set_label(Label& label, QWidget& box);

}  // namespace ui
