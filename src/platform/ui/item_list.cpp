#include "platform/ui/item_list.h"

#include "platform/ui/control_errors.h"

namespace ui {

vb::String ItemList::List(int index) const {
    if (index < 0 || index >= ListCount()) {
        return {};
    }
    return item_text(index).toStdU16String();
}

void ItemList::setListIndex(int index) {
    if (index < -1 || index >= ListCount()) {
        raise_invalid_property_value();
    }
    choose_item(index);
}

}  // namespace ui
