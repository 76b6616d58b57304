#pragma once
// A date picker with an optional tick box, as the forms need it: a date only (no time part);
// while the tick box is shown and unticked, the picker holds no date.

#include <QDate>
#include <QWidget>

class QCheckBox;
class QDateEdit;

class TDateTimePicker : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QDate date READ Date WRITE SetDate NOTIFY DateChanged)
    Q_PROPERTY(bool showCheckbox READ ShowCheckbox WRITE SetShowCheckbox)
    Q_PROPERTY(bool checked READ Checked WRITE SetChecked NOTIFY CheckedChanged)
public:
    explicit TDateTimePicker(QWidget *parent = nullptr);

    QDate Date() const;
    // Sets the date; a valid date also ticks the box. Returns false (changing nothing) when the
    // date is invalid or out of the picker's range.
    bool SetDate(const QDate &date);

    bool ShowCheckbox() const { return m_showCheckbox; }
    void SetShowCheckbox(bool show);

    // Without a tick box the picker always holds its date.
    bool Checked() const;
    void SetChecked(bool checked);

    QCheckBox *TickBox() const { return m_tick; }
    QDateEdit *DateEdit() const { return m_edit; }

Q_SIGNALS:
    void DateChanged(const QDate &date);
    void CheckedChanged(bool checked);

protected:
    void changeEvent(QEvent *event) override;

private:
    void updateEditState();

    QCheckBox *m_tick;
    QDateEdit *m_edit;
    bool m_showCheckbox = false;
};
