#include "DateTimePicker.h"

#include "ShortDate.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QEvent>
#include <QHBoxLayout>

TDateTimePicker::TDateTimePicker(QWidget *parent)
    : QWidget(parent), m_tick(new QCheckBox(this)), m_edit(new QDateEdit(this))
{
    // Inner widgets carry Qt-internal names so that a lookup of the form's controls by name
    // never finds them.
    m_tick->setObjectName(QStringLiteral("qt_picker_tick"));
    m_edit->setObjectName(QStringLiteral("qt_picker_date"));
    m_edit->setCalendarPopup(true);
    m_edit->setDisplayFormat(ShortDateFormat());
    m_edit->setDate(QDate::currentDate());
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(m_tick);
    layout->addWidget(m_edit, 1);
    m_tick->setVisible(false);
    m_tick->setChecked(true);
    // The picker is one stop of its window's tab order. Focus goes to its first part, the tick
    // box while it is shown, else the date; Tab then walks on through the picker's parts.
    setFocusPolicy(Qt::StrongFocus);
    setFocusProxy(m_edit);
    connect(m_tick, &QCheckBox::toggled, this, [this](bool on) {
        updateEditState();
        Q_EMIT CheckedChanged(on);
    });
    connect(m_edit, &QDateEdit::dateChanged, this, &TDateTimePicker::DateChanged);
}

QDate TDateTimePicker::Date() const
{
    return m_edit->date();
}

bool TDateTimePicker::SetDate(const QDate &date)
{
    if (!date.isValid() || date < m_edit->minimumDate() || date > m_edit->maximumDate())
        return false;
    m_edit->setDate(date);
    SetChecked(true);
    return true;
}

void TDateTimePicker::SetShowCheckbox(bool show)
{
    m_showCheckbox = show;
    m_tick->setVisible(show);
    updateEditState();
}

bool TDateTimePicker::Checked() const
{
    return !m_showCheckbox || m_tick->isChecked();
}

void TDateTimePicker::SetChecked(bool checked)
{
    m_tick->setChecked(checked);
}

void TDateTimePicker::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::EnabledChange)
        updateEditState();
    QWidget::changeEvent(event);
}

void TDateTimePicker::updateEditState()
{
    m_edit->setEnabled(isEnabled() && Checked());
    setFocusProxy(m_showCheckbox ? static_cast<QWidget *>(m_tick) : m_edit);
}
