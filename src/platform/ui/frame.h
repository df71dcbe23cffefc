// The frame: a captioned box that holds other controls; disabling it disables them all,
// and it groups the option buttons inside it.
#pragma once

#include <QGroupBox>

#include "vb/text.h"

namespace ui {

class Frame final : public QGroupBox {
public:
    explicit Frame(QWidget* parent);

    vb::String Caption() const;
    void setCaption(const vb::String& caption);
};

}  // namespace ui
