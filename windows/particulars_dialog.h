// The personal information window: one person's particulars, read once when
// the window loads, on cream panels.
#pragma once

#include <QDateTime>
#include <QDialog>
#include <optional>

#include "data/person_particulars.h"

class QLabel;
class QPlainTextEdit;

namespace kinmora {

class ChartWindow;
class RecordSet;

class ParticularsDialog : public QDialog {
    Q_OBJECT

public:
    // Builds the window over `main` and fills it for the person
    // named `pickedName` in `persons` (null when no file is open), with
    // `now` as the present moment (the clock when not given). When no person
    // has that name (or the file cannot be read), loaded() is false and the
    // window stays empty.
    ParticularsDialog(ChartWindow& main, RecordSet* persons, const QString& pickedName,
                      std::optional<QDateTime> now = std::nullopt);

    // What the toolbar's note command and the chart's right click call, after
    // setting the busy cursor: loads the window and shows it modally; when
    // nobody has the name, restores the main window's cursor and shows a
    // message instead.
    static void showModal(ChartWindow& main, RecordSet* persons, const QString& pickedName);

    bool loaded() const { return m_particulars.has_value(); }
    // The texts shown; empty texts when not loaded.
    PersonParticulars particulars() const { return m_particulars.value_or(PersonParticulars{}); }
    // Why loading failed, in Thai, for the message; empty when loaded.
    const QString& failure() const { return m_failure; }

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void createControls();
    void fill(const PersonParticulars& p);

    ChartWindow& m_main;
    std::optional<PersonParticulars> m_particulars;
    QString m_failure;
    QLabel* m_name = nullptr;
    QLabel* m_surname = nullptr;
    QLabel* m_sex = nullptr;
    QLabel* m_born = nullptr;
    QLabel* m_died = nullptr;
    QLabel* m_age = nullptr;
    QLabel* m_father = nullptr;
    QLabel* m_mother = nullptr;
    QPlainTextEdit* m_biography = nullptr;
};

}  // namespace kinmora
