// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/Dialog.h"

#include "framework/DialogUnits.h"
#include "framework/FlatStyle.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVariant>

namespace {

QPushButton* MakePushButton(const QString& text, bool isDefault, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setDefault(isDefault);
    return button;
}

QLabel* MakeStaticText(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QFrame* MakeBlackFrame(QWidget* parent)
{
    auto* frame = new QFrame(parent);
    frame->setFrameStyle(QFrame::Box | QFrame::Plain);
    QPalette black = frame->palette();
    black.setColor(QPalette::WindowText, Qt::black);
    frame->setPalette(black);
    return frame;
}

QWidget* MakePicture(QWidget* parent)
{
    auto* picture = new QWidget(parent);
    picture->setAttribute(Qt::WA_TransparentForMouseEvents);
    picture->lower();
    return picture;
}

QLabel* MakeIcon(QWidget* parent)
{
    auto* icon = new QLabel(parent);
    icon->setPixmap(parent->windowIcon().pixmap(32, 32));
    return icon;
}

} // namespace

CDialog::CDialog(const DialogTemplate& dialogTemplate, QWidget* parent, Qt::WindowFlags flags)
    : QDialog(parent, flags)
{
    setWindowTitle(QString::fromLatin1(dialogTemplate.title));
    const DialogUnits units(font());
    setFixedSize(units.Size(dialogTemplate.width, dialogTemplate.height));

    QButtonGroup* group = nullptr;
    for (const DialogControl& control : dialogTemplate.controls) {
        if (control.style & kGroup)
            group = nullptr;
        QWidget* widget = CreateControl(control);
        widget->setGeometry(units.Rect(control));
        if (control.style & kFlat)
            widget->setStyle(FlatButtonStyle());
        if (control.kind == ControlKind::RadioButton) {
            if (!group) {
                group = new QButtonGroup(this);
                m_radioGroups.emplace_back(control.id, group);
            }
            auto* radio = static_cast<QAbstractButton*>(widget);
            group->addButton(radio, int(group->buttons().size()));
        }
        if (control.id != 0)
            m_controls.emplace_back(control.id, widget);
    }
}

QWidget* CDialog::CreateControl(const DialogControl& control)
{
    const QString text = QString::fromLatin1(control.text);
    switch (control.kind) {
    case ControlKind::DefPushButton:
    case ControlKind::PushButton: {
        QPushButton* button
            = MakePushButton(text, control.kind == ControlKind::DefPushButton, this);
        if (control.id == IDOK)
            connect(button, &QPushButton::clicked, this, &CDialog::accept);
        else if (control.id == IDCANCEL)
            connect(button, &QPushButton::clicked, this, &CDialog::reject);
        return button;
    }
    case ControlKind::GroupBox:
        return new QGroupBox(text, this);
    case ControlKind::RadioButton:
        return new QRadioButton(text, this);
    case ControlKind::CheckBox:
        return new QCheckBox(text, this);
    case ControlKind::Edit:
        return new QLineEdit(text, this);
    case ControlKind::StaticText:
        return MakeStaticText(text, this);
    case ControlKind::BlackFrame:
        return MakeBlackFrame(this);
    case ControlKind::Picture:
        return MakePicture(this);
    case ControlKind::Icon:
        return MakeIcon(this);
    }
    Q_UNREACHABLE();
}

QWidget* CDialog::FindControl(int id) const
{
    for (const auto& [controlId, widget] : m_controls) {
        if (controlId == id)
            return widget;
    }
    return nullptr;
}

QButtonGroup* CDialog::RadioGroup(int firstId) const
{
    for (const auto& [groupId, group] : m_radioGroups) {
        if (groupId == firstId)
            return group;
    }
    return nullptr;
}

int CDialog::DoModal()
{
    OnInitDialog();
    return platform().DoModal(*this);
}

void CDialog::OnInitDialog() { UpdateData(false); }

void CDialog::UpdateData(bool saveAndValidate)
{
    CDataExchange dx(*this, saveAndValidate);
    DoDataExchange(dx);
}

void CDialog::DoDataExchange(CDataExchange&) { }

void CDialog::OnOK()
{
    UpdateData(true);
    EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

void CDialog::EndDialog(int result) { done(result == IDOK ? Accepted : Rejected); }

void CDataExchange::Check(int id, int& value)
{
    auto* box = m_dialog.GetDlgItem<QAbstractButton>(id);
    if (m_bSaveAndValidate)
        value = box->isChecked() ? 1 : 0;
    else
        box->setChecked(value != 0);
}

void CDataExchange::Radio(int firstId, int& value)
{
    QButtonGroup* group = m_dialog.RadioGroup(firstId);
    if (m_bSaveAndValidate) {
        if (group->checkedId() >= 0)
            value = group->checkedId();
        return;
    }
    if (QAbstractButton* button = group->button(value)) {
        button->setChecked(true);
        return;
    }
    // An exclusive group refuses to clear its last checked button.
    group->setExclusive(false);
    for (QAbstractButton* each : group->buttons())
        each->setChecked(false);
    group->setExclusive(true);
}

void CDataExchange::Text(int id, QString& value)
{
    // Edit boxes, labels and buttons all keep what they show in their "text" property.
    QWidget* control = m_dialog.GetDlgItem(id);
    if (m_bSaveAndValidate)
        value = control->property("text").toString();
    else
        control->setProperty("text", value);
}
