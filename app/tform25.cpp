#include "app/tform25.h"

#include <QProgressBar>
#include <QVBoxLayout>

namespace zur::app {

TForm25::TForm25(QWidget* parent) : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint) {
    setFixedSize(kWidth, kHeight);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setTextVisible(false);
    layout->addWidget(ProgressBar1);
}

}  // namespace zur::app
