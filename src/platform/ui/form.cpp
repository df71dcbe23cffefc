#include "platform/ui/form.h"

#include <QAccessible>
#include <QCloseEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QString>
#include <QTimer>

#include <algorithm>

#include "platform/ui/application.h"
#include "platform/ui/caption_fit.h"
#include "platform/ui/spoken.h"
#include "platform/ui/text_box.h"
#include "platform/ui/window_frame.h"
#include "platform/vb/runtime_error.h"

namespace ui {

namespace {

std::vector<Form*>& loaded_forms() {
    static std::vector<Form*> forms;
    return forms;
}

std::function<void(Form&)>& modal_hook() {
    static std::function<void(Form&)> hook;
    return hook;
}

}  // namespace

// The top-level widget of a loaded form: it refuses to be closed by the window system. Once
// unloaded it waits for its deletion on its own, answering to no form.
class Form::Window final : public QWidget {
public:
    explicit Window(Form& form)
        : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
          form_(&form),
          role_(form.role_ == Role::kDialog ? QAccessible::Dialog : QAccessible::Window) {}

    void detach() { form_ = nullptr; }
    QAccessible::Role role() const { return role_; }

protected:
    void closeEvent(QCloseEvent* event) override {
        event->ignore();
        if (form_ != nullptr) {
            guarded([this] { form_->close_requested(); });
        }
    }
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Escape) {
            if (form_ != nullptr) {
                guarded([this] { form_->close_requested(); });
            }
            return;
        }
        QWidget::keyPressEvent(event);
    }

private:
    Form* form_;
    QAccessible::Role role_;
};

Form::Form(const Header& header)
    : caption_(header.caption),
      role_(header.role),
      client_width_(header.width),
      client_height_(header.height),
      start_(header.start) {}

// A plain top-level widget would reach the accessibility bus as a filler, which a screen
// reader passes over in silence when the window opens.
QAccessibleInterface* Form::accessible_for(const QString& /*class_name*/, QObject* object) {
    if (auto* window = dynamic_cast<Window*>(object)) {
        return window_interface(window, window->role());
    }
    return notification_interface(object);
}

Form::~Form() {
    auto& forms = loaded_forms();
    forms.erase(std::remove(forms.begin(), forms.end(), this), forms.end());
    if (window_ != nullptr && QCoreApplication::instance() != nullptr) {
        delete window_.data();
    }
}

void Form::Load() {
    if (IsLoaded()) {
        return;
    }
    static const bool interfaces_installed = [] {
        QAccessible::installFactory(&Form::accessible_for);
        return true;
    }();
    (void)interfaces_installed;
    auto* window = new Window(*this);
    window_ = window;
    window->setWindowTitle(QString::fromStdU16String(caption_));
    const QSize client(to_pixels_x(client_width_), to_pixels_y(client_height_));
    window->setFixedSize(client);
    frame_ = prepare_frame(*window);
    if (start_) {
        left_ = start_->left - device_pixels_to_twips_x(frame_.left());
        top_ = start_->top - device_pixels_to_twips_y(frame_.top());
        move_window();
    }
    tab_stops_.clear();
    if (build_controls_) {
        build_controls_(*window);
    }
    fit_captions(*window);
    apply_tab_order();
    loaded_forms().push_back(this);
    Form_Load();
}

void Form::Unload() {
    if (!IsLoaded()) {
        return;
    }
    auto& forms = loaded_forms();
    forms.erase(std::remove(forms.begin(), forms.end(), this), forms.end());
    if (modal_loop_ != nullptr) {
        modal_loop_->quit();
    }
    auto* window = static_cast<Window*>(window_.data());
    window_ = nullptr;
    window->detach();
    tab_stops_.clear();
    window->hide();
    // Not at once: the handler that unloads may belong to one of the window's own controls.
    window->deleteLater();
}

void Form::setCaption(const vb::String& caption) {
    caption_ = caption;
    if (IsLoaded()) {
        window_->setWindowTitle(QString::fromStdU16String(caption_));
    }
}

