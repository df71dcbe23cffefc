// What a screen reader gets of a form: the name it speaks for each control, read through
// the accessibility interface as an assistive technology reads it, and the order in which
// Tab walks the controls.
#pragma once

#include <QAccessible>
#include <QTest>
#include <QWidget>

#include <map>
#include <string>
#include <vector>

#include "focused_control.h"
#include "ui/form.h"

// What a reader speaks to say what a control is: its accessible name; for a combo box,
// whose name on this platform is its current text, the control that labels it (its label,
// else its frame).
inline std::string spoken_name(QWidget& control) {
    QWidget* focus = control.focusProxy() != nullptr ? control.focusProxy() : &control;
    QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(focus);
    if (spoken == nullptr) {
        return {};
    }
    if (spoken->role() == QAccessible::ComboBox) {
        const auto labels = spoken->relations(QAccessible::Label);
        return labels.isEmpty() ? std::string()
                                : labels.front().first->text(QAccessible::Name).toStdString();
    }
    return spoken->text(QAccessible::Name).toStdString();
}

// Control name to spoken name, for every control of the form.
inline std::map<std::string, std::string> spoken_names(const ui::Form& form) {
    std::map<std::string, std::string> names;
    for (QWidget* control : form.window()->findChildren<QWidget*>()) {
        const QString name = control->objectName();
        if (!name.isEmpty() && !name.startsWith(QLatin1String("qt_"))) {  // not the toolkit's
            names[name.toStdString()] = spoken_name(*control);
        }
    }
    return names;
}

// The control that holds the focus, then each one that Tab reaches, until Tab comes back
// to the first (or after a round longer than any form has).
inline std::vector<std::string> tab_walk(const ui::Form& form) {
    std::vector<std::string> walk{focused_control(form).toStdString()};
    for (int k = 0; k < 64; ++k) {
        QTest::keyClick(form.window()->focusWidget(), Qt::Key_Tab);
        const std::string next = focused_control(form).toStdString();
        if (next == walk.front()) {
            break;
        }
        walk.push_back(next);
    }
    return walk;
}
