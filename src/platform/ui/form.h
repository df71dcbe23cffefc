// A form: one window of the system with its controls, measured in twips. The form object
// lives for the whole process; its window and controls live from Load to Unload.
#pragma once

#include <QMargins>
#include <QPoint>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <optional>
#include <span>
#include <utility>
#include <vector>

#include "platform/ui/control_table.h"
#include "platform/ui/table_build.h"
#include "platform/ui/twips.h"
#include "platform/vb/text.h"

class QAccessibleInterface;
class QEventLoop;

namespace ui {

class Form {
public:
    // A window without controls of its own.
    explicit Form(const Header& header);
    // The window of a table that lives as long as the program, whose controls every load
    // builds into the window `W` that this form is.
    template <typename W, std::size_t N>
    explicit Form(const FormTable<W, N>& table) : Form(table.header) {
        build_controls_ = [this, rows = std::span<const ControlRow<W>>(table.rows)](
                              QWidget& client) { build(client, rows); };
    }
    virtual ~Form();
    Q_DISABLE_COPY_MOVE(Form)

    // Creates the window and its controls, appends the form to Forms, then runs
    // Form_Load. Loading a loaded form does nothing. The window stays hidden until code
    // makes it visible.
    void Load();
    // Takes the form out of Forms at once, ends its modal showing if any, hides the
    // window and destroys it and its controls once control is back in the event loop,
    // so that a form's own button may unload it.
    void Unload();
    bool IsLoaded() const { return window_ != nullptr; }

    const vb::String& Caption() const { return caption_; }
    void setCaption(const vb::String& caption);

    // Outer frame, in twips. Left and Top read back what code set while the window
    // stands at the nearest pixel.
    int Left() const;
    int Top() const;
    void setLeft(int twips);
    void setTop(int twips);
    int Width() const;
    int Height() const;

    bool Visible() const;
    // Making an unloaded form visible loads it first, as referring to it would.
    void setVisible(bool visible);

    // Loads the form if need be, shows it application-modal and returns once it has been
    // unloaded; meanwhile every other window, the main menu included, takes no input.
    void ShowModal();

    // The window while loaded, for tests and for the toolkit; null otherwise.
    QWidget* window() const { return window_; }

protected:
    virtual void Form_Load() {}
    // A close request from the window system or Escape; ignored unless a form says so.
    virtual void close_requested() {}
    // Called after code has set Left or Top; lets a form follow its own movement.
    virtual void position_set() {}

private:
    class Window;
    friend class Window;

    // The interfaces the accessibility bus gets for a form's window and its notification.
    static QAccessibleInterface* accessible_for(const QString& class_name, QObject* object);

    // Creates a control of type C inside `container` at `rect` (twips, relative to the
    // container), named `name` as the Qt objectName, at tab index `tab_index`.
    template <typename C>
    C* add(QWidget& container, const char* name, Rect rect, int tab_index) {
        auto* control = new C(&container);
        place(*control, name, rect, tab_index);
        return control;
    }
    // Creates the control of each row into its member of the window `W` that this form is,
    // inside `client` or the row's frame.
    template <typename W>
    void build(QWidget& client, std::span<const ControlRow<W>> rows);

    void place(QWidget& control, const char* name, Rect rect, int tab_index);
    void apply_tab_order();
    void move_window();
    // Where the client area stands, in the screen's pixels.
    QPoint client_position() const;

    // Builds the table's controls into the client area at every load; empty without a table.
    std::function<void(QWidget&)> build_controls_;
    vb::String caption_;
    Role role_;
    int client_width_;
    int client_height_;
    // The window manager's frame around the client area while loaded, in the screen's pixels.
    QMargins frame_;
    int left_ = 0;
    int top_ = 0;
    // The client area's place at every load, as the designer stored it.
    std::optional<Position> start_;
    QPointer<QWidget> window_;
    struct TabStop {
        QWidget* widget;
        int tab_index;
    };
    std::vector<TabStop> tab_stops_;
    QEventLoop* modal_loop_ = nullptr;
};

template <typename W>
void Form::build(QWidget& client, std::span<const ControlRow<W>> rows) {
    W& window = dynamic_cast<W&>(*this);
    for (const ControlRow<W>& row : rows) {
        // The compiler has checked that a frame's row comes before its controls.
        QWidget& container = row.container == kWindow ? client : *(window.*row.container);
        std::visit(
            [&]<typename C>(const Control<W, C>& kind) {
                C* control = add<C>(container, row.name, row.place, row.tab_index);
                control_table::set_up(*control, row.caption, kind.options);
                control_table::bind(window, *control, kind.options);
                window.*kind.member = control;
            },
            row.control);
    }
    for (const ControlRow<W>& row : rows) {
        control_table::name(window, row);
    }
}

// The one instance of a window, made at first use and never destroyed: its window may outlive
// the application object at exit.
template <typename F>
F& single_instance() {
    static auto* instance = new F;
    return *instance;
}

namespace Forms {

// The loaded forms in load order; the top window is Item(Count() - 1).
int Count();
Form& Item(int index);

}  // namespace Forms

// Called once each time a modal showing's nested loop is running, with the form shown;
// tests use it to drive a modal dialog. An empty function removes the hook.
void set_modal_hook(std::function<void(Form&)> hook);

}  // namespace ui
