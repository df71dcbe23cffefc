// What the check box and the option button share: a caption, and a Click handler that runs
// under the runtime's guard.
#pragma once

#include <functional>
#include <utility>

#include "platform/ui/application.h"
#include "platform/ui/captioned.h"

namespace ui {

template <typename QtButton>
class ToggleButton : public Captioned<QtButton> {
public:
    explicit ToggleButton(QWidget* parent) : Captioned<QtButton>(parent) {}

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
