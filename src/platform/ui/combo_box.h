// The combo box: a drop-down with an edit field, or a drop-down list to choose from.
#pragma once

#include <functional>

#include "platform/ui/item_list.h"
#include "platform/vb/text.h"

namespace ui {

class ComboBox final : public ComboList {
public:
    enum class Style { kDropDownCombo, kDropDownList };

    explicit ComboBox(QWidget* parent);

    void setStyle(Style style);

    // The edit field's text; for a drop-down list, the chosen item's text.
    vb::String Text() const;
    void setText(const vb::String& text);

    void AddItem(const vb::String& item);
    void Clear();

    void onClick(std::function<void()> handler);   // an item chosen
    void onChange(std::function<void()> handler);  // the edit field's text changed

private:
    std::function<void()> click_;
    std::function<void()> change_;
};

}  // namespace ui
