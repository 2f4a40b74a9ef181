#include "TcxKelMemo.h"

TcxKelMemo::TcxKelMemo(TComponent* owner) : TCustomMemo(owner) {}

TcxKelMemo::~TcxKelMemo() = default;

void TcxKelMemo::SetIdValue(int idValue)
{
    m_idValue = idValue;
    SetWindowLongA(Handle(), GWL_ID, idValue);
}