// The outer frame's place, in twips, becomes the screen's pixels here and nowhere else; the
// client is then placed inside the frame that the window manager announced.
void Form::move_window() {
    if (IsLoaded()) {
        place_exactly(*window_, client_position());
    }
}

QPoint Form::client_position() const {
    return {to_device_pixels_x(left_) + frame_.left(), to_device_pixels_y(top_) + frame_.top()};
}

// What code set: the window system may hold the window elsewhere (a window manager keeps
// title bars on the screen), and the user may drag it, but placement reasons in its own terms.
int Form::Left() const {
    return left_;
}

int Form::Top() const {
    return top_;
}

void Form::setLeft(int twips) {
    left_ = twips;
    move_window();
    position_set();
}

void Form::setTop(int twips) {
    top_ = twips;
    move_window();
    position_set();
}

int Form::Width() const {
    return client_width_ + device_pixels_to_twips_x(frame_.left() + frame_.right());
}

int Form::Height() const {
    return client_height_ + device_pixels_to_twips_y(frame_.top() + frame_.bottom());
}

bool Form::Visible() const {
    return IsLoaded() && window_->isVisible();
}

void Form::setVisible(bool visible) {
    if (!IsLoaded()) {
        if (!visible) {
            return;
        }
        Load();
        if (!IsLoaded()) {
            return;  // its load handler unloaded it
        }
    }
    if (visible == window_->isVisible()) {
        return;
    }
    window_->setVisible(visible);
}

void Form::ShowModal() {
    Load();
    if (!IsLoaded() || modal_loop_ != nullptr) {
        return;
    }
    show_pending_texts();  // before the modal loop takes input
    const bool framed = !frame_.isNull();
    const unsigned old_frame = framed ? current_frame(*window_) : 0;
    window_->hide();
    if (framed) {
        wait_until_released(*window_);
    }
    window_->setWindowModality(Qt::ApplicationModal);
    window_->show();
    if (framed) {
        place_again_once_framed_anew(*window_, client_position(), old_frame);
    }
    window_->activateWindow();
    QEventLoop loop;
    modal_loop_ = &loop;
    // Posted just before the loop starts, so that it runs with the loop running.
    std::function<void()> call_hook;
    call_hook = [this, &loop, &call_hook] {
        if (!loop.isRunning()) {
            QTimer::singleShot(0, &loop, call_hook);
        } else if (modal_loop_ == &loop && modal_hook()) {
            modal_hook()(*this);
        }
    };
    QTimer::singleShot(0, &loop, call_hook);
    loop.exec();
    modal_loop_ = nullptr;
}

void Form::place(QWidget& control, const char* name, Rect rect, int tab_index) {
    control.setObjectName(QString::fromLatin1(name));
    control.setGeometry(to_pixels_x(rect.left), to_pixels_y(rect.top), to_pixels_x(rect.width),
                        to_pixels_y(rect.height));
    tab_stops_.push_back({&control, tab_index});
}

void Form::apply_tab_order() {
    std::stable_sort(tab_stops_.begin(), tab_stops_.end(),
                     [](const TabStop& a, const TabStop& b) { return a.tab_index < b.tab_index; });
    QWidget* previous = nullptr;
    QWidget* first = nullptr;
    for (const TabStop& stop : tab_stops_) {
        if (stop.widget->focusPolicy() == Qt::NoFocus) {
            continue;
        }
        if (previous != nullptr) {
            QWidget::setTabOrder(previous, stop.widget);
        }
        if (first == nullptr && stop.widget->isEnabled()) {
            first = stop.widget;
        }
        previous = stop.widget;
    }
    if (first != nullptr) {
        first->setFocus(Qt::OtherFocusReason);
    }
}

namespace Forms {

int Count() {
    return static_cast<int>(loaded_forms().size());
}

Form& Item(int index) {
    auto& forms = loaded_forms();
    if (index < 0 || index >= static_cast<int>(forms.size())) {
        vb::raise(vb::kSubscriptOutOfRange);
    }
    return *forms[static_cast<std::size_t>(index)];
}

}  // namespace Forms

void set_modal_hook(std::function<void(Form&)> hook) {
    modal_hook() = std::move(hook);
}

}  // namespace ui
