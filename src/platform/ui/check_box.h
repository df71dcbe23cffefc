// The check box: a caption, a Value of 0 (unchecked) or 1 (checked), and a Click handler
// that runs whenever the value changes, by the user or by code.
#pragma once

#include <QCheckBox>

#include <functional>

#include "vb/text.h"

namespace ui {

class CheckBox final : public QCheckBox {
public:
    explicit CheckBox(QWidget* parent);

    vb::String Caption() const;
    void setCaption(const vb::String& caption);

    int Value() const;
    void setValue(int value);

    void onClick(std::function<void()> handler);

private:
    std::function<void()> click_;
};

}  // namespace ui
