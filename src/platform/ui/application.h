// The process's application object and the one place where a run-time error ends the
// program: every event Qt delivers, and every handler a control calls, passes through here.
#pragma once

#include <QApplication>

#include <exception>
#include <new>
#include <utility>

#include "platform/ui/text_box.h"
#include "platform/vb/runtime_error.h"

namespace ui {

class Application final : public QApplication {
public:
    Application(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};

// The report on stderr, then (except under the offscreen platform) a modal message box;
// then the process ends with status 1. Nothing runs after it.
[[noreturn]] void report_and_end(const vb::RuntimeError& error);

// Whether a run-time error has been reported: the process is on its way out.
bool report_begun();

// Runs `work`, turning any error it raises into the report.
template <typename Work>
void reporting_errors(Work&& work) {
    try {
        std::forward<Work>(work)();
    } catch (const vb::RuntimeError& error) {
        report_and_end(error);
    } catch (const std::bad_alloc&) {
        report_and_end(vb::RuntimeError(vb::kOutOfMemory, vb::description_of(vb::kOutOfMemory)));
    } catch (const std::exception&) {
        report_and_end(
            vb::RuntimeError(vb::kInternalError, vb::description_of(vb::kInternalError)));
    }
}

// Runs `handler` as reporting_errors does; once a report has begun, runs nothing at all,
// whatever asks for it: a press behind the report's box, a timer, a queued call.
template <typename Handler>
void guarded(Handler&& handler) {
    if (!report_begun()) {
        reporting_errors(std::forward<Handler>(handler));
        show_pending_texts();
    }
}

// Processes the pending window events, painting included.
void DoEvents();

// Ends the process at once with status 0, or with the report's status once a report has
// begun: no window is closed, nothing is saved.
[[noreturn]] void End();

}  // namespace ui
