#pragma once
// A record navigator: buttons that move through, edit, post, cancel, delete (after a
// confirmation) and re-read the records of a data set, enabled as the data set's state allows.

#include "platform/db/dataset/dataset.h"

#include <QHash>
#include <QPointer>
#include <QWidget>

class QToolButton;

namespace zur::ui {

class DBNavigator : public QWidget {
    Q_OBJECT
  public:
    enum class Button { First, Prior, Next, Last, Insert, Delete, Edit, Post, Cancel, Refresh };
    Q_ENUM(Button)

    explicit DBNavigator(QWidget* parent = nullptr);

    void setDataSource(db::DataSource* source);
    // The buttons shown, in the navigator's fixed order (all by default).
    void setVisibleButtons(const QList<Button>& buttons);
    QToolButton* button(Button which) const { return buttons_.value(which); }

    // What a click on `which` does; database errors are shown in the error box.
    void press(Button which);

  signals:
    void clicked(zur::ui::DBNavigator::Button which);  // after the button's action

  private:
    void act(Button which);
    void updateButtons();

    QPointer<db::DataSet> dataSet_;
    QHash<Button, QToolButton*> buttons_;
    QList<QMetaObject::Connection> connections_;
};

}  // namespace zur::ui
