// The frame: a captioned box that holds other controls; disabling it disables them all,
// and it groups the option buttons inside it.
#pragma once

#include <QGroupBox>
#include <QPointer>

#include <vector>

#include "vb/text.h"

namespace ui {

class Frame final : public QGroupBox {
public:
    explicit Frame(QWidget* parent);

    vb::String Caption() const;
    // Also the accessible name, its own and that of every box it names.
    void setCaption(const vb::String& caption);

    // `box` is named by the caption from now on (see set_label).
    void name_with_caption(QWidget& box);

private:
    std::vector<QPointer<QWidget>> named_;
};

}  // namespace ui
