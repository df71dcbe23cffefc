#include "ui/text_box.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QResizeEvent>

#include "ui/application.h"

namespace ui {

namespace {

// Fills the box with its editor whatever size the box is given.
class FillFilter final : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Resize) {
            auto* box = static_cast<QWidget*>(watched);
            for (QObject* child : box->children()) {
                if (auto* editor = qobject_cast<QWidget*>(child)) {
                    editor->setGeometry(box->rect());
                }
            }
        }
        return false;
    }
};

}  // namespace

TextBox::TextBox(QWidget* parent) : QWidget(parent) {
    installEventFilter(new FillFilter(this));
    setMultiLine(false);
}

QWidget* TextBox::editor() const {
    return line_ != nullptr ? static_cast<QWidget*>(line_) : static_cast<QWidget*>(lines_);
}

void TextBox::setMultiLine(bool multi_line, ScrollBars scroll_bars) {
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
        lines_->setLineWrapMode(horizontal ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth);
        connect(lines_, &QPlainTextEdit::textChanged, this, [this] {
            if (change_) {
                guarded(change_);
            }
        });
    } else {
        line_ = new QLineEdit(this);
        connect(line_, &QLineEdit::textChanged, this, [this] {
            if (change_) {
                guarded(change_);
            }
        });
    }
    QWidget* inner = editor();
    inner->setGeometry(rect());
    inner->setAccessibleName(accessibleName());
    setFocusProxy(inner);
    setFocusPolicy(Qt::StrongFocus);
    inner->show();
}

vb::String TextBox::Text() const {
    return (line_ != nullptr ? line_->text() : lines_->toPlainText()).toStdU16String();
}

void TextBox::setText(const vb::String& text) {
    const QString value = QString::fromStdU16String(text);
    if (line_ != nullptr) {
        line_->setText(value);
    } else {
        lines_->setPlainText(value);
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
        line_->setStyleSheet(QStringLiteral("lineedit-password-character: %1").arg(int(character)));
    }
}

void TextBox::onChange(std::function<void()> handler) {
    change_ = std::move(handler);
}

}  // namespace ui
