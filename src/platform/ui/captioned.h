// What every captioned control shares (label, command button, frame, check box, option
// button): a caption that the toolkit's widget shows and that is also its accessible name.
#pragma once

#include <QGroupBox>
#include <QString>

#include <concepts>

#include "platform/ui/accessible_name.h"
#include "platform/vb/text.h"

namespace ui {

template <typename QtWidget>
class Captioned : public QtWidget {
public:
    explicit Captioned(QWidget* parent) : QtWidget(parent) {}

    vb::String Caption() const { return shown_caption().toStdU16String(); }
    void setCaption(const vb::String& caption) {
        const QString text = QString::fromStdU16String(caption);
        // The name first: a control without one tells of its new text itself, a second event.
        set_own_accessible_name(*this, text);
        show_caption(text);
        caption_shown(text);
    }

protected:
    // What else follows a new caption: the boxes it names, news for a screen reader.
    virtual void caption_shown(const QString& /*caption*/) {}

private:
    // A frame's caption is its group box's title; the others' their text.
    QString shown_caption() const {
        if constexpr (std::derived_from<QtWidget, QGroupBox>) {
            return this->title();
        } else {
            return this->text();
        }
    }
    void show_caption(const QString& text) {
        if constexpr (std::derived_from<QtWidget, QGroupBox>) {
            this->setTitle(text);
        } else {
            this->setText(text);
        }
    }
};

}  // namespace ui
