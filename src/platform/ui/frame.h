// The frame: a captioned box that holds other controls; disabling it disables them all,
// and it groups the option buttons inside it. Drawn the classic way, its border through the
// middle of the caption, so that controls laid out for that border stand inside it.
#pragma once

#include <QGroupBox>
#include <QPointer>

#include <vector>

#include "platform/ui/captioned.h"

namespace ui {

class Frame final : public Captioned<QGroupBox> {
public:
    explicit Frame(QWidget* parent);

    // `box` is named by the caption from now on (see set_label).
    void name_with_caption(QWidget& box);

    // Where the caption is drawn, over the border's top line; a longer one is cut off.
    QRect caption_rect() const;
    // contentsRect() is the room inside the border, where the frame's controls stand.

protected:
    // The caption also names every box the frame names.
    void caption_shown(const QString& caption) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    int line_width() const;
    QRect border_rect() const;
    void fit_margins();

    std::vector<QPointer<QWidget>> named_;
};

}  // namespace ui
