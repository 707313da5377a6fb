// The activation rule: the main window re-runs the year step when it takes the focus over from
// a window of the program that was not shown modally (its first showing, a print preview
// closing), not when a modal dialog or a message box closes.

#include "desk/tform1.h"

#include <QApplication>
#include <QPrintPreviewDialog>
#include <QTabWidget>

namespace zur::desk {

namespace {

// Reports every other top-level window of the program that becomes active.
class OtherWindowWatcher : public QObject {
  public:
    OtherWindowWatcher(QWidget* window, std::function<void(QObject*)> note)
        : QObject(window), window_(window), note_(std::move(note)) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::WindowActivate && watched != window_ &&
            watched->isWidgetType() && static_cast<QWidget*>(watched)->isWindow()) {
            note_(watched);
        }
        return false;
    }

  private:
    QWidget* window_;
    std::function<void(QObject*)> note_;
};

}  // namespace

void TForm1::watchOtherWindows() {
    qApp->installEventFilter(
        new OtherWindowWatcher(this, [this](QObject* other) { noteOtherWindowActivated(other); }));
}

void TForm1::noteOtherWindowActivated(QObject* watched) {
    const auto* other = static_cast<QWidget*>(watched);
    // A print preview is shown as a dialog here, but it counts as the report window it stands for.
    otherWindowCounts_ = !other->isModal() || qobject_cast<const QPrintPreviewDialog*>(other);
}

bool TForm1::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        if (!activatedOnce_ || otherWindowCounts_) {
            runGuarded([this] { FormActivate(); });
        }
        activatedOnce_ = true;
        otherWindowCounts_ = false;
    }
    return QMainWindow::event(event);
}

void TForm1::FormActivate() {
    if (PageControl1->currentIndex() == kTuitionPage) {
        Year_LookupClick();
    }
}

}  // namespace zur::desk
