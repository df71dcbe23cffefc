#include "platform/ui/drive_list_box.h"

#include "platform/ui/application.h"
#include "platform/vb/runtime_error.h"

namespace ui {

DriveListBox::DriveListBox(QWidget* parent) : ComboList(parent), drives_(fs::drives()) {
    setEditable(false);
    for (const auto& drive : drives_) {
        addItem(QString::fromStdU16String(fs::drive_text(drive)));
    }
    setCurrentIndex(fs::current_drive_index(drives_));
    connect(this, &QComboBox::currentIndexChanged, this, [this] {
        if (change_) {
            guarded(change_);
        }
    });
}

vb::String DriveListBox::Drive() const {
    return currentText().toStdU16String();
}

void DriveListBox::setDrive(const vb::String& drive) {
    const auto lower = [](char16_t c) {
        return c >= u'A' && c <= u'Z' ? char16_t(c - u'A' + u'a') : c;
    };
    for (std::size_t k = 0; k < drives_.size(); ++k) {
        if (!drive.empty() && lower(drive[0]) == drives_[k].letter[0]) {
            setCurrentIndex(static_cast<int>(k));
            return;
        }
    }
    vb::raise(vb::kDeviceUnavailable);
}

void DriveListBox::setListIndex(int index) {
    if (index < 0 || index >= count()) {
        vb::raise(vb::kInvalidProcedureCall);
    }
    setCurrentIndex(index);
}

void DriveListBox::onChange(std::function<void()> handler) {
    change_ = std::move(handler);
}

}  // namespace ui
