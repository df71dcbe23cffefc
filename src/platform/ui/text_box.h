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
    // reaches the screen once the handler that set it has run (see show_pending_texts), so
    // that a handler that fills a box and then empties it shows, and sends a screen reader,
    // one change instead of two; Text and the change event see each value at once.
    vb::String Text() const;
    void setText(const vb::String& text);

    void setPasswordChar(char16_t character);  // 0 shows what is typed; one line only
    // Switches between one line and several; call before the text is set.
    void setMultiLine(bool multi_line, ScrollBars scroll_bars = ScrollBars::kNone);

    // Runs on every change of the text, by the user or by code.
    void onChange(std::function<void()> handler);

    // The editor inside, which takes the focus; for tests that type into it.
    QWidget* editor() const;

    // Puts the text code has set into the editor.
    void show_pending();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void changed();

    QLineEdit* line_ = nullptr;
    QPlainTextEdit* lines_ = nullptr;
    std::function<void()> change_;
    std::optional<QString> pending_;  // set by code, not yet in the one-line editor
};

// Puts into every box the text code has set: before input is handled again, so that what a
// person types next goes after it, not under it.
void show_pending_texts();

}  // namespace ui
