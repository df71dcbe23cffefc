// What the check box and the option button share: a caption that is also the accessible
// name, and a Click handler that runs under the runtime's guard.
#pragma once

#include <QString>

#include <functional>
#include <utility>

#include "platform/ui/application.h"
#include "platform/vb/text.h"

namespace ui {

template <typename QtButton>
class ToggleButton : public QtButton {
public:
    explicit ToggleButton(QWidget* parent) : QtButton(parent) {}

    vb::String Caption() const { return this->text().toStdU16String(); }
    void setCaption(const vb::String& caption) {
        const QString text = QString::fromStdU16String(caption);
        this->setText(text);
        this->setAccessibleName(text);
    }

    void onClick(std::function<void()> handler) { click_ = std::move(handler); }

protected:
    void clicked_now() const {
        if (click_) {
            guarded(click_);
        }
    }

private:
    std::function<void()> click_;
};

}  // namespace ui
