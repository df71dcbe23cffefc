#include "platform/ui/text_box.h"

#include <QAccessible>
#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QSignalBlocker>

#include <utility>

#include "platform/ui/application.h"

namespace ui {

namespace {

// Tab selects the whole text, as it always has, but only once the focus has arrived: the
// selection and caret events a selection raises would otherwise reach a screen reader before
// the focus does, and it would take the box for one it is already in and say nothing of it.
class LineEditor final : public QLineEdit {
public:
    explicit LineEditor(QWidget* parent) : QLineEdit(parent) {}

protected:
    void focusInEvent(QFocusEvent* event) override {
        const Qt::FocusReason reason = event->reason();
        if (reason != Qt::TabFocusReason && reason != Qt::BacktabFocusReason &&
            reason != Qt::ShortcutFocusReason) {
            QLineEdit::focusInEvent(event);
            return;
        }
        QFocusEvent without_selection(event->type(), Qt::OtherFocusReason);
        QLineEdit::focusInEvent(&without_selection);
        QMetaObject::invokeMethod(
            this,
            [editor = QPointer<LineEditor>(this)] {
                if (editor != nullptr && editor->hasFocus() && !editor->text().isEmpty() &&
                    !editor->hasSelectedText()) {
                    editor->selectAll();
                }
            },
            Qt::QueuedConnection);
    }
};

// Passes every accessibility event on but the caret's. It stands in only while code sets the
// text of a box without the focus, where no caret shows: a screen reader hears the text change,
// and not the caret move that comes with it. Only that box's text and caret events pass here.
void without_caret_moves(QAccessibleEvent* event) {
    if (event->type() == QAccessible::TextCaretMoved) {
        return;
    }
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(&without_caret_moves);
}

void set_without_caret_moves(QLineEdit& line, const QString& text) {
    const QAccessible::UpdateHandler previous =
        QAccessible::installUpdateHandler(&without_caret_moves);
    if (previous != nullptr) {  // someone else listens: they hear everything
        QAccessible::installUpdateHandler(previous);
        line.setText(text);
        return;
    }
    line.setText(text);
    QAccessible::installUpdateHandler(nullptr);
}

}  // namespace

// Painting its own background, the box is opaque: a change of its text repaints the box alone,
// not the frame and window behind it.
TextBox::TextBox(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(true);
    setMultiLine(false);
}

QWidget* TextBox::editor() const {
    return line_ != nullptr ? static_cast<QWidget*>(line_) : static_cast<QWidget*>(lines_);
}

void TextBox::resizeEvent(QResizeEvent* event) {
    editor()->setGeometry(rect());
    QWidget::resizeEvent(event);
}

void TextBox::changed() {
    if (change_) {
        guarded(change_);
    }
}

void TextBox::setMultiLine(bool multi_line, ScrollBars scroll_bars) {
    pending_.reset();
    delete line_;
    delete lines_;
    line_ = nullptr;
    lines_ = nullptr;
    if (multi_line) {
        lines_ = new QPlainTextEdit(this);
        const bool horizontal =
            scroll_bars == ScrollBars::kHorizontal || scroll_bars == ScrollBars::kBoth;
        const bool vertical =
            scroll_bars == ScrollBars::kVertical || scroll_bars == ScrollBars::kBoth;
        lines_->setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAlwaysOn
                                                        : Qt::ScrollBarAlwaysOff);
        lines_->setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAlwaysOn
                                                    : Qt::ScrollBarAlwaysOff);
        // Without a horizontal scroll bar, long lines wrap at the box's width.
        lines_->setLineWrapMode(horizontal ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth);
        lines_->setTabChangesFocus(true);  // Tab goes to the next control, as in one line
        connect(lines_, &QPlainTextEdit::textChanged, this, &TextBox::changed);
    } else {
        line_ = new LineEditor(this);
        connect(line_, &QLineEdit::textChanged, this, &TextBox::changed);
    }
    QWidget* inner = editor();
    inner->setGeometry(rect());
    inner->setAccessibleName(accessibleName());
    setFocusProxy(inner);
    setFocusPolicy(inner->focusPolicy());
    inner->show();
}

// A pasted lone half of a surrogate pair reads as the replacement mark the box shows.
vb::String TextBox::Text() const {
    if (line_ != nullptr) {
        // What the editor will hold: it keeps no more than its maximum length.
        const QString text = pending_ ? pending_->left(line_->maxLength()) : line_->text();
        return vb::well_formed(text.toStdU16String());
    }
    QString text = lines_->toPlainText();
    text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return vb::well_formed(text.toStdU16String());
}

void TextBox::setText(const vb::String& text) {
    const QString value = QString::fromStdU16String(text);
    if (line_ == nullptr) {
        lines_->setPlainText(value);
        return;
    }
    const vb::String before = Text();
    // The end of the handler shows it; set outside any handler, the event loop does.
    if (!pending_) {
        QMetaObject::invokeMethod(this, &TextBox::show_pending, Qt::QueuedConnection);
    }
    pending_ = value;
    if (Text() != before) {
        changed();
    }
}

// The change event has run already, when the text was set.
void TextBox::show_pending() {
    if (line_ == nullptr || !pending_) {
        return;
    }
    const QString value = *std::exchange(pending_, std::nullopt);
    if (line_->text() == value) {
        return;
    }
    const QSignalBlocker quiet(line_);
    if (line_->hasFocus()) {
        line_->setText(value);
    } else {
        set_without_caret_moves(*line_, value);
    }
}

void show_pending_texts() {
    for (QWidget* widget : QApplication::allWidgets()) {
        if (auto* box = dynamic_cast<TextBox*>(widget)) {
            box->show_pending();
        }
    }
}

void TextBox::setPasswordChar(char16_t character) {
    if (line_ == nullptr) {
        return;
    }
    if (character == 0) {
        line_->setEchoMode(QLineEdit::Normal);
        line_->setStyleSheet(QString());
    } else {
        line_->setEchoMode(QLineEdit::Password);
        line_->setStyleSheet(
            QStringLiteral("lineedit-password-character: %1").arg(static_cast<int>(character)));
    }
}

void TextBox::onChange(std::function<void()> handler) {
    change_ = std::move(handler);
}

}  // namespace ui
