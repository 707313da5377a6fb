#pragma once
// The progress window: a small frameless window holding one progress bar, created at start and
// used by long runs of the program.

#include <QWidget>

class QProgressBar;

namespace zur::app {

class TForm25 : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kWidth = 297;
    static constexpr int kHeight = 19;

    explicit TForm25(QWidget* parent = nullptr);

    QProgressBar* ProgressBar1;
};

}  // namespace zur::app
