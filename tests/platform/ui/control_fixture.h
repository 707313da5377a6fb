#pragma once
// A small SQLite database of payment kinds, students and payments for the control tests.

#include "platform/db/connection.h"
#include "platform/db/dataset/dataset.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <memory>

namespace zur::test {

inline const char* kUiSchema = R"(
CREATE TABLE v_opl (id_v_opl INTEGER PRIMARY KEY AUTOINCREMENT, p105 VARCHAR(50));
CREATE TABLE student (id_student INTEGER PRIMARY KEY, s_fio VARCHAR(60));
CREATE TABLE Payment (id_payment INTEGER PRIMARY KEY AUTOINCREMENT, fio VARCHAR(60), p102 FLOAT,
  p103 DATETIME, id_v_opl INT, num_prikaz VARCHAR(20), onul BIT);
INSERT INTO v_opl (p105) VALUES ('Наличные'), ('Перечисление'), ('Терминал');
INSERT INTO student VALUES (1, 'Иванов Иван'), (2, 'Иваненко Пётр'), (3, 'Петров Пётр'),
  (4, 'ЯКОВЛЕВ Яков'), (5, 'Андреев Антон');
INSERT INTO Payment (fio, p102, p103, id_v_opl, num_prikaz, onul) VALUES
  ('Иванов Иван', 1500, '2024-03-05 14:40:11', 2, NULL, 0),
  ('Петров Пётр', 200.5, '2024-03-06 00:00:00', 1, '12-к', 1),
  ('Андреев Антон', 12345.678, '2024-02-01 00:00:00', 3, NULL, 0);
)";

class UiFixture {
  public:
    db::Connection connection;

    void open() {
        const QString name = QString::number(QRandomGenerator::global()->generate());
        connection.setConnectionString("Data Source=sqlite:" + dir_.filePath(name) +
                                       ".db;Create=1");
        connection.open();
        connection.runNativeScript(QString::fromUtf8(kUiSchema));
    }

    std::unique_ptr<db::DataSet> query(const QString& sql) {
        auto set = std::make_unique<db::DataSet>(&connection);
        set->setSql(sql);
        set->open();
        return set;
    }

    QVariant scalar(const QString& sql) {
        const db::ResultSet result = connection.query(sql);
        return result.rows.isEmpty() ? QVariant() : result.rows[0][0];
    }

  private:
    QTemporaryDir dir_;
};

}  // namespace zur::test
