#include "platform/ui/frame.h"

#include <qdrawutil.h>
#include <QEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>
#include <QStyle>

#include <algorithm>

#include "platform/ui/accessible_name.h"

namespace ui {

namespace {

constexpr double kBaseDpi = 96.0;
// How far the caption stands from the frame's left edge, in pixels at the base DPI.
constexpr double kCaptionIndent = 8.0;

constexpr int kCaptionFlags =
    Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextShowMnemonic;

}  // namespace

Frame::Frame(QWidget* parent) : Captioned(parent) {
    fit_margins();
}

void Frame::caption_shown(const QString& caption) {
    fit_margins();  // the group box measured its own title
    for (const QPointer<QWidget>& box : named_) {
        if (box != nullptr) {
            set_accessible_name(*box, caption);
        }
    }
}

void Frame::name_with_caption(QWidget& box) {
    named_.emplace_back(&box);
    set_accessible_name(box, title());
}

// The lines grow with the DPI, as the controls do, so that the border keeps its weight.
int Frame::line_width() const {
    return std::max(1, qRound(logicalDpiY() / kBaseDpi));
}

// The outer edge of the border: its top line runs through the middle of the caption.
QRect Frame::border_rect() const {
    const int top = fontMetrics().height() / 2;
    return {0, top, width(), height() - top};
}

QRect Frame::caption_rect() const {
    const int indent = qRound(kCaptionIndent * logicalDpiX() / kBaseDpi);
    return {indent, 0, std::max(0, width() - 2 * indent), fontMetrics().height()};
}

// Two lines deep: the etched border, a shadow line with a light one inside it.
void Frame::fit_margins() {
    const int inset = 2 * line_width();
    setContentsMargins(inset, border_rect().top() + inset, inset, inset);
}

void Frame::changeEvent(QEvent* event) {
    QGroupBox::changeEvent(event);  // which sets the margins of a box titled above its border
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange ||
        event->type() == QEvent::EnabledChange) {
        fit_margins();
    }
}

void Frame::paintEvent(QPaintEvent* event) {
    const QRect caption = caption_rect();
    const int line = line_width();
    const QRect border = border_rect();
    // A control inside that repaints leaves the border and the caption as they stand.
    const QRegion drawn =
        QRegion(border).subtracted(border.adjusted(2 * line, 2 * line, -2 * line, -2 * line)) +
        caption;
    if (!event->region().intersects(drawn)) {
        return;
    }
    QPainter painter(this);
    // The line stops a little short of the caption on either side; without one it runs on.
    const QRect gap = title().isEmpty() ? QRect()
                                        : fontMetrics()
                                              .boundingRect(caption, kCaptionFlags, title())
                                              .intersected(caption)
                                              .adjusted(-line, 0, line, 0);
    const QSize edge = border.size() - QSize(line, line);
    painter.save();
    painter.setClipRegion(QRegion(rect()).subtracted(gap));
    qDrawPlainRect(&painter, QRect(border.topLeft() + QPoint(line, line), edge),
                   palette().color(QPalette::Light), line);
    qDrawPlainRect(&painter, QRect(border.topLeft(), edge), palette().color(QPalette::Dark), line);
    painter.restore();
    painter.setClipRect(caption);
    style()->drawItemText(&painter, caption, kCaptionFlags, palette(), isEnabled(), title(),
                          QPalette::WindowText);
}

}  // namespace ui
