// The option button: one of a group, the group being its frame (or the window).
#pragma once

#include <QRadioButton>

#include <functional>

#include "vb/text.h"

namespace ui {

class OptionButton final : public QRadioButton {
public:
    explicit OptionButton(QWidget* parent);

    vb::String Caption() const;
    void setCaption(const vb::String& caption);

    bool Value() const;
    void setValue(bool value);

    void onClick(std::function<void()> handler);

private:
    std::function<void()> click_;
};

}  // namespace ui
