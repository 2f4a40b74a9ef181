#include "TAction.h"

#include "Cp1252.h"
#include "Mnemonic.h"
#include "TImageList.h"
#include "TKelActionList.h"

TAction::TAction(TComponent* owner)
    : QAction(dynamic_cast<TKelActionList*>(owner) ? nullptr : OwnerObject(owner))
{
    if (auto* list = dynamic_cast<TKelActionList*>(owner))
        SetActionList(list);
    connect(this, &QAction::triggered, this, &TAction::Triggered);
}

TAction::~TAction()
{
    if (m_actionList)
        m_actionList->RemoveAction(this);
}

void TAction::SetCaption(const std::string& caption)
{
    m_caption = caption;
    setText(QtCaption());
}

QString TAction::QtCaption() const
{
    return Mnemonic::ToQt(Cp1252::toQString(m_caption));
}

std::string TAction::GetHint() const
{
    return Cp1252::fromQString(toolTip());
}

void TAction::SetHint(const std::string& hint)
{
    setToolTip(Cp1252::toQString(hint));
}

void TAction::SetEnabled(bool enabled)
{
    m_enabled = enabled;
    setEnabled(enabled);
}

void TAction::SetChecked(bool checked)
{
    m_checked = checked;
    // Qt shows a check mark only on a checkable action.
    setCheckable(checked || m_autoCheck);
    setChecked(checked);
}

void TAction::SetAutoCheck(bool autoCheck)
{
    m_autoCheck = autoCheck;
    setCheckable(m_checked || autoCheck);
}

void TAction::SetImageIndex(int index)
{
    m_imageIndex = index < 0 ? -1 : index;
    RefreshImage();
}

void TAction::RefreshImage()
{
    TImageList* images = m_actionList ? m_actionList->GetImages() : nullptr;
    setIcon(images ? images->GetIcon(m_imageIndex) : QIcon());
}

void TAction::SetActionList(TKelActionList* list)
{
    if (list == m_actionList)
        return;
    if (m_actionList)
        m_actionList->RemoveAction(this);
    m_actionList = list;
    setParent(list);
    if (list)
        list->AddAction(this);
    RefreshImage();
}

bool TAction::Update()
{
    if (!OnUpdate)
        return false;
    const TNotifyEvent handler = OnUpdate; // the handler may replace itself
    handler(this);
    return true;
}

bool TAction::Execute()
{
    Update();
    if (!m_enabled || !OnExecute)
        return false;
    const TNotifyEvent handler = OnExecute;
    handler(this);
    return true;
}

void TAction::Triggered()
{
    // Qt toggled the check mark before telling us; only an auto-check action keeps it.
    if (isCheckable()) {
        if (m_autoCheck)
            m_checked = isChecked();
        else
            setChecked(m_checked);
    }
    Execute();
}
