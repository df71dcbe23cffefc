// The command button: a caption and a Click handler.
#pragma once

#include <QPushButton>

#include <functional>

#include "platform/ui/captioned.h"

namespace ui {

class CommandButton final : public Captioned<QPushButton> {
public:
    explicit CommandButton(QWidget* parent);

    // The handler runs guarded: a run-time error in it ends in the report.
    void onClick(std::function<void()> handler);
    // As a user's click would, when the button is enabled and input is not held off.
    void Click();

protected:
    // Enter, like Space, presses the button that has the focus.
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::function<void()> click_;
    bool pressed_while_held_ = false;
};

}  // namespace ui
