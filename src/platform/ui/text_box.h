// The text box: one line, or several lines with scroll bars; a password character
// shows every typed character as that character. Text is held exactly as typed.
#pragma once

#include <QWidget>

#include <functional>
#include <optional>

#include "platform/vb/text.h"

class QLineEdit;
class QPlainTextEdit;

namespace ui {

class TextBox final : public QWidget {
public:
    enum class ScrollBars { kNone, kHorizontal, kVertical, kBoth };

    explicit TextBox(QWidget* parent);

    // With several lines, a line break reads as a carriage return and a line feed, and
    // either of them, alone or as a pair, breaks the line when set. One line set by code
    // reaches the screen once control is back in the event loop, so that a handler that fills
    // a box and then empties it shows, and sends a screen reader, one change instead of two;
    // Text and the change event see each value at once.
    vb::String Text() const;
    void setText(const vb::String& text);

    void setPasswordChar(char16_t character);  // 0 shows what is typed; one line only
    // Switches between one line and several; call before the text is set.
    void setMultiLine(bool multi_line, ScrollBars scroll_bars = ScrollBars::kNone);

    // Runs on every change of the text, by the user or by code.
    void onChange(std::function<void()> handler);

    // The editor inside, which takes the focus; for tests that type into it.
    QWidget* editor() const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void changed();
    void show_pending();

    QLineEdit* line_ = nullptr;
    QPlainTextEdit* lines_ = nullptr;
    std::function<void()> change_;
    std::optional<QString> pending_;  // set by code, not yet in the one-line editor
};

}  // namespace ui
