#include "platform/ui/caption_fit.h"

#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QWidget>

#include <algorithm>

namespace ui {

namespace {

// The width the caption wants on one line, or 0 for a control that keeps its width.
int wanted_width(const QWidget& control) {
    if (const auto* label = qobject_cast<const QLabel*>(&control)) {
        const QMargins margins = label->contentsMargins();
        // One pixel more: the advance is rounded, and wrapping measures the exact widths.
        return label->fontMetrics().horizontalAdvance(label->text()) + 1 + margins.left() +
               margins.right() + 2 * label->margin();
    }
    if (qobject_cast<const QCheckBox*>(&control) != nullptr ||
        qobject_cast<const QRadioButton*>(&control) != nullptr) {
        return control.sizeHint().width();
    }
    return 0;
}

// How far right the control may reach: short of the first sibling on its right that shares
// some of its height, and inside its container's border.
int right_limit(const QWidget& control) {
    const QWidget& container = *control.parentWidget();
    // A frame's contents rectangle ends at its border.
    int limit = container.contentsRect().x() + container.contentsRect().width();
    const QRect own = control.geometry();
    for (const QObject* child : container.children()) {
        const auto* sibling = qobject_cast<const QWidget*>(child);
        if (sibling == nullptr || sibling == &control || sibling->isWindow()) {
            continue;
        }
        const QRect other = sibling->geometry();
        const bool beside = other.top() <= own.bottom() && other.bottom() >= own.top();
        if (beside && other.left() > own.left()) {
            limit = std::min(limit, other.left() - 1);
        }
    }
    return limit;
}

}  // namespace

void fit_captions(QWidget& client) {
    for (QWidget* control : client.findChildren<QWidget*>()) {
        const int wanted = wanted_width(*control);
        if (wanted <= control->width()) {
            continue;
        }
        const int room = right_limit(*control) - control->x();
        if (room > control->width()) {
            control->resize(std::min(wanted, room), control->height());
        }
    }
}

}  // namespace ui
