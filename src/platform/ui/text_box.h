// The text box: one line, or several lines with scroll bars; a password character
// shows every typed character as that character. Text is held exactly as typed.
#pragma once

#include <QWidget>

#include <functional>

#include "platform/vb/text.h"

class QLineEdit;
class QPlainTextEdit;

namespace ui {

class TextBox final : public QWidget {
public:
    enum class ScrollBars { kNone, kHorizontal, kVertical, kBoth };

    explicit TextBox(QWidget* parent);

    // With several lines, a line break reads as a carriage return and a line feed, and
    // either of them, alone or as a pair, breaks the line when set.
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

    QLineEdit* line_ = nullptr;
    QPlainTextEdit* lines_ = nullptr;
    std::function<void()> change_;
};

}  // namespace ui
