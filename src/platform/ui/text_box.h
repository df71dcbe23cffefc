// The text box: one line, or several lines with scroll bars; a password character
// shows every typed character as that character. Text is held exactly as typed.
#pragma once

#include <QWidget>

#include <functional>

#include "vb/text.h"

class QLineEdit;
class QPlainTextEdit;

namespace ui {

class TextBox final : public QWidget {
public:
    enum class ScrollBars { kNone, kHorizontal, kVertical, kBoth };

    explicit TextBox(QWidget* parent);

    vb::String Text() const;
    void setText(const vb::String& text);

    void setPasswordChar(char16_t character);  // 0 shows what is typed
    // Switches between one line and several; call before the text is set.
    void setMultiLine(bool multi_line, ScrollBars scroll_bars = ScrollBars::kNone);

    void onChange(std::function<void()> handler);

    // The editor inside, for tests that type into it.
    QWidget* editor() const;

private:
    QLineEdit* line_ = nullptr;
    QPlainTextEdit* lines_ = nullptr;
    std::function<void()> change_;
};

}  // namespace ui
